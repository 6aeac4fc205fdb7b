#include "windows/common/qtplatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QUrl>

#include "periphery/weblinks.h"

namespace norvex5 {

namespace {

constexpr const char* kPdfChoice = "\x01pdf";

QMessageBox::Icon qtIcon(Platform::Icon icon) {
    switch (icon) {
        case Platform::Icon::Information: return QMessageBox::Information;
        case Platform::Icon::Warning: return QMessageBox::Warning;
        case Platform::Icon::Critical: return QMessageBox::Critical;
        case Platform::Icon::Question: return QMessageBox::Question;
        case Platform::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

// A box is as wide as its text, and the desktop cuts a title longer than the box ("Este
// ficheiro..." over "Continuar"): the box is made as wide as its title needs in a title bar, whose
// font is often bold, beside the bar's icon and buttons.
void keepTitleInSight(QMessageBox& box) {
    constexpr int kTitleBarButtons = 140;
    QFont bold = box.font();
    bold.setBold(true);
    const int titleWidth = QFontMetrics(bold).horizontalAdvance(box.windowTitle()) + kTitleBarButtons;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
}

}  // namespace

Platform::Answer QtPlatform::message(const QString& text, const QString& title, Buttons buttons, Icon icon, bool beep) {
    if (beep) this->beep();
    QMessageBox box(qtIcon(icon), title, text, QMessageBox::NoButton, parent_);
    keepTitleInSight(box);
    switch (buttons) {
        case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
        case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        case Buttons::ContinueCancel: {
            // Qt has no standard Continue button: one of ours, in the program's language.
            QPushButton* goOn = box.addButton(ownText(ProgramText::Continue), QMessageBox::AcceptRole);
            goOn->setObjectName(QStringLiteral("continue"));
            box.addButton(QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Cancel);
            box.exec();
            return box.clickedButton() == goOn ? Answer::Ok : Answer::Cancel;
        }
    }
    const int pressed = box.exec();
    switch (pressed) {
        case QMessageBox::Ok: return Answer::Ok;
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        default: break;
    }
    // Closing the box with Escape or its title bar is the cautious answer of its buttons.
    return buttons == Buttons::Ok ? Answer::Ok : buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
}

void QtPlatform::beep() { QApplication::beep(); }

QString QtPlatform::runFileDialog(const FileDialog& dialog, bool save) {
    QFileDialog fileDialog(parent_, dialog.title);
    fileDialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    fileDialog.setFileMode(save || !dialog.fileMustExist ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!dialog.filter.isEmpty()) fileDialog.setNameFilter(dialog.filter);
    if (!dialog.defaultSuffix.isEmpty()) fileDialog.setDefaultSuffix(dialog.defaultSuffix);
    QFileDialog::Options options = fileDialog.options();
    // QFileDialog's ReadOnly is about the dialog, not about files: without it the player can
    // still rename, delete and make folders in it.
    options.setFlag(QFileDialog::ReadOnly, false);
    options.setFlag(QFileDialog::DontConfirmOverwrite, !dialog.overwritePrompt);
    fileDialog.setOptions(options);
    if (!lastDirectory_.isEmpty()) fileDialog.setDirectory(lastDirectory_);
    // A pattern as the initial name only narrows the list, which the filter already does.
    if (!dialog.initialName.isEmpty() && !dialog.initialName.contains(QLatin1Char('*')))
        fileDialog.selectFile(dialog.initialName);
    if (fileDialog.exec() != QDialog::Accepted) return {};
    const QStringList chosen = fileDialog.selectedFiles();
    if (chosen.isEmpty()) return {};
    const QFileInfo info(chosen.first());
    if (dialog.pathMustExist && !info.dir().exists()) return {};
    if (dialog.fileMustExist && !save && !info.exists()) return {};
    lastDirectory_ = info.absolutePath();
    return info.absoluteFilePath();
}

QString QtPlatform::openFileName(const FileDialog& dialog) { return runFileDialog(dialog, false); }

QString QtPlatform::saveFileName(const FileDialog& dialog) { return runFileDialog(dialog, true); }

bool QtPlatform::openUrl(const QString& fileOrUrl) {
    const QUrl url = QUrl::fromUserInput(fileOrUrl, QDir::currentPath(), QUrl::AssumeLocalFile);
    return url.isValid() && QDesktopServices::openUrl(url);
}

bool QtPlatform::hasDefaultHandler(const QString& fileOrUrl) {
    const QUrl url = QUrl::fromUserInput(fileOrUrl, QDir::currentPath(), QUrl::AssumeLocalFile);
    if (!url.isValid()) return false;
#if defined(Q_OS_WIN)
    // Windows names the HTML viewer by its registered "open" command line.
    if (!url.isLocalFile() ||
        QFileInfo(url.toLocalFile()).suffix().startsWith(QLatin1String("htm"), Qt::CaseInsensitive)) {
        const QSettings classes(QStringLiteral("HKEY_CLASSES_ROOT\\htmlfile\\shell\\open\\command"),
                                QSettings::NativeFormat);
        return !viewerFromCommandLine(classes.value(QStringLiteral("Default")).toString().toStdString()).empty();
    }
    return true;
#elif defined(Q_OS_MACOS)
    return true;
#else
    // The freedesktop MIME database says which program opens a type; xdg-open, which Qt runs to
    // open it, finds nothing to run when the answer is empty but has reported success by then.
    const QString type = url.isLocalFile() ? QMimeDatabase().mimeTypeForFile(url.toLocalFile()).name()
                                           : QStringLiteral("x-scheme-handler/") + url.scheme();
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), type});
    if (!query.waitForFinished(5000)) {
        query.kill();
        query.waitForFinished(1000);
        return false;
    }
    return query.exitStatus() == QProcess::NormalExit && query.exitCode() == 0 &&
           !query.readAllStandardOutput().trimmed().isEmpty();
#endif
}

bool QtPlatform::startProgram(const QString& program, const QStringList& arguments) {
    // An argument list and no shell: nothing in a path or an argument is ever interpreted.
    return QProcess::startDetached(program, arguments);
}

QString QtPlatform::ownText(ProgramText which) const {
    const std::string_view french = programText(which, 1);
    return texts_ ? texts_(which) : QString::fromUtf8(french.data(), static_cast<qsizetype>(french.size()));
}

bool QtPlatform::hasPrinter() { return !QPrinterInfo::defaultPrinter().isNull(); }

bool QtPlatform::choosePrintTarget(QPrinter& printer, const QString& documentName) {
    printer.setDocName(documentName);
    const QStringList printers = QPrinterInfo::availablePrinterNames();
    bool toPdf = printers.isEmpty();
    if (!toPdf) {
        const auto text = [this](ProgramText which) { return ownText(which); };
        const QString pdf = text(ProgramText::PdfFile);
        QString preselected = chosenPrinter_.isEmpty() ? QPrinterInfo::defaultPrinterName() : chosenPrinter_;
        if (preselected == QLatin1String(kPdfChoice)) preselected = pdf;
        const QStringList choices = printers + QStringList{pdf};
        const int current = std::max<int>(0, static_cast<int>(choices.indexOf(preselected)));
        bool ok = false;
        const QString chosen = QInputDialog::getItem(parent_, text(ProgramText::ChoosePrinter), documentName, choices,
                                                     current, false, &ok);
        if (!ok || chosen.isEmpty()) return false;
        toPdf = chosen == pdf && !printers.contains(chosen);
        chosenPrinter_ = toPdf ? QString::fromLatin1(kPdfChoice) : chosen;
        if (!toPdf) {
            printer.setOutputFormat(QPrinter::NativeFormat);
            printer.setPrinterName(chosen);
            return true;
        }
    }
    FileDialog pdf;
    pdf.title = documentName;
    pdf.filter = QStringLiteral("PDF (*.pdf)");
    pdf.defaultSuffix = QStringLiteral("pdf");
    pdf.initialName = documentName + QStringLiteral(".pdf");
    pdf.overwritePrompt = true;
    const QString file = saveFileName(pdf);
    if (file.isEmpty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    return true;
}

}  // namespace norvex5
