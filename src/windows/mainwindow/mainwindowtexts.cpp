// The main window's texts in the current language, and the wheel list whose titles depend on it.

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>

#include <algorithm>
#include <string>
#include <vector>

#include "core/appstate.h"
#include "core/wheelcatalogue.h"
#include "windows/mainwindow/mainwindow.h"

namespace norvex5 {

namespace {

enum class Field { Caption, Hint };

struct WindowText {
    const char* control;
    Field field;
    int message;
};

// Which control takes which message. Controls of the external tab are listed too: they take
// their texts as soon as that tab holds them.
constexpr WindowText kTexts[] = {
    {"boutaide", Field::Hint, 32},
    {"ltitrechoix", Field::Caption, 103},
    {"bvoirbulletin", Field::Caption, 56},
    {"mVoirlesbulletins1", Field::Caption, 56},
    {"bimplistbull", Field::Caption, 57},
    {"bimpbull", Field::Caption, 58},
    {"bcomparer", Field::Caption, 62},
    {"mCompareraveclesrsultats1", Field::Caption, 62},
    {"gsysexternecompare", Field::Caption, 62},
    {"bexternecompare", Field::Caption, 62},
    {"beffacer", Field::Caption, 118},
    {"bquitter", Field::Caption, 21},
    {"mQuitter1", Field::Caption, 21},
    {"gcasecoche", Field::Caption, 123},
    {"Paramtres1", Field::Caption, 49},
    {"Aide1", Field::Caption, 32},
    {"Aideenligne1", Field::Caption, 32},
    {"Chargerbulletin1", Field::Caption, 72},
    {"EnregistrerBulletin1", Field::Caption, 71},
    {"Fichier1", Field::Caption, 119},
    {"Imprimerlesbulletins1", Field::Caption, 35},
    {"gimprimebulletin", Field::Caption, 35},
    {"bimprimer", Field::Caption, 35},
    {"Infos1", Field::Caption, 47},
    {"mVoirlalistedesbulletins1", Field::Caption, 120},
    {"Utilisation1", Field::Caption, 121},
    {"bnaleat", Field::Caption, 116},
    {"bderniertirage", Field::Caption, 188},
    {"labclickdroit", Field::Caption, 157},
    {"labclickgauche", Field::Caption, 158},
    {"Tabsysinterne", Field::Caption, 175},
    {"tabsysexterne", Field::Caption, 176},
    {"gfic", Field::Caption, 173},
    {"bselfic", Field::Caption, 172},
    {"Labseparateur", Field::Caption, 180},
    {"labNblignesaute", Field::Caption, 183},
    {"labinfotab2", Field::Caption, 179},
    {"labinfogrille2", Field::Caption, 179},
    {"labnumerorep", Field::Caption, 177},
    {"bprecedent", Field::Hint, 181},
    {"bsuivant", Field::Hint, 182},
    {"baffichetous", Field::Caption, 178},
    {"gtypeimpression", Field::Caption, 40},
    {"bimptsbull", Field::Caption, 41},
    {"bimpunbull", Field::Caption, 42},
    {"gimprimeliste", Field::Caption, 85},
    {"bimprimeliste", Field::Caption, 85},
    {"gexporteliste", Field::Caption, 61},
    {"bexportliste", Field::Caption, 61},
    {"labtypebulletin", Field::Caption, 36},
    // The game type group had no caption of its own; the table's words for it help a new player.
    {"Gtype", Field::Caption, 132},
};

constexpr WindowText kHints[] = {
    {"bvoirbulletin", Field::Hint, 56},
    {"bimplistbull", Field::Hint, 86},
    {"bimpbull", Field::Hint, 59},
    {"bcomparer", Field::Hint, 63},
    {"bquitter", Field::Hint, 88},
    {"beffacer", Field::Hint, 118},
    // Its caption is in French only and stays empty in the other languages: the hint says what
    // the button with the globe is for.
    {"bderniertirage", Field::Hint, 53},
};

// A tab's caption is its tab widget's, not the page's own.
QTabWidget* tabWidgetOf(QWidget* page) {
    auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
    return stack != nullptr ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
}

void setCaption(QObject* control, const QString& caption) {
    if (auto* action = qobject_cast<QAction*>(control)) {
        action->setText(caption);
    } else if (auto* menu = qobject_cast<QMenu*>(control)) {
        menu->setTitle(caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(caption);
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        group->setTitle(caption);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(caption);
    } else if (auto* page = qobject_cast<QWidget*>(control)) {
        if (QTabWidget* tabs = tabWidgetOf(page)) tabs->setTabText(tabs->indexOf(page), caption);
    }
}

void setHint(QObject* control, const QString& hint) {
    if (auto* action = qobject_cast<QAction*>(control))
        action->setToolTip(hint);
    else if (auto* widget = qobject_cast<QWidget*>(control))
        widget->setToolTip(hint);
}

}  // namespace

void MainWindow::applyTexts() {
    for (const WindowText& row : kTexts) {
        QObject* control = findChild<QObject*>(QLatin1String(row.control));
        if (control == nullptr) continue;
        const QString value = text(row.message);
        if (row.field == Field::Caption)
            setCaption(control, value);
        else
            setHint(control, value);
    }
    // The output buttons and the clear and quit buttons explain themselves in a hint, taken from
    // the table's longer descriptions of what they do.
    for (const WindowText& row : kHints) {
        if (auto* button = findChild<QAbstractButton*>(QLatin1String(row.control)))
            button->setToolTip(text(row.message));
    }
    if (state_.parameters.gameType == 1) rfrance_->setChecked(true);
    if (state_.parameters.gameType == 7) rflorida_->setChecked(true);
}

void MainWindow::fillWheelList() {
    const MessageLookup lookup = state_.messageLookup();
    std::vector<std::string> entries;
    for (int wheel = 1; wheel <= kWheelCount; ++wheel) entries.push_back(wheelListEntry(wheel, lookup));
    std::stable_sort(entries.begin(), entries.end(),
                     [](const std::string& a, const std::string& b) { return wheelEntryLess(a, b); });
    wheelList_->clear();
    for (const std::string& entry : entries) wheelList_->addItem(QString::fromStdString(entry));
    wheelList_->setCurrentIndex(0);
}

int MainWindow::selectedWheelNumber() const {
    if (wheelList_->currentIndex() < 0) return -1;
    return wheelNumberFromEntry(wheelList_->currentText().toStdString());
}

}  // namespace norvex5
