#pragma once
// Everything that talks to the desktop goes through this interface: message boxes, file
// dialogs, opening a file or a web page, starting a program, choosing where a print goes.
// The program uses QtPlatform; window tests use FakePlatform and script the answers.

#include <QString>
#include <QStringList>

class QPrinter;

namespace norvex5 {

class Platform {
public:
    // ContinueCancel: a warning the user may pass on purpose; Continue answers Ok, Cancel (or
    // closing the box) Cancel.
    enum class Buttons { Ok, OkCancel, YesNo, ContinueCancel };
    enum class Icon { None, Information, Warning, Critical, Question };
    enum class Answer { Ok, Cancel, Yes, No };

    struct FileDialog {
        QString title;
        QString filter;         // Qt syntax: "Norvex5 (*.nv5)"
        QString defaultSuffix;  // without the dot; empty for none
        QString initialName;    // file name or path shown at first; a pattern such as
                                // "*.nv5" only narrows what is listed
        bool fileMustExist = false;
        bool pathMustExist = true;
        // The save dialogs of this program ask about an existing file themselves.
        bool overwritePrompt = false;
    };

    virtual ~Platform() = default;

    // `beep` sounds the bell before the box appears.
    virtual Answer message(const QString& text, const QString& title, Buttons buttons, Icon icon = Icon::None,
                           bool beep = false) = 0;
    virtual void beep() = 0;
    // Empty when the user cancels.
    virtual QString openFileName(const FileDialog& dialog) = 0;
    virtual QString saveFileName(const FileDialog& dialog) = 0;
    // A local file or a web address, with the desktop's own program for it. False on failure.
    virtual bool openUrl(const QString& fileOrUrl) = 0;
    // Whether the desktop has a program of its own for this file's type or this address's
    // scheme. Opening something nobody handles may still report success on some desktops (the
    // opener starts, then finds nothing to run), so the program asks first where it matters.
    virtual bool hasDefaultHandler(const QString& fileOrUrl) = 0;
    // A program started by path with its arguments; never through a shell.
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;
    // True when a real printer is available; otherwise printing goes to a PDF file.
    virtual bool hasPrinter() = 0;
    // Points `printer` at where the print goes: the user picks one of the system's printers (its
    // default preselected, or the choice made earlier in this run) or a PDF file; with no printer
    // at all, straight to the PDF file the user names. False when the user cancels.
    virtual bool choosePrintTarget(QPrinter& printer, const QString& documentName) = 0;
};

// The save dialog of a list export: a text file, "txt" added when no ending is typed, an existing
// file replaced without a question (the export replaces it whole or not at all).
inline Platform::FileDialog exportFileDialog(const QString& title, const QString& filter) {
    Platform::FileDialog dialog;
    dialog.title = title;
    dialog.filter = filter;
    dialog.defaultSuffix = QStringLiteral("txt");
    dialog.pathMustExist = true;
    dialog.overwritePrompt = false;
    return dialog;
}

}  // namespace norvex5
