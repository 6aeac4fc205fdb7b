#include "windows/ticketprint/ticketprintcontrols.h"
#include "windows/common/named.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include "localisation/messagenumbers.h"
#include "windows/common/gradientbackground.h"
#include "windows/common/pictures.h"

namespace norvex5 {

namespace {

constexpr int kClientWidth = 480;
constexpr int kClientHeight = 352;
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

QLineEdit* boardField(QWidget* parent, const char* name, const QRect& geometry, const QString& hint,
                      DigitKeysOnly* keys) {
    auto* field = named(new QLineEdit(parent), name, geometry);
    field->setMaxLength(kBoardFieldLength);
    field->setToolTip(hint);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), field));
    field->installEventFilter(keys);
    return field;
}

QPushButton* pictureButton(QWidget* parent, const char* name, const char* icon, const QRect& geometry,
                           const QString& caption) {
    auto* button = named(new QPushButton(caption, parent), name, geometry);
    button->setIcon(QIcon(loadButtonIcon(icon)));
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
    dialog.setFixedSize(kClientWidth, kClientHeight);
    GradientBackground::placeBehind(&dialog);
    auto* keys = new DigitKeysOnly(&dialog);

    modelHeading = named(new QLabel(QStringLiteral("Type de tickets"), &dialog), "Label3", {16, 10, 448, 18});
    modelList = named(new QComboBox(&dialog), "ComboBox1", {16, 30, 448, 26});
    modelHeading->setBuddy(modelList);

    boardRange = named(new QGroupBox(QStringLiteral("Grilles à imprimer"), &dialog), "GroupBox3", {16, 66, 186, 88});
    firstLabel = named(new QLabel(QStringLiteral("Première"), boardRange), "Label1", {12, 26, 84, 20});
    firstBoard = boardField(boardRange, "Gpremier", {100, 24, 72, 24},
                            QStringLiteral("Entrez le numero de la première grille à imprimer"), keys);
    lastLabel = named(new QLabel(QStringLiteral("Dernière"), boardRange), "Label2", {12, 56, 84, 20});
    lastBoard = boardField(boardRange, "gdernier", {100, 54, 72, 24},
                           QStringLiteral("Entrez le numero de la dernière grille à imprimer"), keys);
    firstLabel->setBuddy(firstBoard);
    lastLabel->setBuddy(lastBoard);

    printingMode = named(new QGroupBox(QStringLiteral("Type d' impression"), &dialog), "GroupBox2", {212, 66, 252, 88});
    allAtOnce = named(new QRadioButton(QStringLiteral("Imprimer tous les tickets à la fois"), printingMode),
                      "bimptsbull", {12, 26, 236, 22});
    oneByOne = named(new QRadioButton(QStringLiteral("Imprimer un ticket à la fois"), printingMode), "bimpunbull",
                     {12, 56, 236, 22});
    allAtOnce->setChecked(true);

    boardNumbersGroup = named(new QGroupBox(&dialog), "GroupBox4", {16, 162, 448, 42});
    boardNumbers = named(new QCheckBox(QStringLiteral("Imprimer le numero de grille"), boardNumbersGroup),
                         "chNumticket", {12, 12, 424, 22});

    bonusWanted = named(new QCheckBox(QStringLiteral("Cocher le numero bonus"), &dialog), "chcochenumerobonus",
                        {20, 212, 444, 22});
    bonusModes = named(new QGroupBox(&dialog), "gparanumerobonus", {16, 238, 448, 48});
    randomBonus = named(new QRadioButton(QStringLiteral("Au hasard"), bonusModes), "rahasard", {12, 14, 104, 22});
    successiveBonus =
        named(new QRadioButton(QStringLiteral("de 1 à 10 successivement"), bonusModes), "ra1a10", {120, 14, 180, 22});
    fixedBonus = named(new QRadioButton(QStringLiteral("Un numero"), bonusModes), "raunnumero", {304, 14, 84, 22});
    bonusNumber = named(new QComboBox(bonusModes), "enumerobonus", {388, 12, 52, 26});
    bonusNumber->setEditable(true);
    bonusNumber->setInsertPolicy(QComboBox::NoInsert);
    bonusNumber->setEditText(QStringLiteral("1"));
    randomBonus->setChecked(true);
    bonusModes->hide();

    preview =
        pictureButton(&dialog, "boutapercu", "view", {16, 302, 176, 34}, QStringLiteral("Aperçu avant impression"));
    back = pictureButton(&dialog, "boutannule", "quit", {256, 302, 100, 34}, QStringLiteral("Retour"));
    print = pictureButton(&dialog, "boutlancer", "print", {364, 302, 100, 34}, QStringLiteral("Imprimer"));

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
