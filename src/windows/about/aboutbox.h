#pragma once
// AboutBox (objectName apropos): the program's name, version and disclaimer. Not modal: the
// player can keep it open beside the main window. It is handed its texts each time it is shown
// and reads nothing else of the program.

#include <QDialog>

#include "localisation/messages.h"
#include "localisation/messagetable.h"
#include "windows/about/aboutcontrols.h"
#include "windows/common/programversion.h"

namespace norvex5 {

class AboutBox : public QDialog {
    Q_OBJECT

public:
    static constexpr const char* kVersion = kProgramVersion;

    explicit AboutBox(QWidget* parent = nullptr);

    // Shows the box (or brings it to the front) with the messages of `message` and its title in
    // `language`.
    void showBox(const MessageLookup& message, LanguageCode language);
    void prepare(const MessageLookup& message, LanguageCode language);

private:
    void connectHandlers();

    AboutControls controls_;
};

}  // namespace norvex5
