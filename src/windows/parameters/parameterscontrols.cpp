#include "windows/parameters/parameterscontrols.h"
#include "windows/common/named.h"

#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "localisation/messagenumbers.h"
#include "periphery/offsettext.h"
#include "windows/common/entrylists.h"
#include "windows/common/gradientbackground.h"
#include "windows/common/languagegroup.h"
#include "windows/common/windowfont.h"

namespace norvex5 {

namespace {

constexpr int kOffsetLength = 5;
constexpr auto kCaption = WindowText::Field::Caption;

constexpr WindowText kParametersTexts[] = {
    {"GroupBox1", kCaption, kMessagePrinting},
    {"ldecalh", kCaption, kMessageHorizontalOffset},
    {"ldecalv", kCaption, kMessageVerticalOffset},
    {"labmodeletest", kCaption, kMessageTicketType},
    {"glangue", kCaption, kMessageLanguage},
};

}  // namespace

std::span<const WindowText> parametersTexts() { return kParametersTexts; }

OffsetField::OffsetField(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(kOffsetLength);
    setAlignment(Qt::AlignRight);
}

void OffsetField::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool typesCharacter = !typed.isEmpty() && !(event->modifiers() & Qt::ControlModifier);
    if (event->key() == Qt::Key_Backspace ||
        (typesCharacter && (typed.size() != 1 || !isOffsetCharacter(typed[0].toLatin1())))) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ParametersControls::build(QDialog& window) {
    GradientBackground::placeBehind(&window);
    QVBoxLayout* column = dialogColumn(window);

    printerGroup = named(new QGroupBox(&window), "GroupBox1");
    printerGrid_ = new QGridLayout(printerGroup);
    printerGrid_->setHorizontalSpacing(6);
    const auto offsetRow = [this](int row, const char* labelName, const char* fieldName, QLabel*& label,
                                  OffsetField*& field) {
        label = named(new QLabel(printerGroup), labelName);
        field = named(new OffsetField(printerGroup), fieldName);
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("-99999")) + 14);
        label->setBuddy(field);
        // The unit is the same word in every language.
        auto* unit = new QLabel(QStringLiteral("mm"), printerGroup);
        printerGrid_->addWidget(label, row, 0);
        printerGrid_->addWidget(field, row, 1);
        printerGrid_->addWidget(unit, row, 2);
    };
    offsetRow(0, "ldecalh", "edech", horizontalLabel, horizontalOffset);
    offsetRow(1, "ldecalv", "edecv", verticalLabel, verticalOffset);
    // The test print: which ticket model under the offsets, the button in the place kept beside them.
    testModelLabel = named(new QLabel(printerGroup), "labmodeletest");
    testModels = named(new QComboBox(printerGroup), "combmodeletest");
    testModels->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    testModels->setMinimumContentsLength(22);
    showEntryTextsOnly(*testModels);
    testModelLabel->setBuddy(testModels);
    printerGrid_->addWidget(testModelLabel, 2, 0);
    printerGrid_->addWidget(testModels, 2, 1, 1, 4);
    // Column 4, across both rows, is the place kept for the printer group's own button.
    printerGrid_->setColumnMinimumWidth(3, 12);
    printerGrid_->setColumnStretch(3, 1);
    column->addWidget(printerGroup);

    languages = new LanguageGroup(&window);
    column->addWidget(languages);

    // The button's word is the same in every language.
    ok = named(new QPushButton(QStringLiteral("OK"), &window), "bok");
    ok->setDefault(true);
    ok->setMinimumWidth(88);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    column->addLayout(buttons);

    testPrint = named(new QPushButton(&window), "bimpressiontest");
    testPrint->setAutoDefault(false);
    placePrinterButton(testPrint);

    column->setSizeConstraint(QLayout::SetFixedSize);
    QWidget::setTabOrder(horizontalOffset, verticalOffset);
    QWidget::setTabOrder(verticalOffset, testModels);
    QWidget::setTabOrder(testModels, testPrint);
}

void ParametersControls::placePrinterButton(QAbstractButton* button) {
    button->setParent(printerGroup);
    printerGrid_->addWidget(button, 0, 4, 2, 1, Qt::AlignVCenter);
}

}  // namespace norvex5
