#include "windows/mainwindow/wheelondemand.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>
#include <random>

#include "core/appstate.h"
#include "core/wheelcatalogue.h"
#include "library/libraryaddition.h"
#include "windows/common/entrylists.h"
#include "windows/common/platform.h"
#include "windows/mainwindow/librarywheellist.h"
#include "windows/mainwindow/mainwindowcontrols.h"
#include "workshop/filteredcheck.h"
#include "workshop/keynumbers.h"

namespace norvex5 {

using workshop::Guarantee;

WheelOnDemand::WheelOnDemand(const Texts& texts, const CurrentGame& game, Platform& platform,
                             const MainWindowControls& controls, LibraryWheelList& library, QObject* parent)
    : QObject(parent), texts_(texts), game_(game), platform_(platform), controls_(controls), library_(library) {
    connect(controls_.stopMakingWheel, &QPushButton::clicked, this, &WheelOnDemand::stop);
    showRunning(false);
}

WheelOnDemand::~WheelOnDemand() { shutdown(); }

QString WheelOnDemand::text(ProgramText which) const { return QString::fromStdString(texts_.programText(which)); }

void WheelOnDemand::applyTexts() {
    controls_.makeWheelButton->setText(text(ProgramText::MakeWheel));
    controls_.stopMakingWheel->setText(text(ProgramText::Stop));
    offerChoices();
}

std::optional<WheelOnDemand::Order> WheelOnDemand::orderFor(Guarantee guarantee, bool underFilter) const {
    const Counters c = counters(game_.selection);
    const int keys = c.fixed;
    if (keys > workshop::kMostKeyNumbers || (keys > 0 && underFilter)) return std::nullopt;
    if (keys > 0 && workshop::keyNumbersProblem(c.ticked, guarantee, keys)) return std::nullopt;
    Order order;
    order.claim.numbers = c.ticked - keys;
    order.claim.guarantee = keys > 0 ? workshop::guaranteeBesideKeys(guarantee, keys) : guarantee;
    order.claim.boardSize = workshop::kBoardSize - keys;
    if (workshop::generatorLimitsProblem(order.claim.numbers, order.claim.guarantee, order.claim.boardSize))
        return std::nullopt;
    if (underFilter && !(order.filter = library_.playersFilter())) return std::nullopt;
    return order;
}

bool WheelOnDemand::canMake(Guarantee guarantee, bool underFilter) const {
    return !library_.userFolder().empty() && !library_.offers(guarantee, underFilter) &&
           orderFor(guarantee, underFilter).has_value();
}

void WheelOnDemand::offerChoices() {
    QMenu* menu = controls_.makeWheelMenu;
    menu->clear();
    const auto filter = library_.playersFilter();
    for (const bool underFilter : {false, true}) {
        if (underFilter && !filter) break;
        if (underFilter) menu->addSeparator();
        for (const Guarantee g : library::kPlayersGuarantees) {
            QString caption = text(ProgramText::GuaranteeChoice).arg(g.t).arg(g.m);
            if (underFilter)
                caption = text(ProgramText::MakeWheelUnderFilter)
                              .arg(caption, QString::fromStdString(workshop::filterText(filter->filter)));
            QAction* choice = menu->addAction(caption);
            choice->setObjectName(QStringLiteral("mfaire%1si%2%3")
                                      .arg(g.t)
                                      .arg(g.m)
                                      .arg(underFilter ? QStringLiteral("filtre") : QString()));
            choice->setEnabled(!running() && canMake(g, underFilter));
            connect(choice, &QAction::triggered, this, [this, g, underFilter] { make(g, underFilter); });
        }
    }
}

void WheelOnDemand::make(Guarantee guarantee, bool underFilter) {
    if (running() || !canMake(guarantee, underFilter)) return;
    const auto order = orderFor(guarantee, underFilter);
    workshop::GeneratorSettings settings;
    settings.numbers = order->claim.numbers;
    settings.guarantee = order->claim.guarantee;
    settings.boardSize = order->claim.boardSize;
    settings.seconds = secondsAllowed_;
    settings.seed = fixedSeed_ ? *fixedSeed_ : std::random_device{}();
    const QString title = QStringLiteral("Norvex5");
    if (order->filter) {
        const workshop::PlayedNumbers played{order->filter->highest, order->filter->played};
        if (workshop::playedNumbersProblem(played, settings.numbers)) {
            platform_.message(text(ProgramText::NumbersOutOfRange), title, Platform::Buttons::Ok,
                              Platform::Icon::Warning);
            return;
        }
        const workshop::PassingDraws draws(order->filter->filter, played);
        settings.needed = draws.heldFlags(settings.guarantee.m);
        if (draws.passing() == 0 || std::find(settings.needed.begin(), settings.needed.end(), 1) == settings.needed.end()) {
            platform_.message(draws.passing() == 0
                                  ? text(ProgramText::FilterNoDraw)
                                  : text(ProgramText::GeneratorNothingToCover).arg(settings.guarantee.m),
                              title, Platform::Buttons::Ok, Platform::Icon::Warning);
            return;
        }
    } else {
        // No wheel is smaller than the bound: reaching it, there is nothing left to look for.
        settings.targetBoards = workshop::lowerBound(settings.numbers, settings.guarantee, settings.boardSize);
    }
    making_ = order;
    stopFlag_ = false;
    worker_ = std::thread([this, settings] {
        auto report = [this](const workshop::GeneratorProgress& progress) {
            QMetaObject::invokeMethod(this, [this, progress] { showProgress(progress); }, Qt::QueuedConnection);
        };
        workshop::GeneratorResult result = workshop::generateWheel(settings, &stopFlag_, report);
        QMetaObject::invokeMethod(this, [this, result = std::move(result)] { finish(result); }, Qt::QueuedConnection);
    });
    showRunning(true);
}

void WheelOnDemand::stop() { stopFlag_ = true; }

void WheelOnDemand::shutdown() {
    stopFlag_ = true;
    if (worker_.joinable()) worker_.join();
    making_.reset();
}

void WheelOnDemand::showRunning(bool running) {
    controls_.makeWheelProgress->setValue(0);
    controls_.makeWheelProgress->setFormat(text(ProgramText::Working));
    controls_.makeWheelProgress->setVisible(running);
    controls_.stopMakingWheel->setVisible(running);
    controls_.makeWheelButton->setEnabled(!running && !library_.userFolder().empty());
}

void WheelOnDemand::showProgress(const workshop::GeneratorProgress& progress) {
    if (!making_) return;  // a report that was on its way when the run ended
    const double share = secondsAllowed_ > 0 ? progress.seconds / secondsAllowed_ : 0;
    controls_.makeWheelProgress->setValue(std::clamp(static_cast<int>(100 * share), 0, 100));
    controls_.makeWheelProgress->setFormat(progress.bestBoards > 0
                                               ? text(ProgramText::MakeWheelBestSoFar).arg(progress.bestBoards)
                                               : text(ProgramText::Working));
}

void WheelOnDemand::finish(const workshop::GeneratorResult& result) {
    if (worker_.joinable()) worker_.join();
    if (!making_) return;  // shut down meanwhile
    const Order order = *std::exchange(making_, std::nullopt);
    showRunning(false);
    const QString title = QStringLiteral("Norvex5");
    if (stopFlag_) return;  // the player stopped it: nothing goes into the library
    if (!result.complete) {
        platform_.message(text(ProgramText::GeneratorNoWheel), title, Platform::Buttons::Ok, Platform::Icon::Warning);
        return;
    }
    const auto added = library::addToUserLibrary(library_.userFolder(), result.wheel, order.claim, order.filter);
    const QString file = QString::fromStdString(added.file.string());
    switch (added.outcome) {
        case library::LibraryAddition::Failed:
            platform_.message(text(ProgramText::MakeWheelNotAdded).arg(file, QString::fromStdString(added.reason)),
                              title, Platform::Buttons::Ok, Platform::Icon::Critical);
            return;
        case library::LibraryAddition::ReplacedLarger:
            platform_.message(text(ProgramText::MakeWheelReplaced).arg(file).arg(added.previousBoards), title,
                              Platform::Buttons::Ok, Platform::Icon::Information);
            break;
        case library::LibraryAddition::KeptExisting:
            platform_.message(text(ProgramText::MakeWheelKeptExisting).arg(file).arg(added.previousBoards), title,
                              Platform::Buttons::Ok, Platform::Icon::Information);
            break;
        case library::LibraryAddition::Added:
            break;
    }
    // What the folder refuses was told at start; the new wheel passed the same check to be written.
    library_.read();
    library_.fill(*controls_.wheelList, kWheelCount);
    fitOpenList(*controls_.wheelList);
    library_.chooseFile(*controls_.wheelList, kWheelCount, added.file);
    offerChoices();
}

}  // namespace norvex5
