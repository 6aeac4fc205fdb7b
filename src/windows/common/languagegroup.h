#pragma once
// The group of seven language buttons, each beside its flag, that the parameters window and the
// first-run language window share. The buttons keep their names and their captions in their own
// language, whatever language the program is in.

#include <QGroupBox>
#include <array>

class QRadioButton;

namespace norvex5 {

class LanguageGroup : public QGroupBox {
    Q_OBJECT

public:
    // objectName "glangue".
    explicit LanguageGroup(QWidget* parent = nullptr);

    // The code (1 French ... 7 German) of the checked button; 1 when none is.
    int checkedLanguage() const;
    // Checks the button of `languageCode`; a code outside 1..7 leaves the buttons as they are.
    void checkLanguage(int languageCode);
    QRadioButton* button(int languageCode) const;

private:
    std::array<QRadioButton*, 8> buttons_{};  // [1..7]
};

}  // namespace norvex5
