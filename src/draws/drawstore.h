#pragma once
// The draw history: the lottery's past draws, kept per game type in one SQLite database in the
// user's data folder ($XDG_DATA_HOME/Norvex5/draws.sqlite, else ~/.local/share/Norvex5).
//
// The store never stands in the program's way. A damaged database is set aside (renamed beside
// itself, never deleted) and a new one started; a folder that cannot be written, or a database
// another program holds, leaves the store unavailable and the program without history. opening()
// says which, for the window to tell the user.
//
// Every import is one transaction: a file goes in whole or not at all, even when the program is
// killed halfway. Statements only ever bind their values.

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "draws/drawfile.h"

struct sqlite3;

namespace norvex5::draws {

// The user's data folder: $XDG_DATA_HOME/Norvex5, else ~/.local/share/Norvex5.
std::filesystem::path defaultUserDataFolder();
std::filesystem::path defaultDrawStoreFile();

enum class StoreOpening {
    Opened,             // an existing history
    Created,            // a new, empty one
    DamagedSetAside,    // the file was not a sound database: kept as setAside, a new one started
    FolderNotWritable,  // unavailable: the folder (or the file) may not be written
    InUse,              // unavailable: another program holds the database
    CannotOpen,         // unavailable for another reason: `detail` says which
};

enum class StoreFailure {
    None,
    Unavailable,  // the store did not open
    InUse,        // another program holds the database
    ReadOnly,
    DiskFull,
    Stopped,      // the caller's progress answer stopped the import
    Other,        // `detail` says what SQLite said
};

struct ImportResult {
    StoreFailure failure = StoreFailure::None;
    std::string detail;
    std::int64_t added = 0;
    std::int64_t alreadyThere = 0;       // the same draw on the same date
    std::vector<RefusedLine> conflicts;  // another draw already stored on that date (DateTwice)

    bool ok() const { return failure == StoreFailure::None; }
};

// The player's prizes for a board holding 2..5 right numbers and the price of one board, kept
// per game type; amounts in cents so that sums come out exact.
struct PrizeTable {
    std::int64_t boardPrice = 0;
    std::array<std::int64_t, kDrawnNumbers + 1> prize{};  // by right numbers; 2..5 used
    bool operator==(const PrizeTable&) const = default;
};

class DrawStore {
public:
    // About how many rows are written between two progress calls: often enough for a progress
    // bar, rarely enough to cost nothing.
    static constexpr std::int64_t kProgressStep = 1000;
    // Called with the new rows written so far; false stops the import, which then adds nothing.
    using Progress = std::function<bool(std::int64_t rows)>;

    explicit DrawStore(std::filesystem::path file = defaultDrawStoreFile(), int busyMilliseconds = 2000);
    ~DrawStore();
    DrawStore(const DrawStore&) = delete;
    DrawStore& operator=(const DrawStore&) = delete;

    StoreOpening opening() const { return opening_; }
    const std::filesystem::path& setAside() const { return setAside_; }
    const std::string& detail() const { return detail_; }
    const std::filesystem::path& file() const { return file_; }
    bool available() const { return db_ != nullptr; }

    // The draws of a game type, newest first, within the dates given.
    std::vector<DrawRecord> draws(int gameType, std::optional<CalendarDate> from = std::nullopt,
                                  std::optional<CalendarDate> to = std::nullopt) const;
    std::int64_t count(int gameType) const;
    std::optional<DrawRecord> lastDraw(int gameType) const;

    ImportResult import(int gameType, const std::vector<DrawRecord>& draws, const Progress& progress = {});
    // A draw typed by hand: an import of one.
    ImportResult add(int gameType, const DrawRecord& draw) { return import(gameType, {draw}); }
    StoreFailure remove(int gameType, const CalendarDate& date);

    PrizeTable prizes(int gameType) const;
    StoreFailure setPrizes(int gameType, const PrizeTable& prizes);

private:
    void open(int busyMilliseconds);
    bool setUp(int busyMilliseconds, int& code);
    void setDamagedFileAside();
    void close();
    StoreFailure failure(int code);

    std::filesystem::path file_;
    std::filesystem::path setAside_;
    std::string detail_;
    StoreOpening opening_ = StoreOpening::CannotOpen;
    sqlite3* db_ = nullptr;
};

std::string describeOpening(const DrawStore& store);
std::string describeFailure(StoreFailure failure, const std::string& detail);

}  // namespace norvex5::draws
