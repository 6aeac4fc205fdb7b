#include "windows/ticketprint/ticketprintcontrols.h"
#include "windows/common/named.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include "localisation/messagenumbers.h"
#include "windows/common/gradientbackground.h"
#include "windows/common/pictures.h"
#include "windows/common/windowfont.h"

namespace norvex5 {

namespace {

constexpr int kBoardFieldLength = 4;

constexpr auto kCaption = WindowText::Field::Caption;

constexpr WindowText kTicketPrintTexts[] = {
    {"Label3", kCaption, kMessageTicketType},
    {"GroupBox3", kCaption, kMessageBoardsToPrint},
    {"Label1", kCaption, kMessageFirstBoard},
    {"Label2", kCaption, kMessageLastBoard},
    {"GroupBox2", kCaption, kMessagePrintingType},
    {"bimptsbull", kCaption, kMessagePrintAllTickets},
    {"bimpunbull", kCaption, kMessagePrintOneTicketAtATime},
    {"boutannule", kCaption, kMessageReturn},
    {"boutlancer", kCaption, kMessagePrint},
    {"chNumticket", kCaption, kMessagePrintBoardNumbers},
    {"chcochenumerobonus", kCaption, kMessageMarkBonus},
    {"rahasard", kCaption, kMessageBonusAtRandom},
    {"ra1a10", kCaption, kMessageBonusInTurn},
    {"raunnumero", kCaption, kMessageBonusOneNumber},
};

QLineEdit* boardField(QWidget* parent, const char* name, DigitKeysOnly* keys) {
    auto* field = named(new QLineEdit(parent), name);
    field->setMaxLength(kBoardFieldLength);
    field->setFixedWidth(72);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), field));
    field->installEventFilter(keys);
    return field;
}

QPushButton* pictureButton(QWidget* parent, const char* name, const char* icon) {
    auto* button = named(new QPushButton(parent), name);
    button->setIcon(QIcon(loadButtonIcon(icon)));
    button->setMinimumSize(100, 34);
    // Enter in a board field must not print: no button is the default.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

}  // namespace

std::span<const WindowText> ticketPrintTexts() { return kTicketPrintTexts; }

bool DigitKeysOnly::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Backspace) return true;
    const QString typed = key->text();
    if (typed.isEmpty() || !typed.at(0).isPrint()) return false;
    for (const QChar c : typed)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return true;
    return false;
}

void TicketPrintControls::build(QDialog& dialog) {
    GradientBackground::placeBehind(&dialog);
    auto* keys = new DigitKeysOnly(&dialog);

    modelHeading = named(new QLabel(&dialog), "Label3");
    modelList = named(new QComboBox(&dialog), "ComboBox1");
    // Its entries carry their model number behind 300 blanks: the box is as wide as a name needs.
    modelList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    modelList->setMinimumContentsLength(32);
    modelHeading->setBuddy(modelList);

    boardRange = named(new QGroupBox(&dialog), "GroupBox3");
    firstLabel = named(new QLabel(boardRange), "Label1");
    firstBoard = boardField(boardRange, "Gpremier", keys);
    lastLabel = named(new QLabel(boardRange), "Label2");
    lastBoard = boardField(boardRange, "gdernier", keys);
    firstLabel->setBuddy(firstBoard);
    lastLabel->setBuddy(lastBoard);
    auto* range = new QGridLayout(boardRange);
    range->addWidget(firstLabel, 0, 0);
    range->addWidget(firstBoard, 0, 1);
    range->addWidget(lastLabel, 1, 0);
    range->addWidget(lastBoard, 1, 1);

    printingMode = named(new QGroupBox(&dialog), "GroupBox2");
    allAtOnce = named(new QRadioButton(printingMode), "bimptsbull");
    oneByOne = named(new QRadioButton(printingMode), "bimpunbull");
    allAtOnce->setChecked(true);
    auto* modes = new QVBoxLayout(printingMode);
    modes->addWidget(allAtOnce);
    modes->addWidget(oneByOne);
    auto* rangeAndMode = new QHBoxLayout;
    rangeAndMode->addWidget(boardRange);
    rangeAndMode->addWidget(printingMode, 1);

    boardNumbersGroup = named(new QGroupBox(&dialog), "GroupBox4");
    boardNumbers = named(new QCheckBox(boardNumbersGroup), "chNumticket");
    (new QHBoxLayout(boardNumbersGroup))->addWidget(boardNumbers);

    bonusWanted = named(new QCheckBox(&dialog), "chcochenumerobonus");
    bonusModes = named(new QGroupBox(&dialog), "gparanumerobonus");
    randomBonus = named(new QRadioButton(bonusModes), "rahasard");
    successiveBonus = named(new QRadioButton(bonusModes), "ra1a10");
    fixedBonus = named(new QRadioButton(bonusModes), "raunnumero");
    bonusNumber = named(new QComboBox(bonusModes), "enumerobonus");
    bonusNumber->setEditable(true);
    bonusNumber->setInsertPolicy(QComboBox::NoInsert);
    bonusNumber->setEditText(QStringLiteral("1"));
    // Room for the highest bonus number of any model, beside the arrow.
    bonusNumber->setMinimumContentsLength(3);
    bonusNumber->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    randomBonus->setChecked(true);
    auto* bonusRow = new QHBoxLayout(bonusModes);
    for (QWidget* control : std::initializer_list<QWidget*>{randomBonus, successiveBonus, fixedBonus, bonusNumber})
        bonusRow->addWidget(control);
    bonusRow->addStretch();
    // The dialog keeps the bonus controls' room while a model has no bonus row, so that it does
    // not change size under the pointer as models are chosen.
    for (QWidget* bonus : std::initializer_list<QWidget*>{bonusWanted, bonusModes}) {
        QSizePolicy keepRoom = bonus->sizePolicy();
        keepRoom.setRetainSizeWhenHidden(true);
        bonus->setSizePolicy(keepRoom);
    }
    bonusModes->hide();

    preview = pictureButton(&dialog, "boutapercu", "view");
    back = pictureButton(&dialog, "boutannule", "quit");
    print = pictureButton(&dialog, "boutlancer", "print");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(preview);
    buttons->addStretch();
    buttons->addWidget(back);
    buttons->addWidget(print);

    QVBoxLayout* column = dialogColumn(dialog);
    column->setSpacing(6);
    column->addWidget(modelHeading);
    column->addWidget(modelList);
    column->addSpacing(4);
    column->addLayout(rangeAndMode);
    column->addWidget(boardNumbersGroup);
    column->addWidget(bonusWanted);
    column->addWidget(bonusModes);
    column->addSpacing(8);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);

    QWidget::setTabOrder(modelList, firstBoard);
    QWidget::setTabOrder(firstBoard, lastBoard);
    QWidget::setTabOrder(lastBoard, allAtOnce);
    QWidget::setTabOrder(allAtOnce, boardNumbers);
    QWidget::setTabOrder(boardNumbers, bonusWanted);
    QWidget::setTabOrder(bonusWanted, randomBonus);
    QWidget::setTabOrder(randomBonus, bonusNumber);
    QWidget::setTabOrder(bonusNumber, preview);
    QWidget::setTabOrder(preview, back);
    QWidget::setTabOrder(back, print);
}

}  // namespace norvex5
