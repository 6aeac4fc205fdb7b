#pragma once
// The desktop services of the real program: Qt's message boxes and file dialogs, the desktop's
// URL handler, QProcess for programs, the printer list.

#include <QPointer>
#include <QWidget>

#include <functional>

#include "localisation/programtexts.h"
#include "windows/common/platform.h"

namespace norvex5 {

class QtPlatform : public Platform {
public:
    // Dialogs are centred over `parent` when it is set.
    explicit QtPlatform(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    // Where the few texts of its own dialogs come from (the printer choice); French until set.
    void setTexts(std::function<QString(ProgramText)> texts) { texts_ = std::move(texts); }

    Answer message(const QString& text, const QString& title, Buttons buttons, Icon icon = Icon::None,
                   bool beep = false) override;
    void beep() override;
    QString openFileName(const FileDialog& dialog) override;
    QString saveFileName(const FileDialog& dialog) override;
    bool openUrl(const QString& fileOrUrl) override;
    bool hasDefaultHandler(const QString& fileOrUrl) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
    bool hasPrinter() override;
    bool choosePrintTarget(QPrinter& printer, const QString& documentName) override;

private:
    QString runFileDialog(const FileDialog& dialog, bool save);
    // One of the texts above, in the language set through setTexts().
    QString ownText(ProgramText which) const;

    QPointer<QWidget> parent_;
    QString lastDirectory_;
    std::function<QString(ProgramText)> texts_;
    // The printer chosen last in this run; empty for none yet, kPdfChoice for a PDF file.
    QString chosenPrinter_;
};

}  // namespace norvex5
