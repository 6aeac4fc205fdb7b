#include "windows/parameters/parameterswindow.h"
#include "localisation/messagenumbers.h"

#include <QComboBox>
#include <QDir>
#include <QPrinter>
#include <QPushButton>

#include "core/appstate.h"
#include "output/calibrationpage.h"
#include "output/ticketlayouts.h"
#include "periphery/offsettext.h"
#include "textfiles/listentry.h"
#include "windows/common/entrylists.h"
#include "windows/common/languagegroup.h"
#include "windows/common/platform.h"
#include "windows/common/printersurface.h"
#include "windows/common/printnotices.h"
#include "windows/common/windowfont.h"
#include "windows/common/windowtexts.h"

namespace norvex5 {

ParametersWindow::ParametersWindow(const Texts& texts, Settings& settings, Platform& platform, QWidget* parent)
    : QDialog(parent), texts_(texts), settings_(settings), platform_(platform) {
    setUpDialog(*this, "Form9");
    setModal(true);
    controls_.build(*this);
    connectHandlers();
    applyTexts();
}

void ParametersWindow::connectHandlers() {
    connect(controls_.ok, &QPushButton::clicked, this, &ParametersWindow::acceptParameters);
    connect(controls_.testPrint, &QPushButton::clicked, this, &ParametersWindow::printTestPage);
}

void ParametersWindow::applyTexts() {
    const MessageLookup lookup = texts_.messageLookup();
    setWindowTitle(QString::fromStdString(lookup(kMessageParameters)));
    applyWindowTexts(*this, parametersTexts(), lookup);
    controls_.testPrint->setText(QString::fromStdString(texts_.programText(ProgramText::TestPrint)));
}

QString ParametersWindow::text(int message) const { return QString::fromStdString(texts_.message(message)); }

void ParametersWindow::prepare() {
    // The language file supplies every text whatever the language: choosing one would do nothing.
    const bool languageFileLoaded = texts_.languageFile && texts_.languageFile->loaded();
    controls_.languages->setVisible(!languageFileLoaded);
    controls_.horizontalOffset->setText(QString::number(settings_.parameters.horizontalOffset));
    controls_.verticalOffset->setText(QString::number(settings_.parameters.verticalOffset));
    controls_.languages->checkLanguage(settings_.parameters.language);
    // The model the tickets were last printed on, the way the print dialog lists the models.
    fillTicketModelList(*controls_.testModels, settings_);
    applyTexts();
    adjustSize();
}

void ParametersWindow::openModal() {
    prepare();
    controls_.horizontalOffset->setFocus();
    exec();
}

std::optional<PrinterOffsets> ParametersWindow::offsetsOnThePaper() {
    const PrinterOffsets offsets{offsetFromText(controls_.horizontalOffset->text().toStdString()),
                                 offsetFromText(controls_.verticalOffset->text().toStdString())};
    const struct {
        std::int32_t mm;
        int caption;
        OffsetField* field;
    } fields[] = {{offsets.horizontalMm, kMessageHorizontalOffset, controls_.horizontalOffset},
                  {offsets.verticalMm, kMessageVerticalOffset, controls_.verticalOffset}};
    for (const auto& f : fields) {
        if (offsetWithinPaper(f.mm)) continue;
        const QString caption = text(f.caption).trimmed();
        platform_.message(QString::fromStdString(texts_.programText(ProgramText::OffsetOffThePaper))
                              .arg(caption.endsWith(QLatin1Char(':')) ? caption.chopped(1).trimmed() : caption)
                              .arg(f.mm)
                              .arg(kFarthestOffsetMm),
                          text(kMessageParameters), Platform::Buttons::Ok, Platform::Icon::Warning);
        f.field->setFocus();
        f.field->selectAll();
        return std::nullopt;
    }
    return offsets;
}

void ParametersWindow::acceptParameters() {
    const std::optional<PrinterOffsets> offsets = offsetsOnThePaper();
    if (!offsets) return;
    settings_.parameters.horizontalOffset = offsets->horizontalMm;
    settings_.parameters.verticalOffset = offsets->verticalMm;
    settings_.parameters.language = controls_.languages->checkedLanguage();
    accept();
}

int ParametersWindow::testModel() const { return ticketModelFromEntry(controls_.testModels->currentText().toStdString()); }

void ParametersWindow::printTestPage() {
    const int model = testModel();
    if (model <= 0) return;
    // The offsets as typed: the user tries them on paper before pressing OK.
    const std::optional<PrinterOffsets> typed = offsetsOnThePaper();
    if (!typed) return;
    const PrinterOffsets offsets = *typed;
    const QString name = QString::fromStdString(std::string(listEntryText(controls_.testModels->currentText().toStdString())));
    // The sheet says what it was printed for, so it can be told apart from the next one.
    const QString caption = QStringLiteral("%1  \u2014  %2 : %3 mm  \u2014  %4 : %5 mm")
                                .arg(name, text(kMessageHorizontalOffset), QString::number(offsets.horizontalMm),
                                     text(kMessageVerticalOffset), QString::number(offsets.verticalMm));
    PrinterSurface surface;
    if (!platform_.choosePrintTarget(surface.printer(),
                                     QStringLiteral("Norvex5 - %1 - %2").arg(controls_.testPrint->text(), name)))
        return;
    if (!marksFitOrUserGoesOn(platform_, texts_, surface, model, offsets)) return;
    if (!printCalibrationPage(surface, model, offsets, caption.toStdString())) tellTestPageFailed(surface.printer());
}

void ParametersWindow::tellTestPageFailed(const QPrinter& printer) {
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    const QString failure =
        QString::fromStdString(
            texts_.programText(toFile ? ProgramText::TestPageNotWritten : ProgramText::TestPageNotPrinted))
            .arg(QDir::toNativeSeparators(toFile ? printer.outputFileName() : printer.printerName()));
    platform_.message(failure, controls_.testPrint->text(), Platform::Buttons::Ok, Platform::Icon::Warning);
}

}  // namespace norvex5
