#include "windows/mainwindow/mainwindowtexts.h"

namespace norvex5 {

namespace {

constexpr auto kCaption = WindowText::Field::Caption;
constexpr auto kHint = WindowText::Field::Hint;

constexpr WindowText kMainWindowTexts[] = {
    {"boutaide", kHint, 32},
    {"ltitrechoix", kCaption, 103},
    {"bvoirbulletin", kCaption, 56},
    {"mVoirlesbulletins1", kCaption, 56},
    {"bimplistbull", kCaption, 57},
    {"bimpbull", kCaption, 58},
    {"bcomparer", kCaption, 62},
    {"mCompareraveclesrsultats1", kCaption, 62},
    {"beffacer", kCaption, 118},
    {"bquitter", kCaption, 21},
    {"mQuitter1", kCaption, 21},
    {"gcasecoche", kCaption, 123},
    {"Paramtres1", kCaption, 49},
    {"Aide1", kCaption, 32},
    {"Aideenligne1", kCaption, 32},
    {"Chargerbulletin1", kCaption, 72},
    {"EnregistrerBulletin1", kCaption, 71},
    {"Fichier1", kCaption, 119},
    {"Imprimerlesbulletins1", kCaption, 35},
    {"Infos1", kCaption, 47},
    {"mVoirlalistedesbulletins1", kCaption, 120},
    {"Utilisation1", kCaption, 121},
    {"bnaleat", kCaption, 116},
    {"bderniertirage", kCaption, 188},
    {"labclickdroit", kCaption, 157},
    {"labclickgauche", kCaption, 158},
    {"Tabsysinterne", kCaption, 175},
    {"tabsysexterne", kCaption, 176},
    // The game type group had no caption of its own; the table's words for it help a new player.
    {"Gtype", kCaption, 132},
    // The output buttons and the clear and quit buttons explain themselves in a hint, taken from
    // the table's longer descriptions of what they do.
    {"bvoirbulletin", kHint, 56},
    {"bimplistbull", kHint, 86},
    {"bimpbull", kHint, 59},
    {"bcomparer", kHint, 63},
    {"bquitter", kHint, 88},
    {"beffacer", kHint, 118},
    // Its caption is in French only and stays empty in the other languages: the hint says what
    // the button with the globe is for.
    {"bderniertirage", kHint, 53},
};

}  // namespace

std::span<const WindowText> mainWindowTexts() { return kMainWindowTexts; }

}  // namespace norvex5
