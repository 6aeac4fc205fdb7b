#include "windows/mainwindow/mainwindowtexts.h"

#include "localisation/messagenumbers.h"

namespace norvex5 {

namespace {

constexpr auto kCaption = WindowText::Field::Caption;
constexpr auto kHint = WindowText::Field::Hint;

constexpr WindowText kMainWindowTexts[] = {
    {"boutaide", kHint, kMessageHelp},
    {"spinfosysteme", kHint, kMessageHelp},
    {"SpeedButton2", kHint, kMessageAbout},
    {"ltitrechoix", kCaption, kMessageWheelingSystems},
    {"bvoirbulletin", kCaption, kMessageViewBoards},
    {"mVoirlesbulletins1", kCaption, kMessageViewBoards},
    {"bimplistbull", kCaption, kMessageBoardListButton},
    {"bimpbull", kCaption, kMessagePrintTickets},
    {"bcomparer", kCaption, kMessageCompareWithDraw},
    {"mCompareraveclesrsultats1", kCaption, kMessageCompareWithDraw},
    {"beffacer", kCaption, kMessageClearBoard},
    {"bquitter", kCaption, kMessageQuit},
    {"mQuitter1", kCaption, kMessageQuit},
    {"gcasecoche", kCaption, kMessageTickedBoxes},
    {"Paramtres1", kCaption, kMessageParameters},
    {"Aide1", kCaption, kMessageHelp},
    {"Aideenligne1", kCaption, kMessageHelp},
    {"Chargerbulletin1", kCaption, kMessageLoadGame},
    {"EnregistrerBulletin1", kCaption, kMessageSaveGame},
    {"Fichier1", kCaption, kMessageFilesMenu},
    {"Imprimerlesbulletins1", kCaption, kMessageTicketPrintTitle},
    {"Infos1", kCaption, kMessageAbout},
    {"mVoirlalistedesbulletins1", kCaption, kMessageBoardListMenu},
    {"Utilisation1", kCaption, kMessageUseMenu},
    // The designed window left this menu's title as written; the table has it in every language.
    {"Options1", kCaption, kMessageOptionsMenu},
    {"bnaleat", kCaption, kMessageRandomNumbers},
    {"bderniertirage", kCaption, kMessageLastDraw},
    {"labclickdroit", kCaption, kMessageLeftClick},
    {"labclickgauche", kCaption, kMessageRightClick},
    {"Tabsysinterne", kCaption, kMessageInternalWheels},
    {"tabsysexterne", kCaption, kMessageExternalWheels},
    // The game type group had no caption of its own; the table's words for it help a new player.
    {"Gtype", kCaption, kMessageBoardStyle},
    // The output buttons and the clear and quit buttons explain themselves in a hint, taken from
    // the table's longer descriptions of what they do.
    {"bvoirbulletin", kHint, kMessageViewBoards},
    {"bimplistbull", kHint, kMessageInternalListTitle},
    {"bimpbull", kHint, kMessagePrintOfficialTickets},
    {"bcomparer", kHint, kMessageCompareBoardsWithDraw},
    {"bquitter", kHint, kMessageCloseProgram},
    {"beffacer", kHint, kMessageClearBoard},
    // Its caption is in French only and stays empty in the other languages: the hint says what
    // the button with the globe is for.
    {"bderniertirage", kHint, kMessageViewResults},
};

}  // namespace

std::span<const WindowText> mainWindowTexts() { return kMainWindowTexts; }

}  // namespace norvex5
