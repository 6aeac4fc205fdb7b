#include "windows/mainwindow/librarywheellist.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <algorithm>

#include "core/appstate.h"
#include "core/wheelcatalogue.h"
#include "textfiles/listentry.h"
#include "workshop/filtersettings.h"

namespace norvex5 {

namespace {

constexpr int kHiddenNumberGap = 100;  // as the built-in entries hide theirs

QString fromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

LibraryWheelList::LibraryWheelList(const Texts& texts, const Settings& settings, CurrentGame& game,
                                   std::filesystem::path shippedFolder, std::filesystem::path userFolder,
                                   std::filesystem::path filterSettingsFile)
    : texts_(texts),
      settings_(settings),
      game_(game),
      shippedFolder_(std::move(shippedFolder)),
      userFolder_(std::move(userFolder)),
      filterSettingsFile_(std::move(filterSettingsFile)) {}

std::vector<int> LibraryWheelList::tickedNumbers() const {
    std::vector<int> numbers;
    for (int n = 1; n <= kGridACount; ++n)
        if (game_.selection[n] != kFree) numbers.push_back(n);
    return numbers;
}

std::optional<library::FilterClaim> LibraryWheelList::playersFilter() const {
    if (filterSettingsFile_.empty() || counters(game_.selection).fixed > 0) return std::nullopt;
    const int highest = settings_.parameters.highestNumber;
    const auto filter =
        workshop::FilterSettings::load(filterSettingsFile_).filterFor(settings_.parameters.gameType, highest);
    if (!filter) return std::nullopt;
    return library::FilterClaim{*filter, highest, tickedNumbers()};
}

bool LibraryWheelList::offers(workshop::Guarantee guarantee, bool filtered) const {
    return std::any_of(fitting_.begin(), fitting_.end(), [&](const library::FittingWheel& w) {
        return w.guarantee == guarantee && (w.source && w.source->filter.has_value()) == filtered;
    });
}

bool LibraryWheelList::chooseFile(QComboBox& list, int builtIn, const std::filesystem::path& file) {
    for (std::size_t i = 0; i < fitting_.size(); ++i)
        if (fitting_[i].source && fitting_[i].source->file == file) {
            list.setCurrentIndex(builtIn + 1 + static_cast<int>(i));
            return true;
        }
    return false;
}

QStringList LibraryWheelList::read() {
    library::LibraryFolder user;
    if (!userFolder_.empty()) user = library::readUserLibrary(userFolder_);
    userWheels_ = user;
    shippedRead_ = false;
    wheels_ = userWheels_.wheels;
    filledTicked_ = filledKeys_ = -1;
    QStringList problems;
    if (user.unreadable)
        problems << fromUtf8(texts_.programText(ProgramText::LibraryFolderUnreadable))
                        .arg(QString::fromStdString(userFolder_.string()));
    for (const library::LibraryRefusal& refused : user.refused) {
        const QString file = QString::fromStdString(refused.file.filename().string());
        if (refused.problem == library::LibraryProblem::ClaimNotKept)
            problems << fromUtf8(texts_.programText(ProgramText::LibraryClaimNotKept))
                            .arg(file)
                            .arg(refused.claim->guarantee.t)
                            .arg(refused.claim->guarantee.m);
        else
            problems << fromUtf8(texts_.programText(ProgramText::LibraryFileNotAWheel)).arg(file);
    }
    return problems;
}

bool LibraryWheelList::stale() const {
    const Counters c = counters(game_.selection);
    if (c.ticked != filledTicked_ || c.fixed != filledKeys_) return true;
    // Wheels made under a filter fit only their own numbers under their filter.
    const bool anyFiltered =
        std::any_of(wheels_.begin(), wheels_.end(), [](const library::LibraryWheel& w) { return w.filter.has_value(); });
    return anyFiltered && (tickedNumbers() != filledNumbers_ || playersFilter() != filledFilter_);
}

QString LibraryWheelList::entryOf(const library::FittingWheel& wheel, int number) const {
    const WheelRecord record{static_cast<std::int32_t>(wheel.boards), wheel.guarantee.t, wheel.guarantee.m,
                             wheel.numbers, kNumbersPerBoard, wheel.keys, {}};
    std::string title = wheelTitle(record, texts_.messageLookup());
    if (wheel.source && wheel.source->filter)
        title += ' ' + std::string(texts_.programText(ProgramText::FilteredWheelMark));
    return QString::fromStdString(makeListEntry(title, kHiddenNumberGap, number));
}

void LibraryWheelList::readShippedOnFirstNeed(int ticked) {
    // Counting the boards of every shipped file took longer than building the main window, and
    // no wheel is over no numbers: the list at start, nothing ticked, does without them.
    if (shippedRead_ || ticked <= 0) return;
    shippedRead_ = true;
    wheels_ = library::allWheels(library::readShippedLibrary(shippedFolder_), userWheels_);
}

std::optional<workshop::Wheel> LibraryWheelList::smallestKnown(int numbers, workshop::Guarantee guarantee) {
    readShippedOnFirstNeed(numbers);
    const library::LibraryClaim claim{numbers, guarantee};
    const library::LibraryWheel* smallest = nullptr;
    for (const library::LibraryWheel& wheel : wheels_)
        if (wheel.kept == claim && (smallest == nullptr || wheel.boards < smallest->boards)) smallest = &wheel;
    if (smallest == nullptr) return std::nullopt;
    return library::loadLibraryWheel(*smallest);
}

void LibraryWheelList::fill(QComboBox& list, int builtIn) {
    const Counters c = counters(game_.selection);
    readShippedOnFirstNeed(c.ticked);
    filledTicked_ = c.ticked;
    filledKeys_ = c.fixed;
    filledNumbers_ = tickedNumbers();
    filledFilter_ = playersFilter();
    // The library wheel chosen is found again among the new entries by what it is.
    const std::optional<library::FittingWheel> chosen = chosen_;
    int again = -1;
    {
        const QSignalBlocker quiet(&list);
        while (list.count() > builtIn) list.removeItem(list.count() - 1);
        fitting_ = library::fittingWheels(wheels_, c.ticked, c.fixed, filledFilter_);
        if (!fitting_.empty()) list.insertSeparator(builtIn);
        for (std::size_t i = 0; i < fitting_.size(); ++i) {
            const library::FittingWheel& w = fitting_[i];
            const auto fileOf = [](const library::FittingWheel& f) {
                return f.source ? f.source->file : std::filesystem::path();
            };
            if (chosen && w.guarantee == chosen->guarantee && w.keys == chosen->keys && w.boards == chosen->boards &&
                fileOf(w) == fileOf(*chosen))
                again = static_cast<int>(i);
            list.addItem(entryOf(w, kFirstNumber + static_cast<int>(i)));
        }
    }
    if (!chosen) return;
    // Told as a choice of the player's: the list's number changed, or the wheel left the list and
    // the first built-in wheel takes its place.
    if (again >= 0 && list.currentIndex() == builtIn + 1 + again) choose(kFirstNumber + again);
    list.setCurrentIndex(again >= 0 ? builtIn + 1 + again : 0);
}

bool LibraryWheelList::choose(int number) {
    const int index = number - kFirstNumber;
    if (index < 0 || index >= static_cast<int>(fitting_.size())) {
        chosen_.reset();
        return false;
    }
    const library::FittingWheel& chosen = fitting_[static_cast<std::size_t>(index)];
    const auto wheel = library::loadFittingWheel(chosen);
    if (!wheel) return false;
    std::vector<WheelBoard> boards;
    boards.reserve(wheel->boards.size());
    for (const workshop::Board& board : wheel->boards) {
        WheelBoard positions{};
        for (int k = 0; k < kNumbersPerBoard; ++k) positions[k] = board[k] + 1;
        boards.push_back(positions);
    }
    chosen_ = chosen;
    game_.expansion.libraryWheel = std::make_shared<const LibraryWheelRecord>(
        number, std::move(boards), chosen.guarantee.t, chosen.guarantee.m, chosen.numbers, chosen.keys);
    return true;
}

}  // namespace norvex5
