#pragma once
// AboutBox (objectName apropos): the program's name, version and disclaimer. Not modal: the
// player can keep it open beside the main window. Its texts are fetched each time it is shown.

#include <QDialog>

#include "windows/common/programversion.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace norvex5 {

struct AppState;
class Platform;

class AboutBox : public QDialog {
    Q_OBJECT

public:
    static constexpr const char* kVersion = kProgramVersion;

    AboutBox(AppState& state, Platform& platform, QWidget* parent = nullptr);

    // Shows the box (or brings it to the front) with its texts in the current language.
    void showBox();
    void prepare();

private:
    void buildControls();
    void connectHandlers();

    AppState& state_;
    Platform& platform_;
    QLabel* version_ = nullptr;
    QLabel* hiddenLabel_ = nullptr;
    QPlainTextEdit* disclaimer_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

}  // namespace norvex5
