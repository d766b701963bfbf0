#include "history/history_store.h"

#include "base/clock.h"
#include "base/translation.h"
#include "history/places.h"

#include "records/sample_levels.h"
#include "records/start_time.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <thread>
#include <utility>
#include <vector>

namespace trevalo::history {

namespace {

namespace fs = std::filesystem;

// Long enough for another trevalo keeping the largest log at the same time.
constexpr int kBusyTimeoutMs = 30000;
constexpr int kReadingsPerSample = 6;

// Each step brings the schema from its index to the next version, in one
// transaction with the version it reaches.
constexpr const char* kMigrations[] = {
    // to 1
    "CREATE TABLE workouts("
    " id INTEGER PRIMARY KEY,"
    " hash_a INTEGER NOT NULL, hash_b INTEGER NOT NULL,"
    " date_line TEXT NOT NULL, start_utc INTEGER, week TEXT, month TEXT,"
    " unit TEXT NOT NULL, imperial INTEGER NOT NULL, sample_count INTEGER NOT NULL,"
    " total_calories INTEGER NOT NULL, total_distance REAL NOT NULL, total_time INTEGER NOT NULL,"
    " weight INTEGER NOT NULL, file_name TEXT NOT NULL, kept_utc INTEGER NOT NULL,"
    " duration_s REAL NOT NULL, distance REAL NOT NULL, distance_km REAL NOT NULL, climb_m REAL NOT NULL,"
    " calories REAL NOT NULL, average_speed REAL, average_pulse REAL,"
    " fastest_1k REAL, fastest_mile REAL, fastest_5k REAL, fastest_10k REAL, fastest_half REAL,"
    " UNIQUE(hash_a, hash_b));"
    // Apart, so that the views' scans of the workouts step over no readings.
    "CREATE TABLE samples(workout_id INTEGER PRIMARY KEY, readings BLOB NOT NULL);"
    "CREATE TABLE forgotten(hash_a INTEGER NOT NULL, hash_b INTEGER NOT NULL,"
    " PRIMARY KEY(hash_a, hash_b)) WITHOUT ROWID;",
};
static_assert(std::size(kMigrations) == kSchemaVersion);

constexpr const char* kFastestColumns[kBestDistances] = {"fastest_1k", "fastest_mile", "fastest_5k", "fastest_10k",
                                                         "fastest_half"};

class Statement {
public:
    Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &s_, nullptr); }
    ~Statement() { sqlite3_finalize(s_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    explicit operator bool() const { return s_ != nullptr; }
    sqlite3_stmt* get() const { return s_; }

    void bind(int i, std::int64_t v) { sqlite3_bind_int64(s_, i, v); }
    void bind(int i, double v) { sqlite3_bind_double(s_, i, v); }
    void bind(int i, std::string_view v) { sqlite3_bind_text(s_, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT); }
    void bind(int i, const std::optional<double>& v)
    {
        v ? sqlite3_bind_double(s_, i, *v) : sqlite3_bind_null(s_, i);
    }
    void bind_null(int i) { sqlite3_bind_null(s_, i); }
    int step() { return sqlite3_step(s_); }
    void reset() { sqlite3_reset(s_); }

    std::int64_t integer(int c) const { return sqlite3_column_int64(s_, c); }
    double real(int c) const { return sqlite3_column_double(s_, c); }
    std::optional<double> maybe_real(int c) const
    {
        return sqlite3_column_type(s_, c) == SQLITE_NULL ? std::nullopt : std::optional(real(c));
    }
    std::string text(int c) const
    {
        const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(s_, c));
        return t ? std::string(t, static_cast<std::size_t>(sqlite3_column_bytes(s_, c))) : std::string();
    }

private:
    sqlite3_stmt* s_ = nullptr;
};

std::uint64_t mix(std::uint64_t x)
{
    x ^= x >> 30;
    x *= 0xbf58476d1ce4e5b9ULL;
    x ^= x >> 27;
    x *= 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

// Two unrelated hashes over the same values: FNV-1a taken a word at a
// time, and a multiply-mix chain.
struct Hasher {
    std::uint64_t a = 0xcbf29ce484222325ULL;
    std::uint64_t b = 0x2545f4914f6cdd1dULL;
    // One multiplication each a word: a million samples are hashed on every
    // keep, also of a log kept before. The ends are mixed in full.
    void word(std::uint64_t w)
    {
        a = (a ^ w) * 0x100000001b3ULL;
        a ^= a >> 32;
        b = (b ^ (w + 0x9e3779b97f4a7c15ULL)) * 0xbf58476d1ce4e5b9ULL;
        b ^= b >> 31;
    }
    void bytes(std::string_view text)
    {
        word(text.size());
        for (std::size_t at = 0; at < text.size(); at += 8) {
            std::uint64_t w = 0;
            std::memcpy(&w, text.data() + at, std::min<std::size_t>(8, text.size() - at));
            word(w);
        }
    }
    void number(double v)
    {
        v += 0.0;  // -0 and 0 read the same
        std::uint64_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        word(bits);
    }
};

// The readings of a workout as kept: most are in the treadmill's shapes and
// fit 16 bits each once scaled (12 bytes a sample, a quarter of six doubles);
// a workout with any other reading keeps doubles. This computer's byte
// order: the history stays where it was written.
constexpr std::array<double, kReadingsPerSample> kScales{1, 1, 1, 1, 100, 10};
constexpr char kPacked = 'p', kDoubles = 'd';

std::array<double, kReadingsPerSample> readings_of(const records::RawSample& s)
{
    return {s.time, s.calories, s.pulse, s.incline, s.distance, s.speed};
}

void encode(const records::RecordStore& store, int r, std::string& out)
{
    const int count = store.record(r).rec_count;
    out.assign(1, kPacked);
    out.reserve(1 + static_cast<std::size_t>(count) * kReadingsPerSample * sizeof(double));
    for (int i = 0; i < count && out[0] == kPacked; ++i) {
        const auto v = readings_of(store.raw(r, i));
        for (std::size_t k = 0; k < v.size(); ++k) {
            const double scaled = std::nearbyint(v[k] * kScales[k]);
            if (!(scaled >= 0 && scaled <= 65535 && scaled / kScales[k] == v[k])) {
                out.assign(1, kDoubles);
                break;
            }
            const auto word = static_cast<std::uint16_t>(scaled);
            out.append(reinterpret_cast<const char*>(&word), sizeof word);
        }
    }
    if (out[0] == kPacked)
        return;
    for (int i = 0; i < count; ++i) {
        const auto v = readings_of(store.raw(r, i));
        out.append(reinterpret_cast<const char*>(v.data()), sizeof v);
    }
}

// The readings of `count` samples, or none if the bytes are not theirs.
std::optional<std::vector<records::RawSample>> decode(std::string_view bytes, int count)
{
    const auto n = static_cast<std::size_t>(count);
    std::vector<records::RawSample> samples(n);
    std::array<double, kReadingsPerSample> v{};
    if (!bytes.empty() && bytes[0] == kPacked && bytes.size() == 1 + n * kReadingsPerSample * 2) {
        for (std::size_t i = 0; i < n; ++i) {
            for (std::size_t k = 0; k < v.size(); ++k) {
                std::uint16_t word;
                std::memcpy(&word, bytes.data() + 1 + (i * kReadingsPerSample + k) * 2, sizeof word);
                v[k] = word / kScales[k];
            }
            samples[i] = {v[0], v[1], v[2], v[3], v[4], v[5]};
        }
    } else if (!bytes.empty() && bytes[0] == kDoubles && bytes.size() == 1 + n * sizeof v) {
        for (std::size_t i = 0; i < n; ++i) {
            std::memcpy(v.data(), bytes.data() + 1 + i * sizeof v, sizeof v);
            samples[i] = {v[0], v[1], v[2], v[3], v[4], v[5]};
        }
    } else {
        return std::nullopt;
    }
    return samples;
}

std::string stamp(std::int64_t utc)
{
    const std::tm tm = utc_fields(utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &tm);
    return text;
}

std::string sqlite_error(sqlite3* db)
{
    std::string why = db ? sqlite3_errmsg(db) : "out of memory";
    if (db && sqlite3_system_errno(db) != 0 && sqlite3_errcode(db) != SQLITE_OK &&
        (sqlite3_errcode(db) == SQLITE_CANTOPEN || sqlite3_errcode(db) == SQLITE_IOERR ||
         sqlite3_errcode(db) == SQLITE_READONLY))
        why += " (" + std::string(std::strerror(sqlite3_system_errno(db))) + ")";
    return why;
}

Result<void> run(sqlite3* db, const char* sql)
{
    char* message = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &message) == SQLITE_OK)
        return {};
    std::string why = message ? message : sqlite_error(db);
    sqlite3_free(message);
    return Result<void>::failure(why);
}

void close(sqlite3* db) { sqlite3_close_v2(db); }

enum class Found { Good, Later, Broken };
struct Check {
    Found found = Found::Good;
    std::string why;
};

// Looks at an existing file without writing to it. Only damage that SQLite
// names, or that the integrity check finds, makes it Broken: a lock, the
// disk, the rights, or the journal of a process killed while keeping (which
// a read-only look may not replay) are no damage, and a history moved aside
// for them would be lost from view. The open that follows says what they are.
Check check_existing(const std::string& path)
{
    sqlite3* db = nullptr;
    Check c;
    bool damage_found = false;
    std::int64_t at = 0;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        c = {Found::Broken, sqlite_error(db)};
    } else {
        sqlite3_busy_timeout(db, kBusyTimeoutMs);
        Statement version(db, "PRAGMA user_version");
        if (!version || version.step() != SQLITE_ROW) {
            c = {Found::Broken, sqlite_error(db)};
        } else if ((at = version.integer(0)) > kSchemaVersion) {
            c = {Found::Later, {}};
        }
    }
    // The tables every view reads; the readings, most of the file, are
    // checked as a workout is read back, which keeps opening quick. A file
    // of no version yet has no tables of ours: all of it is checked.
    const std::vector<std::string> checks =
        at == 0 ? std::vector<std::string>{""} : std::vector<std::string>{"(workouts)", "(forgotten)"};
    for (const std::string& table : checks) {
        if (c.found != Found::Good)
            break;
        const std::string sql = "PRAGMA integrity_check" + table;
        Statement integrity(db, sql.c_str());
        if (!integrity || integrity.step() != SQLITE_ROW) {
            c = {Found::Broken, sqlite_error(db)};
        } else if (integrity.text(0) != "ok") {
            c = {Found::Broken, integrity.text(0)};
            damage_found = true;
        }
    }
    const int code = db ? sqlite3_errcode(db) & 0xff : SQLITE_NOMEM;
    if (c.found == Found::Broken && !damage_found && code != SQLITE_CORRUPT && code != SQLITE_NOTADB)
        c.found = Found::Good;
    close(db);
    return c;
}

// Two processes switching a new file to WAL at once each hold a read lock
// and want the other's gone: SQLite answers one of them "locked" at once,
// without waiting, so the wait is here.
Result<void> to_wal(sqlite3* db)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(kBusyTimeoutMs);
    for (;;) {
        Result<void> switched = run(db, "PRAGMA journal_mode = WAL");
        if (switched || (sqlite3_errcode(db) & 0xff) != SQLITE_BUSY || std::chrono::steady_clock::now() > until)
            return switched;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

// Brings the schema up to this build's; a later build's, written since the
// file was looked at, is left as it is, and `later` says so.
Result<void> migrate(sqlite3* db, bool& later)
{
    for (;;) {
        // Immediate, so that a second process starting at the same moment
        // waits here and then sees the version this one wrote.
        if (auto begun = run(db, "BEGIN IMMEDIATE"); !begun)
            return begun;
        Statement version(db, "PRAGMA user_version");
        if (!version || version.step() != SQLITE_ROW) {
            const std::string why = sqlite_error(db);
            run(db, "ROLLBACK");
            return Result<void>::failure(why);
        }
        const std::int64_t at = version.integer(0);
        if (at >= kSchemaVersion) {
            later = at > kSchemaVersion;
            return run(db, "COMMIT");
        }
        const std::string next = "PRAGMA user_version = " + std::to_string(at + 1);
        Result<void> stepped = run(db, kMigrations[at]);
        if (stepped)
            stepped = run(db, next.c_str());
        if (stepped)
            stepped = run(db, "COMMIT");
        if (!stepped) {
            run(db, "ROLLBACK");
            return stepped;
        }
    }
}

// A failure while keeping, with the transaction given up.
template <typename T>
Result<T> rolled_back(sqlite3* db, std::string why)
{
    run(db, "ROLLBACK");
    return Result<T>::failure(std::move(why));
}

}  // namespace

std::string default_history_path(const char* xdg_data_home, const char* home)
{
    // A relative XDG_DATA_HOME is to be ignored, as the XDG rules say.
    std::string base;
    if (xdg_data_home && xdg_data_home[0] == '/')
        base = xdg_data_home;
    else if (home && home[0] != '\0')
        base = std::string(home) + "/.local/share";
    else
        base = ".local/share";
    while (base.size() > 1 && base.back() == '/')
        base.pop_back();
    return base + "/trevalo/history.sqlite";
}

Identity workout_identity(const records::RecordStore& store, int r, std::string_view date_line)
{
    Hasher h;
    h.bytes(date_line);
    const int count = store.record(r).rec_count;
    for (int i = 0; i < count; ++i) {
        for (double v : readings_of(store.raw(r, i)))
            h.number(v);
    }
    return {mix(h.a), mix(h.b)};
}

HistoryStore::HistoryStore(sqlite3* db, std::string path, bool read_only, std::string notice)
    : db_(db), path_(std::move(path)), read_only_(read_only), notice_(std::move(notice))
{
}

HistoryStore::HistoryStore(HistoryStore&& other) noexcept
    : db_(std::exchange(other.db_, nullptr)),
      path_(std::move(other.path_)),
      read_only_(other.read_only_),
      notice_(std::move(other.notice_))
{
}

HistoryStore& HistoryStore::operator=(HistoryStore&& other) noexcept
{
    if (this != &other) {
        close(db_);
        db_ = std::exchange(other.db_, nullptr);
        path_ = std::move(other.path_);
        read_only_ = other.read_only_;
        notice_ = std::move(other.notice_);
    }
    return *this;
}

HistoryStore::~HistoryStore() { close(db_); }

Result<HistoryStore> HistoryStore::open(const std::string& path, std::int64_t now_utc)
{
    auto cannot = [&](const std::string& why) {
        return Result<HistoryStore>::failure(
            filled(translated("history", "The training history cannot be kept in %1: %2."), path, why));
    };
    const fs::path folder = fs::path(path).parent_path();
    std::error_code error;
    if (!folder.empty())
        fs::create_directories(folder, error);
    if (error)
        return cannot(error.message());

    std::string notice;
    if (fs::exists(path, error)) {
        const Check check = check_existing(path);
        if (check.found == Found::Later) {
            sqlite3* db = nullptr;
            if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
                const std::string why = sqlite_error(db);
                close(db);
                return Result<HistoryStore>::failure(
                    filled(translated("history", "The training history %1 cannot be read: %2."), path, why));
            }
            sqlite3_busy_timeout(db, kBusyTimeoutMs);
            return HistoryStore(db, path, true,
                                filled(translated("history", "The training history %1 was written by a later version "
                                                             "of trevalo: it is shown, and nothing is kept in it."),
                                       path));
        }
        if (check.found == Found::Broken) {
            const std::string aside = path + ".broken-" + stamp(now_utc);
            fs::rename(path, aside, error);
            if (error)
                return cannot(filled(translated("history", "it cannot be read (%1) nor moved aside (%2)"), check.why,
                                     error.message()));
            // The journal of a damaged file belongs to it.
            for (const char* suffix : {"-wal", "-shm", "-journal"}) {
                std::error_code ignored;
                if (fs::exists(path + suffix, ignored))
                    fs::rename(path + suffix, aside + suffix, ignored);
            }
            notice = filled(translated("history", "The training history %1 could not be read (%2); it was moved "
                                                  "to %3 and a new history started."),
                            path, check.why, aside);
        }
    }

    // SQLite's reason for a file it cannot make is that of its last try,
    // to open the file read-only: "No such file or directory".
    if (std::string why; !fs::exists(path, error) && !may_create_in(folder.empty() ? "." : folder.string(), why))
        return cannot(why);
    const bool existed = fs::exists(path, error);
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        const std::string why = sqlite_error(db);
        close(db);
        return cannot(why);
    }
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    HistoryStore store(db, path, false, std::move(notice));
    // Readers never wait for a writer; NORMAL is safe in WAL mode: a crash
    // loses at most the last transactions, never the file.
    Result<void> ready = to_wal(db);
    if (ready)
        ready = run(db, "PRAGMA synchronous = NORMAL");
    bool later = false;
    if (ready)
        ready = migrate(db, later);
    store.read_only_ = later;
    if (!ready) {
        // Only a file this open made, and that no other process holds, is
        // taken away again: removing one in use would fail that process too.
        const int code = sqlite3_errcode(db) & 0xff;
        const bool made = !existed && fs::file_size(path, error) == 0 && code != SQLITE_BUSY && code != SQLITE_LOCKED;
        store = HistoryStore(nullptr, {}, false, {});
        if (made) {
            // Nothing half-made left behind.
            std::error_code ignored;
            for (const char* suffix : {"", "-wal", "-shm", "-journal"})
                fs::remove(path + suffix, ignored);
        }
        return cannot(ready.error());
    }
    return store;
}

std::string HistoryStore::fault(const std::string& pattern) const
{
    return filled(pattern, path_, sqlite_error(db_));
}

Result<void> HistoryStore::exec(const char* sql) const
{
    return run(db_, sql);
}

Result<KeepReport> HistoryStore::keep(const records::RecordStore& store, const std::vector<std::string>& date_lines,
                                      std::string_view file_name, std::int64_t now_utc)
{
    if (read_only_)
        return Result<KeepReport>::failure(filled(
            translated("history", "The training history %1 was written by a later version of trevalo; this one keeps "
                                  "nothing in it."),
            path_));
    const std::string doing = translated("history", "The training history %1 could not keep the workouts: %2.");
    if (!exec("BEGIN IMMEDIATE"))
        return Result<KeepReport>::failure(fault(doing));
    Statement kept(db_, "SELECT 1 FROM workouts WHERE hash_a = ?1 AND hash_b = ?2");
    Statement forgotten(db_, "SELECT 1 FROM forgotten WHERE hash_a = ?1 AND hash_b = ?2");
    Statement insert(db_,
                     "INSERT INTO workouts(hash_a, hash_b, date_line, start_utc, week, month, unit, imperial,"
                     " sample_count, total_calories, total_distance, total_time, weight, file_name, kept_utc,"
                     " duration_s, distance, distance_km, climb_m, calories, average_speed, average_pulse,"
                     " fastest_1k, fastest_mile, fastest_5k, fastest_10k, fastest_half)"
                     " VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18,"
                     " ?19, ?20, ?21, ?22, ?23, ?24, ?25, ?26, ?27)");
    Statement samples(db_, "INSERT INTO samples(workout_id, readings) VALUES(?1, ?2)");
    if (!kept || !forgotten || !insert || !samples)
        return rolled_back<KeepReport>(db_, fault(doing));

    KeepReport report;
    std::string readings;
    const int records = std::min<int>(static_cast<int>(date_lines.size()), records::kMaxRecords);
    for (int r = 0; r < records; ++r) {
        const std::string& date_line = date_lines[static_cast<std::size_t>(r)];
        const Identity id = workout_identity(store, r, date_line);
        auto known = [&](Statement& s) {
            s.reset();
            s.bind(1, static_cast<std::int64_t>(id.a));
            s.bind(2, static_cast<std::int64_t>(id.b));
            return s.step() == SQLITE_ROW;
        };
        if (known(kept)) {
            ++report.already_kept;
            continue;
        }
        if (known(forgotten)) {
            ++report.forgotten;
            continue;
        }

        const records::RecordTotals& record = store.record(r);
        const WorkoutSummary s = summarise(store, r);
        const auto start = records::header_start(date_line);
        insert.reset();
        insert.bind(1, static_cast<std::int64_t>(id.a));
        insert.bind(2, static_cast<std::int64_t>(id.b));
        insert.bind(3, std::string_view(date_line));
        if (start) {
            insert.bind(4, records::to_utc(*start));
            insert.bind(5, std::string_view(iso_week(*start)));
            insert.bind(6, std::string_view(month(*start)));
        } else {
            insert.bind_null(4);
            insert.bind_null(5);
            insert.bind_null(6);
        }
        insert.bind(7, std::string_view(record.rec_unit));
        insert.bind(8, std::int64_t{records::RecordStore::imperial(record)});
        insert.bind(9, std::int64_t{record.rec_count});
        insert.bind(10, std::int64_t{record.rec_calories});
        insert.bind(11, record.rec_distance);
        insert.bind(12, std::int64_t{record.rec_time});
        insert.bind(13, std::int64_t{record.rec_weight});
        insert.bind(14, file_name);
        insert.bind(15, now_utc);
        insert.bind(16, s.duration_s);
        insert.bind(17, s.distance);
        insert.bind(18, s.distance_km);
        insert.bind(19, s.climb_m);
        insert.bind(20, s.calories);
        insert.bind(21, s.average_speed);
        insert.bind(22, s.average_pulse);
        for (int b = 0; b < kBestDistances; ++b)
            insert.bind(23 + b, s.fastest[static_cast<std::size_t>(b)]);
        if (insert.step() != SQLITE_DONE)
            return rolled_back<KeepReport>(db_, fault(doing));

        encode(store, r, readings);
        samples.reset();
        samples.bind(1, static_cast<std::int64_t>(sqlite3_last_insert_rowid(db_)));
        sqlite3_bind_blob(samples.get(), 2, readings.data(), static_cast<int>(readings.size()), SQLITE_STATIC);
        if (samples.step() != SQLITE_DONE)
            return rolled_back<KeepReport>(db_, fault(doing));
        ++report.added;
    }
    if (!exec("COMMIT"))
        return rolled_back<KeepReport>(db_, fault(doing));
    return report;
}

Result<void> HistoryStore::forget(const std::vector<std::int64_t>& ids)
{
    if (read_only_)
        return Result<void>::failure(filled(
            translated("history", "The training history %1 was written by a later version of trevalo; this one "
                                  "changes nothing in it."),
            path_));
    const std::string doing = translated("history", "The training history %1 could not forget the workouts: %2.");
    if (!exec("BEGIN IMMEDIATE"))
        return Result<void>::failure(fault(doing));
    Statement remember(db_, "INSERT OR IGNORE INTO forgotten SELECT hash_a, hash_b FROM workouts WHERE id = ?1");
    Statement drop_samples(db_, "DELETE FROM samples WHERE workout_id = ?1");
    Statement drop(db_, "DELETE FROM workouts WHERE id = ?1");
    if (!remember || !drop_samples || !drop)
        return rolled_back<void>(db_, fault(doing));
    for (const std::int64_t id : ids) {
        for (Statement* s : {&remember, &drop_samples, &drop}) {
            s->reset();
            s->bind(1, id);
            if (s->step() != SQLITE_DONE)
                return rolled_back<void>(db_, fault(doing));
        }
    }
    if (!exec("COMMIT"))
        return rolled_back<void>(db_, fault(doing));
    return {};
}

namespace {

double km_per(Unit unit) { return unit == Unit::Mile ? kKilometresPerMile : 1; }
double metres_per(Unit unit) { return unit == Unit::Mile ? kMetresPerFoot : 1; }

std::optional<double> pace(double seconds, double distance)
{
    return distance > 0 ? std::optional(seconds / distance) : std::nullopt;
}

}  // namespace

Result<std::vector<WorkoutRow>> HistoryStore::workouts(Unit unit) const
{
    Statement q(db_,
                "SELECT id, date_line, start_utc, duration_s, distance_km / ?1,"
                " average_speed * (CASE imperial WHEN 1 THEN 1.609344 ELSE 1 END) / ?1,"
                " climb_m / ?2, calories, average_pulse, file_name, imperial"
                " FROM workouts ORDER BY start_utc IS NULL, start_utc DESC, id DESC");
    if (!q)
        return Result<std::vector<WorkoutRow>>::failure(fault(translated("history", "The training history %1 could not list its workouts: %2.")));
    q.bind(1, km_per(unit));
    q.bind(2, metres_per(unit));
    std::vector<WorkoutRow> rows;
    int step;
    while ((step = q.step()) == SQLITE_ROW) {
        WorkoutRow w;
        w.id = q.integer(0);
        w.date_line = q.text(1);
        if (sqlite3_column_type(q.get(), 2) != SQLITE_NULL)
            w.start_utc = q.integer(2);
        w.duration_s = q.real(3);
        w.distance = q.real(4);
        w.average_speed = q.maybe_real(5);
        w.pace_s = pace(w.duration_s, w.distance);
        w.climb = q.real(6);
        w.calories = q.real(7);
        w.average_pulse = q.maybe_real(8);
        w.file_name = q.text(9);
        w.imperial = q.integer(10) != 0;
        rows.push_back(std::move(w));
    }
    if (step != SQLITE_DONE)
        return Result<std::vector<WorkoutRow>>::failure(fault(translated("history", "The training history %1 could not list its workouts: %2.")));
    return rows;
}

Result<std::vector<PeriodTotals>> HistoryStore::totals(Period period, Unit unit) const
{
    const std::string column = period == Period::Week ? "week" : "month";
    const std::string sql = "SELECT " + column +
                            ", COUNT(*), SUM(distance_km) / ?1, SUM(duration_s), SUM(climb_m) / ?2"
                            " FROM workouts GROUP BY 1 ORDER BY " + column + " IS NULL, " + column + " DESC";
    Statement q(db_, sql.c_str());
    if (!q)
        return Result<std::vector<PeriodTotals>>::failure(fault(translated("history", "The training history %1 could not add up its periods: %2.")));
    q.bind(1, km_per(unit));
    q.bind(2, metres_per(unit));
    std::vector<PeriodTotals> rows;
    int step;
    while ((step = q.step()) == SQLITE_ROW) {
        PeriodTotals t{q.text(0), static_cast<int>(q.integer(1)), q.real(2), q.real(3), q.real(4), {}};
        t.pace_s = pace(t.duration_s, t.distance);
        rows.push_back(std::move(t));
    }
    if (step != SQLITE_DONE)
        return Result<std::vector<PeriodTotals>>::failure(fault(translated("history", "The training history %1 could not add up its periods: %2.")));
    return rows;
}

Result<PeriodTotals> HistoryStore::overall(Unit unit) const
{
    Statement q(db_, "SELECT COUNT(*), TOTAL(distance_km) / ?1, TOTAL(duration_s), TOTAL(climb_m) / ?2 FROM workouts");
    if (!q)
        return Result<PeriodTotals>::failure(fault(translated("history", "The training history %1 could not add up its workouts: %2.")));
    q.bind(1, km_per(unit));
    q.bind(2, metres_per(unit));
    if (q.step() != SQLITE_ROW)
        return Result<PeriodTotals>::failure(fault(translated("history", "The training history %1 could not add up its workouts: %2.")));
    PeriodTotals t{{}, static_cast<int>(q.integer(0)), q.real(1), q.real(2), q.real(3), {}};
    t.pace_s = pace(t.duration_s, t.distance);
    return t;
}

Result<PersonalBests> HistoryStore::bests(Unit unit) const
{
    // The first to reach a best keeps it.
    auto best = [&](const std::string& column, const char* order, double divisor) -> Result<std::optional<Best>> {
        const std::string sql = "SELECT id, date_line, " + column + " FROM workouts WHERE " + column +
                                " > 0 ORDER BY " + column + " " + order +
                                ", start_utc IS NULL, start_utc, id LIMIT 1";
        Statement q(db_, sql.c_str());
        if (!q)
            return Result<std::optional<Best>>::failure(fault(translated("history", "The training history %1 could not find the personal bests: %2.")));
        const int step = q.step();
        if (step == SQLITE_DONE)
            return std::optional<Best>();
        if (step != SQLITE_ROW)
            return Result<std::optional<Best>>::failure(fault(translated("history", "The training history %1 could not find the personal bests: %2.")));
        return std::optional(Best{q.integer(0), q.text(1), q.real(2) / divisor});
    };
    PersonalBests bests;
    struct Wanted {
        std::optional<Best>* into;
        std::string column;
        const char* order;
        double divisor;
    };
    std::vector<Wanted> wanted = {{&bests.longest_distance, "distance_km", "DESC", km_per(unit)},
                                  {&bests.longest_time, "duration_s", "DESC", 1},
                                  {&bests.most_climb, "climb_m", "DESC", metres_per(unit)}};
    for (int b = 0; b < kBestDistances; ++b)
        wanted.push_back({&bests.fastest[static_cast<std::size_t>(b)], kFastestColumns[b], "ASC", 1});
    for (const Wanted& w : wanted) {
        auto found = best(w.column, w.order, w.divisor);
        if (!found)
            return Result<PersonalBests>::failure(found.error());
        *w.into = std::move(found).value();
    }
    return bests;
}

Result<KeptWorkout> HistoryStore::workout(std::int64_t id) const
{
    Statement q(db_,
                "SELECT w.date_line, w.unit, w.sample_count, w.total_calories, w.total_distance, w.total_time,"
                " w.weight, w.file_name, s.readings FROM workouts w JOIN samples s ON s.workout_id = w.id"
                " WHERE w.id = ?1");
    if (!q)
        return Result<KeptWorkout>::failure(fault(translated("history", "The training history %1 could not read a workout: %2.")));
    q.bind(1, id);
    const int step = q.step();
    if (step == SQLITE_DONE)
        return Result<KeptWorkout>::failure(
            filled(translated("history", "The training history %1 has no workout %2."), path_, id));
    if (step != SQLITE_ROW)
        return Result<KeptWorkout>::failure(fault(translated("history", "The training history %1 could not read a workout: %2.")));

    KeptWorkout w{std::make_unique<records::RecordStore>(), {q.text(0)}, q.text(7)};
    records::RecordTotals& record = w.store->record(0);
    record.rec_unit = q.text(1);
    const int count = static_cast<int>(q.integer(2));
    record.rec_calories = static_cast<std::int16_t>(q.integer(3));
    record.rec_distance = q.real(4);
    record.rec_time = static_cast<std::int16_t>(q.integer(5));
    record.rec_weight = static_cast<std::int16_t>(q.integer(6));
    const auto* blob = static_cast<const char*>(sqlite3_column_blob(q.get(), 8));
    const auto samples =
        count < 0 || count > records::kMaxSamples
            ? std::nullopt
            : decode(std::string_view(blob ? blob : "", static_cast<std::size_t>(sqlite3_column_bytes(q.get(), 8))),
                     count);
    if (!samples)
        return Result<KeptWorkout>::failure(filled(
            translated("history", "The training history %1: the readings of workout %2 do not match its sample count."),
            path_, id));
    const bool imperial = records::RecordStore::imperial(record);
    for (int i = 0; i < count; ++i) {
        const records::RawSample& s = (*samples)[static_cast<std::size_t>(i)];
        const records::SampleLevels levels{records::speed_level(s.speed, imperial).value_or(0),
                                           records::incline_level(s.incline).value_or(0),
                                           records::pulse_level(s.pulse).value_or(0)};
        w.store->set_raw(0, i, s, levels, imperial);
    }
    record.rec_count = static_cast<std::int16_t>(count);
    return w;
}

Result<std::vector<records::WorkoutRow>> HistoryStore::table_rows() const
{
    std::vector<std::int64_t> ids;
    {
        Statement q(db_, "SELECT id FROM workouts ORDER BY start_utc IS NULL, start_utc DESC, id DESC");
        int step = SQLITE_ERROR;
        while (q && (step = q.step()) == SQLITE_ROW)
            ids.push_back(q.integer(0));
        if (step != SQLITE_DONE)
            return Result<std::vector<records::WorkoutRow>>::failure(fault(translated("history", "The training history %1 could not list its workouts: %2.")));
    }
    std::vector<records::WorkoutRow> rows;
    rows.reserve(ids.size());
    for (const std::int64_t id : ids) {
        auto kept = workout(id);
        if (!kept)
            return Result<std::vector<records::WorkoutRow>>::failure(kept.error());
        rows.push_back(records::workouts_table(kept->date_lines, *kept->store).front());
    }
    return rows;
}

}  // namespace trevalo::history
