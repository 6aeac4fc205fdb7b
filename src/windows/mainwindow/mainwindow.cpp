#include "windows/mainwindow/mainwindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>
#include <exception>

#include "core/appstate.h"
#include "core/expansion.h"
#include "core/lotteries.h"
#include "core/randompick.h"
#include "core/wheelcatalogue.h"
#include "workshop/filtersettings.h"
#include "workshop/keynumbers.h"
#include "localisation/messagenumbers.h"
#include "textfiles/listentry.h"
#include "windows/common/entrylists.h"
#include "windows/common/pictures.h"
#include "windows/common/platform.h"
#include "windows/common/qttranslations.h"
#include "windows/common/windowfont.h"
#include "windows/externalwheels/externalwheelstab.h"
#include "windows/mainwindow/mainwindowtexts.h"
#include "windows/mainwindow/savedgamedialogs.h"
#include "windows/ticket/numberbox.h"
#include "windows/ticket/ticketpictures.h"

namespace norvex5 {

MainWindow::MainWindow(AppState& state, Platform& platform, TicketPictures& pictures, ProgramDirectories directories,
                       QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      platform_(platform),
      pictures_(pictures),
      directories_(std::move(directories)),
      library_(state.texts(), state.settings(), state.game(), library::shippedLibraryFolder(directories_.program),
               directories_.userLibrary,
               directories_.userConfig.empty() ? std::filesystem::path()
                                               : directories_.userConfig / workshop::kFilterSettingsFileName) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("NORVEX5"));
    // A fixed single border: a system menu and a minimise button, nothing to resize or maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(loadProgramIcon()));
    // The boxes sit on pixel positions of the pictures: the window keeps its pixel layout and a
    // font of a fixed pixel size whatever the desktop's font settings.
    useProgramFont(*this);

    controls_.build(*this, pictures_);
    onDemand_ = std::make_unique<WheelOnDemand>(state_.texts(), state_.game(), platform_, controls_, library_);
    showEntryTextsOnly(*controls_.wheelList);
    connectHandlers();
    refreshCounters();

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - QPoint(width() / 2, height() / 2));
    }
}

MainWindow::~MainWindow() = default;

void MainWindow::connectHandlers() {
    const MainWindowControls& c = controls_;
    connect(c.pages, &QTabWidget::currentChanged, this, [this] {
        if (controls_.pages->currentWidget() == controls_.externalPage) externalTab();
    });
    for (int n = 1; n <= c.ticket->boxCount(); ++n) {
        NumberBox* box = c.ticket->box(n);
        connect(box, &NumberBox::clicked, this, &MainWindow::tickBox);
        // Boxes 51..59 only answer the click: grid B numbers cannot be fixed.
        if (n <= kGridACount) connect(box, &NumberBox::mouseDown, this, &MainWindow::pressBox);
    }
    for (QRadioButton* radio : c.gameTypes) {
        connect(radio, &QRadioButton::toggled, this, [this, code = radio->property("gameType").toInt()](bool on) {
            if (on) selectGameType(code);
        });
    }
    const auto both = [this](QAbstractButton* button, QAction* action, void (MainWindow::*handler)()) {
        connect(button, &QAbstractButton::clicked, this, handler);
        connect(action, &QAction::triggered, this, handler);
    };
    both(c.viewBoardsButton, c.viewBoards, &MainWindow::viewBoards);
    both(c.listBoardsButton, c.listBoards, &MainWindow::listBoards);
    both(c.printTicketsButton, c.printTickets, &MainWindow::printTickets);
    both(c.compareButton, c.compareWithDraw, &MainWindow::compareWithDraw);
    connect(c.randomButton, &QAbstractButton::clicked, this, &MainWindow::pickRandomNumbers);
    connect(c.clearButton, &QAbstractButton::clicked, this, &MainWindow::clearTicket);
    connect(c.describeWheel, &QAbstractButton::clicked, this, &MainWindow::describeWheel);
    connect(c.checkWheel, &QAction::triggered, this, &MainWindow::checkChosenWheel);
    connect(c.generateWheel, &QAction::triggered, this, &MainWindow::generateWheel);
    connect(c.parameters, &QAction::triggered, this, &MainWindow::openParameters);
    connect(c.saveGame, &QAction::triggered, this, &MainWindow::saveGame);
    connect(c.loadGame, &QAction::triggered, this, &MainWindow::loadGame);
    connect(c.wheelList, &QComboBox::currentIndexChanged, this, &MainWindow::chooseWheel);
    connect(c.quitButton, &QAbstractButton::clicked, this, &QWidget::close);
    connect(c.quit, &QAction::triggered, this, &QWidget::close);

    const auto hook = [this](std::function<void()> MainWindowHooks::*which) {
        return [this, which] {
            if (hooks_.*which) (hooks_.*which)();
        };
    };
    connect(c.aboutButton, &QAbstractButton::clicked, this, hook(&MainWindowHooks::aboutBox));
    connect(c.about, &QAction::triggered, this, hook(&MainWindowHooks::aboutBox));
    connect(c.helpButton, &QAbstractButton::clicked, this, hook(&MainWindowHooks::help));
    connect(c.help, &QAction::triggered, this, hook(&MainWindowHooks::help));
    connect(c.lastDrawButton, &QAbstractButton::clicked, this, hook(&MainWindowHooks::lastDraw));
    connect(c.draws, &QAction::triggered, this, hook(&MainWindowHooks::draws));
}

// --- The ticket ---------------------------------------------------------------------------------

void MainWindow::layOutTicket() {
    try {
        controls_.ticket->layOut(state_.parameters.gameType, state_.parameters.highestNumber);
    } catch (const std::exception&) {
        platform_.message(QStringLiteral("erreur positionnecase"), QStringLiteral("Norvex5"), Platform::Buttons::Ok,
                          Platform::Icon::Warning);
    }
}

void MainWindow::showBox(int n) {
    controls_.ticket->box(n)->setPixmap(pictures_.box(boxPicture(state_.selection[n])));
}

void MainWindow::redrawBoxes() {
    for (int n = 1; n <= controls_.ticket->boxCount(); ++n) showBox(n);
}

void MainWindow::refreshCounters() {
    const Counters c = counters(state_.selection);
    controls_.tickedCount->setNum(c.ticked);
    controls_.fixedCount->setNum(c.fixed);
    controls_.gridBFixedCount->setNum(c.gridBFixed);
    // The library wheels follow the numbers ticked and fixed.
    if (controls_.wheelList->count() >= kWheelCount && library_.stale()) {
        library_.fill(*controls_.wheelList, kWheelCount);
        fitOpenList(*controls_.wheelList);
    }
    onDemand_->offerChoices();
}

void MainWindow::tickBox(int n) {
    if (n < 1 || n > kBoxCount) return;
    toggleSelected(state_.selection, n);
    showBox(n);
    refreshCounters();
}

void MainWindow::pressBox(int n, Qt::MouseButton button) {
    if (button == Qt::RightButton && n >= 1 && n <= kGridACount && state_.selection[n] != kFixed &&
        count(state_.selection, CountKind::GridAFixed) >= workshop::kMostKeyNumbers) {
        platform_.message(QString::fromStdString(state_.programText(ProgramText::KeyNumbersAtMost)),
                          QStringLiteral("Norvex5"), Platform::Buttons::Ok, Platform::Icon::Warning);
        return;
    }
    if (button == Qt::RightButton && n >= 1 && n <= kGridACount) {
        toggleFixed(state_.selection, n);
        showBox(n);
    }
    refreshCounters();
}

void MainWindow::selectGameType(int code) {
    state_.parameters.gameType = code;
    if (const auto highest = highestNumberSetBy(code)) state_.parameters.highestNumber = *highest;
    layOutTicket();
    // The player's filter is kept per game type: the wheels made under it follow.
    refreshCounters();
}

void MainWindow::checkGameTypeButton() {
    // The hidden game types keep the buttons as they are.
    const Lottery* lottery = findLottery(state_.parameters.gameType);
    const GameTypeButton* shown = lottery != nullptr ? shownButton(*lottery) : nullptr;
    if (shown == nullptr) return;
    const QString name = QString::fromUtf8(shown->objectName.data(), static_cast<int>(shown->objectName.size()));
    for (QRadioButton* radio : controls_.gameTypes)
        if (radio->objectName() == name) radio->setChecked(true);
}

void MainWindow::pickRandomNumbers() {
    const WheelRecord* wheel = wheelRecordOf(state_.expansion, selectedWheelNumber());
    const int n = wheel != nullptr ? wheel->numberCount : 0;
    if (n <= 0) return;
    randomPick(state_.selection, n, state_.parameters.highestNumber);
    redrawBoxes();
    refreshCounters();
}

void MainWindow::clearTicket() {
    clearAll(state_.selection);
    redrawBoxes();
    refreshCounters();
}

// --- Wheels and output --------------------------------------------------------------------------

void MainWindow::fillWheelList() {
    const MessageLookup lookup = state_.messageLookup();
    std::vector<std::string> entries;
    for (int wheel = 1; wheel <= kWheelCount; ++wheel) entries.push_back(wheelListEntry(wheel, lookup));
    std::stable_sort(entries.begin(), entries.end(),
                     [](const std::string& a, const std::string& b) { return wheelEntryLess(a, b); });
    // Rebuilt in another language, the list keeps the wheel the player chose; the entries change
    // their words and their order, so it is found again by its number.
    const int chosen = selectedWheelNumber();
    controls_.wheelList->clear();
    int chosenIndex = 0;
    for (const std::string& entry : entries) {
        if (wheelNumberFromEntry(entry) == chosen) chosenIndex = controls_.wheelList->count();
        controls_.wheelList->addItem(QString::fromStdString(entry));
    }
    controls_.wheelList->setCurrentIndex(chosenIndex);
    if (!libraryRead_) {
        libraryRead_ = true;
        const QStringList problems = library_.read();
        if (!problems.isEmpty())
            platform_.message(problems.join(QLatin1Char('\n')), QStringLiteral("Norvex5"), Platform::Buttons::Ok,
                              Platform::Icon::Warning);
    }
    library_.fill(*controls_.wheelList, kWheelCount);
    fitOpenList(*controls_.wheelList);
    onDemand_->offerChoices();
}

void MainWindow::chooseWheel() {
    const int wheel = selectedWheelNumber();
    library_.choose(wheel);
    state_.selectedWheel = wheel;
}

int MainWindow::selectedWheelNumber() const {
    if (controls_.wheelList->currentIndex() < 0) return -1;
    return wheelNumberFromEntry(controls_.wheelList->currentText().toStdString());
}

QString MainWindow::wheelNeedsLine(int wheel) const {
    // The designed message alone leaves the player guessing, above all when fixed numbers are
    // what a wheel refuses: say what it plays and what is ticked. No built-in wheel fixes any.
    const WheelRecord* record = wheelRecord(wheel);
    if (record == nullptr || record->fixedCount != 0) return {};
    const Counters ticked = counters(state_.selection);
    return QStringLiteral("\n") + QString::fromStdString(state_.programText(ProgramText::WheelNeedsNumbers))
                                      .arg(record->numberCount)
                                      .arg(ticked.ticked - ticked.fixed)
                                      .arg(ticked.fixed);
}

bool MainWindow::prepareOutput() {
    const int wheel = selectedWheelNumber();
    if (!selectionFitsWheel(state_.selection, wheelRecordOf(state_.expansion, wheel))) {
        platform_.message(text(kMessageIncorrectSelection) + wheelNeedsLine(wheel), text(kMessageProblem),
                          Platform::Buttons::Ok, Platform::Icon::Warning);
        return false;
    }
    prepareNumberList(state_.expansion, state_.selection);
    refreshCounters();
    return true;
}

void MainWindow::runOutput(const std::function<void()>& window) {
    if (prepareOutput() && window) window();
}

void MainWindow::viewBoards() { runOutput(hooks_.boardViewer); }
void MainWindow::listBoards() { runOutput(hooks_.boardList); }
void MainWindow::printTickets() { runOutput(hooks_.ticketPrinting); }
void MainWindow::compareWithDraw() { runOutput(hooks_.internalComparison); }
void MainWindow::showExternalTab() {
    controls_.pages->setCurrentWidget(controls_.externalPage);
    externalTab();
}

ExternalWheelsTab& MainWindow::externalTab() {
    if (externalTab_ != nullptr) return *externalTab_;
    externalTab_ =
        new ExternalWheelsTab(state_.texts(), state_.settings(), state_.game(), platform_, controls_.externalPage);
    // What the start-up work and the texts did to the main window's other controls.
    if (!firstActivationPending_) {
        applyExternalTabTexts();
        externalTab_->fillReplacementLists();
    }
    if (controls_.externalPage->isVisible()) externalTab_->show();
    if (hooks_.externalTabBuilt) hooks_.externalTabBuilt(*externalTab_);
    return *externalTab_;
}

void MainWindow::applyExternalTabTexts() {
    if (externalTab_ == nullptr) return;
    externalTab_->applyTexts();
}

void MainWindow::checkChosenWheel() { runOutput(hooks_.wheelCheck); }

void MainWindow::generateWheel() {
    if (hooks_.wheelGenerator) hooks_.wheelGenerator();
}

void MainWindow::describeWheel() {
    if (hooks_.wheelDescription) hooks_.wheelDescription();
}

void MainWindow::openParameters() {
    const std::int32_t language = state_.parameters.language;
    if (hooks_.parametersWindow) hooks_.parametersWindow();
    // The wheel titles are in the language too.
    if (state_.parameters.language != language) {
        applyQtTranslations(state_.parameters.language);
        applyTexts();
        fillWheelList();
    }
}

// --- Texts --------------------------------------------------------------------------------------

QString MainWindow::text(int message) const { return QString::fromStdString(state_.message(message)); }

void MainWindow::applyTexts() {
    const MessageLookup lookup = state_.messageLookup();
    applyWindowTexts(*this, mainWindowTexts(), lookup);
    applyExternalTabTexts();
    // The workshop's entries are beyond the designed menu: their words are the program's own.
    controls_.checkWheel->setText(QString::fromStdString(state_.programText(ProgramText::WheelCheckTitle)));
    controls_.generateWheel->setText(QString::fromStdString(state_.programText(ProgramText::WheelGeneratorTitle)));
    controls_.draws->setText(QString::fromStdString(state_.programText(ProgramText::DrawsTitle)));
    onDemand_->applyTexts();
    const MainWindowControls& c = controls_;
    for (QPushButton* button : {c.viewBoardsButton, c.listBoardsButton, c.printTicketsButton, c.compareButton,
                                c.randomButton, c.clearButton, c.lastDrawButton, c.quitButton, c.makeWheelButton,
                                c.stopMakingWheel})
        fitCaption(*button);
    // Alt and a letter opens a menu, whatever the language's words for them.
    QString taken;
    for (QMenu* menu : {controls_.fileMenu, controls_.useMenu, controls_.optionsMenu, controls_.helpMenu})
        menu->setTitle(withMnemonic(menu->title(), taken));
    checkGameTypeButton();
}

// --- Saved games --------------------------------------------------------------------------------

void MainWindow::saveGame() {
    SavedGameRecord record;
    record.wheelListIndex = controls_.wheelList->currentIndex();
    for (int n = 1; n <= kSavedNumberCount; ++n) record.states[n] = state_.selection[n];
    record.reserved = state_.savedGameReserved;
    saveGameThroughDialog(platform_, state_.messageLookup(), state_.parameters.language, record);
}

void MainWindow::loadGame() {
    const std::optional<SavedGameLoadResult> loaded = loadGameThroughDialog(platform_, state_.messageLookup());
    if (!loaded) return;
    if (loaded->reservedRead) state_.savedGameReserved = loaded->reserved;
    if (loaded->outcome != SavedGameLoad::Loaded) return;
    // An index the list does not have would leave no wheel chosen at all; the list keeps its
    // choice instead.
    const int index = loaded->record.wheelListIndex;
    if (index >= 0 && index < controls_.wheelList->count()) controls_.wheelList->setCurrentIndex(index);
    for (int n = 1; n <= kSavedNumberCount; ++n) state_.selection[n] = loaded->record.states[n];
    redrawBoxes();
    refreshCounters();
}

// --- Start-up and shutdown ----------------------------------------------------------------------

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

    // The language file and the parameters are read before the window shows (startupfiles.h);
    // what is left is the window's own work.
    try {
        controls_.pages->setCurrentIndex(0);
        if (externalTab_ != nullptr) externalTab_->startOver();

        applyQtTranslations(state_.parameters.language);

        fillWheelList();
        clearAll(state_.selection);
        redrawBoxes();
        refreshCounters();

        ParameterRecord& p = state_.parameters;
        p.gameType = effectiveGameType(p.gameType);
        // The button already on in the design runs no handler when switched on: its number is set here.
        if (const auto highest = highestNumberSetBy(p.gameType)) p.highestNumber = *highest;
        checkGameTypeButton();
        applyTexts();
        layOutTicket();

        if (!parametersFound_) {
            parametersFound_ = true;
            const bool languageFileLoaded = state_.languageFile && state_.languageFile->loaded();
            if (!languageFileLoaded && hooks_.firstRunLanguage) hooks_.firstRunLanguage();
            applyQtTranslations(state_.parameters.language);
            applyTexts();
            fillWheelList();
        }
        if (externalTab_ != nullptr) externalTab_->fillReplacementLists();
        if (hooks_.fillReplacementLists) hooks_.fillReplacementLists();
    } catch (const std::exception&) {
        platform_.message(QStringLiteral("erreur form1.activate"), QStringLiteral("Norvex5"), Platform::Buttons::Ok,
                          Platform::Icon::Warning);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!shutDown_) {
        shutDown_ = true;
        onDemand_->shutdown();
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
    // The program ends whatever the companion does: a failure to start it is not the player's to
    // answer at closing time.
    try {
        if (hooks_.companionLaunch) hooks_.companionLaunch();
    } catch (const std::exception&) {
    }
}

}  // namespace norvex5
