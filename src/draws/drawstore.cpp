#include "draws/drawstore.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <memory>

#include "persistence/atomicfile.h"

namespace norvex5::draws {

namespace {

constexpr int kSchemaVersion = 1;

// Dates are kept as "YYYY-MM-DD", so that their order as text is their order in time. Amounts are
// cents. The checks keep what another SQLite tool may write within what the program reads.
constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS draws (
  game INTEGER NOT NULL,
  date TEXT NOT NULL CHECK (length(date) = 10),
  draw_number INTEGER,
  n1 INTEGER NOT NULL CHECK (n1 BETWEEN 1 AND 99),
  n2 INTEGER NOT NULL CHECK (n2 BETWEEN 1 AND 99),
  n3 INTEGER NOT NULL CHECK (n3 BETWEEN 1 AND 99),
  n4 INTEGER NOT NULL CHECK (n4 BETWEEN 1 AND 99),
  n5 INTEGER NOT NULL CHECK (n5 BETWEEN 1 AND 99),
  bonus1 INTEGER,
  bonus2 INTEGER,
  PRIMARY KEY (game, date)
) WITHOUT ROWID;
CREATE TABLE IF NOT EXISTS prizes (
  game INTEGER PRIMARY KEY,
  board_price INTEGER NOT NULL,
  prize2 INTEGER NOT NULL,
  prize3 INTEGER NOT NULL,
  prize4 INTEGER NOT NULL,
  prize5 INTEGER NOT NULL
);
PRAGMA user_version = 1;
)sql";

// What the table's checks allow.
constexpr int kHighestStoredNumber = 99;
constexpr std::size_t kIsoDateLength = 10;

constexpr const char* kDrawColumns = "date, draw_number, n1, n2, n3, n4, n5, bonus1, bonus2";

class Statement {
public:
    Statement(sqlite3* db, const char* sql) { code_ = sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr); }
    ~Statement() { sqlite3_finalize(statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool ok() const { return code_ == SQLITE_OK || code_ == SQLITE_ROW || code_ == SQLITE_DONE; }
    int code() const { return code_; }

    void bind(int index, std::int64_t value) { sqlite3_bind_int64(statement_, index, value); }
    void bind(int index, const std::string& text) {
        sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
    // The text stays where it is until the statement has run or been bound again.
    void bindStatic(int index, std::string_view text) {
        sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
    }
    void bindNull(int index) { sqlite3_bind_null(statement_, index); }
    template <typename T>
    void bind(int index, const std::optional<T>& value) {
        if (value)
            bind(index, static_cast<std::int64_t>(*value));
        else
            bindNull(index);
    }

    // True while a row is current; afterwards ok() says whether the statement ran to its end.
    bool step() {
        code_ = sqlite3_step(statement_);
        return code_ == SQLITE_ROW;
    }
    // Keeps the values bound: a loop binds again only what changes.
    void reset() { sqlite3_reset(statement_); }

    std::int64_t integer(int column) const { return sqlite3_column_int64(statement_, column); }
    bool isNull(int column) const { return sqlite3_column_type(statement_, column) == SQLITE_NULL; }
    std::string text(int column) const {
        const auto* bytes = sqlite3_column_text(statement_, column);
        return bytes ? reinterpret_cast<const char*>(bytes) : "";
    }

private:
    sqlite3_stmt* statement_ = nullptr;
    int code_ = SQLITE_OK;
};

// A write transaction that is rolled back unless it is committed.
class Transaction {
public:
    explicit Transaction(sqlite3* db) : db_(db) { code_ = sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr); }
    ~Transaction() {
        if (code_ == SQLITE_OK && !committed_) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    int began() const { return code_; }
    int commit() {
        const int code = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
        committed_ = code == SQLITE_OK;
        return code;
    }

private:
    sqlite3* db_;
    int code_;
    bool committed_ = false;
};

// A draw from the columns of kDrawColumns.
DrawRecord drawFromRow(const Statement& row) {
    DrawRecord draw;
    draw.date = isoDate(row.text(0)).value_or(CalendarDate{});
    if (!row.isNull(1)) draw.drawNumber = row.integer(1);
    for (int k = 0; k < kDrawnNumbers; ++k) draw.numbers[k] = static_cast<int>(row.integer(2 + k));
    for (int k = 0; k < kMaxBonusNumbers; ++k)
        if (!row.isNull(7 + k)) draw.bonus.push_back(static_cast<int>(row.integer(7 + k)));
    return draw;
}

// `date` holds the date's text until the statement has run: it is bound where it stands.
void bindDraw(Statement& statement, int first, const DrawRecord& draw, char* date) {
    const std::string iso = draw.date.iso();
    std::copy(iso.begin(), iso.end(), date);
    statement.bindStatic(first, std::string_view(date, iso.size()));
    statement.bind(first + 1, draw.drawNumber);
    for (int k = 0; k < kDrawnNumbers; ++k) statement.bind(first + 2 + k, std::int64_t{draw.numbers[k]});
    for (int k = 0; k < kMaxBonusNumbers; ++k) {
        if (k < static_cast<int>(draw.bonus.size()))
            statement.bind(first + 7 + k, std::int64_t{draw.bonus[k]});
        else
            statement.bindNull(first + 7 + k);
    }
}

std::string timeStamp() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

}  // namespace

std::filesystem::path defaultUserDataFolder() {
    std::filesystem::path data;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && xdg[0] == '/')
        data = xdg;
    else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0')
        data = std::filesystem::path(home) / ".local" / "share";
    else
        data = std::filesystem::temp_directory_path();
    return data / "Norvex5";
}

std::filesystem::path defaultDrawStoreFile() { return defaultUserDataFolder() / "draws.sqlite"; }

DrawStore::DrawStore(std::filesystem::path file, int busyMilliseconds) : file_(std::move(file)) { open(busyMilliseconds); }

DrawStore::~DrawStore() { close(); }

void DrawStore::close() {
    if (db_ != nullptr) sqlite3_close_v2(db_);
    db_ = nullptr;
}

void DrawStore::open(int busyMilliseconds) {
    std::error_code error;
    const std::filesystem::path folder = file_.has_parent_path() ? file_.parent_path() : std::filesystem::path(".");
    std::filesystem::create_directories(folder, error);
    const bool existed = std::filesystem::exists(file_, error) && std::filesystem::file_size(file_, error) > 0;
    if (error || !userMayWrite(folder) || (existed && !userMayWrite(file_))) {
        opening_ = StoreOpening::FolderNotWritable;
        return;
    }
    int code = SQLITE_OK;
    if (setUp(busyMilliseconds, code)) {
        opening_ = existed ? StoreOpening::Opened : StoreOpening::Created;
        return;
    }
    close();
    if (code == SQLITE_CORRUPT || code == SQLITE_NOTADB) {
        setDamagedFileAside();
        if (!setAside_.empty() && setUp(busyMilliseconds, code)) {
            opening_ = StoreOpening::DamagedSetAside;
            return;
        }
        close();
    }
    if (code == SQLITE_BUSY || code == SQLITE_LOCKED)
        opening_ = StoreOpening::InUse;
    else if (code == SQLITE_READONLY || code == SQLITE_PERM)
        opening_ = StoreOpening::FolderNotWritable;
    else
        opening_ = StoreOpening::CannotOpen;
}

bool DrawStore::setUp(int busyMilliseconds, int& code) {
    code = sqlite3_open_v2(file_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (code != SQLITE_OK) {
        detail_ = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(code);
        return false;
    }
    sqlite3_busy_timeout(db_, busyMilliseconds);
    const auto failed = [&](int c) {
        code = c;
        detail_ = sqlite3_errmsg(db_);
        return false;
    };
    {
        Statement check(db_, "PRAGMA integrity_check");
        if (!check.ok()) return failed(check.code());
        if (!check.step()) return failed(check.code());
        if (check.text(0) != "ok") {
            detail_ = check.text(0);
            code = SQLITE_CORRUPT;
            return false;
        }
    }
    // In WAL mode NORMAL syncs at checkpoints only: a killed program still loses nothing it
    // committed and the file is never damaged; a power cut may take back the last import whole.
    if (const int c = sqlite3_exec(db_, "PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL", nullptr, nullptr, nullptr);
        c != SQLITE_OK)
        return failed(c);
    Statement version(db_, "PRAGMA user_version");
    if (!version.step()) return failed(version.code());
    if (version.integer(0) < kSchemaVersion) {
        Transaction transaction(db_);
        if (transaction.began() != SQLITE_OK) return failed(transaction.began());
        if (const int c = sqlite3_exec(db_, kSchema, nullptr, nullptr, nullptr); c != SQLITE_OK) return failed(c);
        if (const int c = transaction.commit(); c != SQLITE_OK) return failed(c);
    }
    return true;
}

void DrawStore::setDamagedFileAside() {
    // A name no earlier damaged copy has, so that none is ever written over.
    std::filesystem::path target = file_.string() + ".damaged-" + timeStamp();
    for (int k = 2; std::filesystem::exists(target); ++k) target = file_.string() + ".damaged-" + timeStamp() + "-" + std::to_string(k);
    std::error_code error;
    std::filesystem::rename(file_, target, error);
    if (error) return;
    setAside_ = target;
    // The journal files belong to the damaged file: a new database must not pick them up.
    for (const char* suffix : {"-wal", "-shm"}) {
        const std::filesystem::path journal = file_.string() + suffix;
        if (std::filesystem::exists(journal, error)) std::filesystem::rename(journal, target.string() + suffix, error);
    }
}

StoreFailure DrawStore::failure(int code) {
    detail_ = sqlite3_errmsg(db_);
    switch (code) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED: return StoreFailure::InUse;
        case SQLITE_READONLY:
        case SQLITE_PERM: return StoreFailure::ReadOnly;
        case SQLITE_FULL: return StoreFailure::DiskFull;
        default: return StoreFailure::Other;
    }
}

std::vector<DrawRecord> DrawStore::draws(int gameType, std::optional<CalendarDate> from,
                                         std::optional<CalendarDate> to) const {
    std::vector<DrawRecord> found;
    if (db_ == nullptr) return found;
    const std::string sql =
        std::string("SELECT ") + kDrawColumns + " FROM draws WHERE game = ?1 AND date >= ?2 AND date <= ?3 ORDER BY date DESC";
    Statement select(db_, sql.c_str());
    select.bind(1, std::int64_t{gameType});
    select.bind(2, from ? from->iso() : std::string("0000-00-00"));
    select.bind(3, to ? to->iso() : std::string("9999-99-99"));
    while (select.step()) found.push_back(drawFromRow(select));
    return found;
}

std::int64_t DrawStore::count(int gameType) const {
    if (db_ == nullptr) return 0;
    Statement select(db_, "SELECT count(*) FROM draws WHERE game = ?1");
    select.bind(1, std::int64_t{gameType});
    return select.step() ? select.integer(0) : 0;
}

std::optional<DrawRecord> DrawStore::lastDraw(int gameType) const {
    if (db_ == nullptr) return std::nullopt;
    const std::string sql = std::string("SELECT ") + kDrawColumns + " FROM draws WHERE game = ?1 ORDER BY date DESC LIMIT 1";
    Statement select(db_, sql.c_str());
    select.bind(1, std::int64_t{gameType});
    if (!select.step()) return std::nullopt;
    return drawFromRow(select);
}

ImportResult DrawStore::import(int gameType, const std::vector<DrawRecord>& draws, const Progress& progress) {
    ImportResult result;
    if (db_ == nullptr) {
        result.failure = StoreFailure::Unavailable;
        return result;
    }
    const auto failed = [&](int code) {
        ImportResult failure;
        failure.failure = this->failure(code);
        failure.detail = detail_;
        return failure;
    };
    if (draws.empty()) return result;
    Transaction transaction(db_);
    if (transaction.began() != SQLITE_OK) return failed(transaction.began());

    // What the store holds over the dates given is read once; the draws given, put in date order,
    // are then walked beside it and each told new, already there or in conflict without a query of
    // its own. New rows go in oldest first, each to the end of the table, the cheapest place.
    const auto [earliest, latest] = std::minmax_element(
        draws.begin(), draws.end(), [](const DrawRecord& a, const DrawRecord& b) { return a.date < b.date; });
    const std::vector<DrawRecord> stored = this->draws(gameType, earliest->date, latest->date);
    std::vector<const DrawRecord*> order;
    order.reserve(draws.size());
    for (const DrawRecord& draw : draws) order.push_back(&draw);
    std::stable_sort(order.begin(), order.end(), [](const DrawRecord* a, const DrawRecord* b) { return a->date < b->date; });
    std::vector<const DrawRecord*> fresh;
    fresh.reserve(order.size());
    auto storedDraw = stored.rbegin();
    for (const DrawRecord* draw : order) {
        while (storedDraw != stored.rend() && storedDraw->date < draw->date) ++storedDraw;
        const DrawRecord* holder = nullptr;
        if (storedDraw != stored.rend() && storedDraw->date == draw->date)
            holder = &*storedDraw;
        else if (!fresh.empty() && fresh.back()->date == draw->date)
            holder = fresh.back();
        if (holder == nullptr)
            fresh.push_back(draw);
        else if (holder->sameDraw(*draw))
            ++result.alreadyThere;
        else
            result.conflicts.push_back({draw->line, RefusalReason::DateTwice});
    }
    // The table's checks hold for what other programs write. The program's own draws are checked
    // here, once each, and its insert is prepared without the six checks a row would run.
    for (const DrawRecord* draw : fresh)
        if (refusalOf(*draw, kHighestStoredNumber) || draw->date.iso().size() != kIsoDateLength) {
            ImportResult refused;
            refused.failure = StoreFailure::Other;
            refused.detail = "a draw outside what the history keeps (" + draw->date.iso() + ")";
            return refused;
        }

    // New draws go in by statements of many rows each: a statement's own cost is paid once for
    // them all, which halves the time of a big import.
    constexpr std::size_t kRowsPerStatement = 50;
    constexpr int kColumns = 10;
    const auto insertSql = [](std::size_t count) {
        std::string sql = std::string("INSERT INTO draws (game, ") + kDrawColumns + ") VALUES ";
        for (std::size_t k = 0; k < count; ++k) sql += k == 0 ? "(?,?,?,?,?,?,?,?,?,?)" : ",(?,?,?,?,?,?,?,?,?,?)";
        return sql;
    };
    const auto prepareInsert = [&](std::size_t count) {
        sqlite3_exec(db_, "PRAGMA ignore_check_constraints = ON", nullptr, nullptr, nullptr);
        auto insert = std::make_unique<Statement>(db_, insertSql(count).c_str());
        sqlite3_exec(db_, "PRAGMA ignore_check_constraints = OFF", nullptr, nullptr, nullptr);
        return insert;
    };
    const std::unique_ptr<Statement> fullInsert = prepareInsert(kRowsPerStatement);
    if (!fullInsert->ok()) return failed(fullInsert->code());
    // The dates stay bound where they are written until the statement has run.
    std::array<std::array<char, kIsoDateLength + 1>, kRowsPerStatement> dates{};
    std::int64_t rows = 0;
    for (std::size_t first = 0; first < fresh.size(); first += kRowsPerStatement) {
        const std::size_t count = std::min(kRowsPerStatement, fresh.size() - first);
        const std::unique_ptr<Statement> lastInsert = count < kRowsPerStatement ? prepareInsert(count) : nullptr;
        Statement& insert = lastInsert ? *lastInsert : *fullInsert;
        if (!insert.ok()) return failed(insert.code());
        for (std::size_t k = 0; k < count; ++k) {
            const int column = static_cast<int>(k) * kColumns + 1;
            insert.bind(column, std::int64_t{gameType});
            bindDraw(insert, column + 1, *fresh[first + k], dates[k].data());
        }
        insert.step();
        if (!insert.ok()) return failed(insert.code());
        insert.reset();
        result.added += static_cast<std::int64_t>(count);
        const std::int64_t before = rows;
        rows += static_cast<std::int64_t>(count);
        if (progress && rows / kProgressStep != before / kProgressStep && !progress(rows)) {
            result = {};
            result.failure = StoreFailure::Stopped;
            return result;
        }
    }
    if (const int code = transaction.commit(); code != SQLITE_OK) return failed(code);
    std::sort(result.conflicts.begin(), result.conflicts.end(),
              [](const RefusedLine& a, const RefusedLine& b) { return a.line < b.line; });
    return result;
}

StoreFailure DrawStore::remove(int gameType, const CalendarDate& date) {
    if (db_ == nullptr) return StoreFailure::Unavailable;
    Statement erase(db_, "DELETE FROM draws WHERE game = ?1 AND date = ?2");
    erase.bind(1, std::int64_t{gameType});
    erase.bind(2, date.iso());
    erase.step();
    return erase.ok() ? StoreFailure::None : failure(erase.code());
}

PrizeTable DrawStore::prizes(int gameType) const {
    PrizeTable table;
    if (db_ == nullptr) return table;
    Statement select(db_, "SELECT board_price, prize2, prize3, prize4, prize5 FROM prizes WHERE game = ?1");
    select.bind(1, std::int64_t{gameType});
    if (!select.step()) return table;
    table.boardPrice = select.integer(0);
    for (int tier = 2; tier <= kDrawnNumbers; ++tier) table.prize[tier] = select.integer(tier - 1);
    return table;
}

StoreFailure DrawStore::setPrizes(int gameType, const PrizeTable& prizes) {
    if (db_ == nullptr) return StoreFailure::Unavailable;
    Statement upsert(db_,
                     "INSERT OR REPLACE INTO prizes (game, board_price, prize2, prize3, prize4, prize5) "
                     "VALUES (?1, ?2, ?3, ?4, ?5, ?6)");
    upsert.bind(1, std::int64_t{gameType});
    upsert.bind(2, prizes.boardPrice);
    for (int tier = 2; tier <= kDrawnNumbers; ++tier) upsert.bind(tier + 1, prizes.prize[tier]);
    upsert.step();
    return upsert.ok() ? StoreFailure::None : failure(upsert.code());
}

std::string describeOpening(const DrawStore& store) {
    switch (store.opening()) {
        case StoreOpening::Opened:
        case StoreOpening::Created: return "";
        case StoreOpening::DamagedSetAside:
            return "The draw history was damaged; it was kept as " + store.setAside().string() + " and a new one started.";
        case StoreOpening::FolderNotWritable:
            return "The folder " + store.file().parent_path().string() +
                   " cannot be written: the program works without its draw history.";
        case StoreOpening::InUse: return "Another program holds the draw history: the program works without it.";
        case StoreOpening::CannotOpen:
            return "The draw history cannot be opened (" + store.detail() + "): the program works without it.";
    }
    return "";
}

std::string describeFailure(StoreFailure failure, const std::string& detail) {
    switch (failure) {
        case StoreFailure::None: return "";
        case StoreFailure::Unavailable: return "the draw history is not available";
        case StoreFailure::InUse: return "another program holds the draw history; nothing was changed";
        case StoreFailure::ReadOnly: return "the draw history cannot be written; nothing was changed";
        case StoreFailure::DiskFull: return "the disk is full; nothing was changed";
        case StoreFailure::Stopped: return "stopped; nothing was changed";
        case StoreFailure::Other: return "the draw history refused the change (" + detail + "); nothing was changed";
    }
    return "";
}

}  // namespace norvex5::draws
