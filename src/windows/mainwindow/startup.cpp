// The first activation of the main window, which does the start-up work once, and the shutdown
// when it closes.

#include <QCloseEvent>
#include <QComboBox>
#include <QRadioButton>
#include <QTabWidget>

#include "core/appstate.h"
#include "core/gametype.h"
#include "windows/common/platform.h"
#include "windows/common/qttranslations.h"
#include "windows/mainwindow/mainwindow.h"

namespace norvex5 {

std::filesystem::path MainWindow::parametersFile() const {
    return parametersReadPath(findParametersPlaces(directories_.program, directories_.userConfig));
}

std::filesystem::path MainWindow::languageFile() const { return directories_.program / "norvex5.lg"; }

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Not every desktop activates a window it shows (an X server without a window manager does
    // not), so the first show counts as the first activation too.
    activate();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) activate();
}

void MainWindow::activate() {
    if (!firstActivationPending_) return;
    firstActivationPending_ = false;

    // Without a language file the built-in table serves; nothing to report.
    try {
        state_.languageManager = std::make_unique<LanguageFile>(languageFile());
        state_.languageManager->load();
    } catch (...) {}

    try {
        pageControl_->setCurrentIndex(0);
        if (auto* files = findChild<QTabWidget*>(QStringLiteral("Pagecontrolfic"))) files->setCurrentIndex(0);

        const ParametersLoadResult loaded = loadParameters(parametersFile());
        state_.parameters = loaded.record;
        parametersFound_ = loaded.found();
        applyQtTranslations(state_.parameters.language);

        fillWheelList();
        clearAll(state_.selection);
        redrawBoxes();
        refreshCounters();
        if (auto* skip = findChild<QComboBox*>(QStringLiteral("combligne")); skip != nullptr && skip->count() > 0)
            skip->setCurrentIndex(0);

        ParameterRecord& p = state_.parameters;
        p.gameType = effectiveGameType(p.gameType);
        switch (p.gameType) {
            case 1:
                p.highestNumber = 49;
                rfrance_->setChecked(true);
                break;
            case 4: rportugal_->setChecked(true); break;
            case 6: rautriche_->setChecked(true); break;
            case 7: rflorida_->setChecked(true); break;
            case 8: rticketncarl_->setChecked(true); break;
            default: break;  // the hidden game types keep the buttons as they are
        }
        applyTexts();
        positionnecase(1);

        if (!parametersFound_) {
            parametersFound_ = true;
            const bool languageFileLoaded = state_.languageManager && state_.languageManager->loaded();
            if (!languageFileLoaded && windows_.firstRunLanguage) windows_.firstRunLanguage();
            applyQtTranslations(state_.parameters.language);
            applyTexts();
            fillWheelList();
        }
        if (windows_.fillReplacementLists) windows_.fillReplacementLists();
    } catch (...) {
        platform_.message(QStringLiteral("erreur form1.activate"), QStringLiteral("Norvex5"), Platform::Buttons::Ok,
                          Platform::Icon::Warning);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!shutDown_) {
        shutDown_ = true;
        shutdown();
        emit closed();
    }
}

void MainWindow::shutdown() {
    if (!saveParameters(findParametersPlaces(directories_.program, directories_.userConfig), state_.parameters)) {
        // Fixed French texts: the message table may be what failed.
        platform_.message(QStringLiteral("Il y a eu un problème"), QStringLiteral("Fichier non sauvegardé !!"),
                          Platform::Buttons::Ok, Platform::Icon::Warning, true);
    }
    try {
        if (windows_.companionLaunch) windows_.companionLaunch();
    } catch (...) {}
}

}  // namespace norvex5
