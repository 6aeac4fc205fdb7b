#pragma once
// A scripted Platform for window tests: it records every question and dialog, and answers with
// what the test queued beforehand. An unscripted question gets its cautious answer (OK for an OK
// box, Cancel, No) and an unscripted file dialog is cancelled, so a test that forgot to script a
// dialog sees nothing happen rather than a window waiting for a click.

#include <QList>
#include <QQueue>

#include "windows/common/platform.h"

namespace norvex5 {

class FakePlatform : public Platform {
public:
    struct Message {
        QString text;
        QString title;
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
        bool beep = false;
    };
    struct Dialog {
        bool save = false;
        FileDialog request;
    };

    // Scripting.
    void answerNext(Answer answer) { answers_.enqueue(answer); }
    // The path the next file dialog returns; an empty path is a cancel.
    void chooseFileNext(const QString& path) { files_.enqueue(path); }
    void setHasPrinter(bool has) { hasPrinter_ = has; }
    // Where choosePrintTarget sends a print: a printer of the system by name, else a PDF file;
    // neither: the user cancels.
    void setPrintFile(const QString& path) { printFile_ = path; }
    void setPrinter(const QString& name) { printerName_ = name; }
    void setOpenUrlResult(bool ok) { openUrlResult_ = ok; }
    void setStartProgramResult(bool ok) { startProgramResult_ = ok; }
    // Which files and addresses the desktop has a program for: those ending in one of
    // `suffixes` (".html", "http:" matches by scheme). Every one until this is called.
    void setHandledSuffixes(const QStringList& suffixes) {
        handledSuffixes_ = suffixes;
        allHandled_ = false;
    }

    // What happened.
    const QList<Message>& messages() const { return messages_; }
    const QList<Dialog>& dialogs() const { return dialogs_; }
    const QStringList& openedUrls() const { return openedUrls_; }
    const QList<QStringList>& startedPrograms() const { return startedPrograms_; }  // program first
    int beeps() const { return beeps_; }
    int pendingAnswers() const { return static_cast<int>(answers_.size()); }
    int pendingFiles() const { return static_cast<int>(files_.size()); }
    void clear();

    Answer message(const QString& text, const QString& title, Buttons buttons, Icon icon = Icon::None,
                   bool beep = false) override;
    void beep() override { ++beeps_; }
    QString openFileName(const FileDialog& dialog) override;
    QString saveFileName(const FileDialog& dialog) override;
    bool openUrl(const QString& fileOrUrl) override;
    bool hasDefaultHandler(const QString& fileOrUrl) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
    bool hasPrinter() override { return hasPrinter_; }
    bool choosePrintTarget(QPrinter& printer, const QString& documentName) override;

private:
    QString nextFile(bool save, const FileDialog& dialog);

    QQueue<Answer> answers_;
    QQueue<QString> files_;
    QList<Message> messages_;
    QList<Dialog> dialogs_;
    QStringList openedUrls_;
    QList<QStringList> startedPrograms_;
    int beeps_ = 0;
    bool hasPrinter_ = false;
    bool openUrlResult_ = true;
    bool startProgramResult_ = true;
    bool allHandled_ = true;
    QStringList handledSuffixes_;
    QString printFile_;
    QString printerName_;
};

}  // namespace norvex5
