#pragma once
// WheelDescriptionWindow (objectName FinfoSysteme): the wheel chosen in the main window's list
// explained in three sentences, what to tick, what the draw must hold and which board is then
// guaranteed. Opened modally by the button beside the wheel list; built afresh, in the current
// language, each time it opens.

#include <QDialog>

#include "windows/wheeldescription/wheeldescriptioncontrols.h"

namespace norvex5 {

class Texts;
struct CurrentGame;
class Platform;

class WheelDescriptionWindow : public QDialog {
    Q_OBJECT

public:
    WheelDescriptionWindow(const Texts& texts, const CurrentGame& game, Platform& platform, QWidget* parent = nullptr);

    void openModal();
    // The texts and the description of the chosen wheel; with no wheel chosen the title and the
    // description stay empty.
    void prepare();

private:
    void connectHandlers();

    const Texts& texts_;
    const CurrentGame& game_;
    Platform& platform_;
    WheelDescriptionControls controls_;
};

}  // namespace norvex5
