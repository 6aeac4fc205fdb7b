#include "support/fakeplatform.h"

#include <QPrinter>

namespace norvex5 {

void FakePlatform::clear() {
    answers_.clear();
    files_.clear();
    messages_.clear();
    dialogs_.clear();
    openedUrls_.clear();
    startedPrograms_.clear();
    beeps_ = 0;
}

Platform::Answer FakePlatform::message(const QString& text, const QString& title, Buttons buttons, Icon icon,
                                       bool beep) {
    if (beep) ++beeps_;
    messages_.append({text, title, buttons, icon, beep});
    if (!answers_.isEmpty()) return answers_.dequeue();
    switch (buttons) {
        case Buttons::Ok: return Answer::Ok;
        case Buttons::OkCancel:
        case Buttons::ContinueCancel: return Answer::Cancel;
        case Buttons::YesNo: return Answer::No;
    }
    return Answer::Ok;
}

QString FakePlatform::nextFile(bool save, const FileDialog& dialog) {
    dialogs_.append({save, dialog});
    return files_.isEmpty() ? QString() : files_.dequeue();
}

QString FakePlatform::openFileName(const FileDialog& dialog) { return nextFile(false, dialog); }

QString FakePlatform::saveFileName(const FileDialog& dialog) { return nextFile(true, dialog); }

bool FakePlatform::openUrl(const QString& fileOrUrl) {
    openedUrls_.append(fileOrUrl);
    return openUrlResult_;
}

bool FakePlatform::hasDefaultHandler(const QString& fileOrUrl) {
    if (allHandled_) return true;
    for (const QString& suffix : handledSuffixes_) {
        if (suffix.endsWith(QLatin1Char(':')) ? fileOrUrl.startsWith(suffix, Qt::CaseInsensitive)
                                              : fileOrUrl.endsWith(suffix, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool FakePlatform::startProgram(const QString& program, const QStringList& arguments) {
    startedPrograms_.append(QStringList{program} + arguments);
    return startProgramResult_;
}

bool FakePlatform::choosePrintTarget(QPrinter& printer, const QString& documentName) {
    printer.setDocName(documentName);
    if (!printerName_.isEmpty()) {
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(printerName_);
        return true;
    }
    if (printFile_.isEmpty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printFile_);
    return true;
}

}  // namespace norvex5
