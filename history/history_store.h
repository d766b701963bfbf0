#pragma once

// The training history: every workout of every record file opened, kept
// once in an SQLite file, with what the History window asks of it.
//
// A workout is known by two hashes of its date line and its readings, so a
// log opened again, or a later log that repeats older workouts, adds only
// what is new. A workout the user forgot stays forgotten.

#include "base/result.h"
#include "history/calendar.h"
#include "history/workout_summary.h"
#include "records/record_store.h"
#include "records/workouts_table.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace trevalo::history {

// $XDG_DATA_HOME/trevalo/history.sqlite, else under $HOME/.local/share; the
// variables' values are given (null when unset), so that the choice can be
// tried without changing the environment.
std::string default_history_path(const char* xdg_data_home, const char* home);
// Where this system keeps a user's data: the rule above on Linux,
// %LOCALAPPDATA%\trevalo\history.sqlite on Windows (history/places.h).
std::string default_history_path();

// The schema this build writes.
inline constexpr int kSchemaVersion = 1;

enum class Unit { Mile, KM };

struct Identity {
    std::uint64_t a = 0, b = 0;
    friend bool operator==(const Identity&, const Identity&) = default;
};
Identity workout_identity(const records::RecordStore& store, int r, std::string_view date_line);

struct KeepReport {
    int added = 0;
    int already_kept = 0;
    int forgotten = 0;  // in the file, but forgotten before
};

struct WorkoutRow {
    std::int64_t id = 0;
    std::string date_line;
    std::optional<std::int64_t> start_utc;
    double duration_s = 0;
    double distance = 0;                 // in the unit asked for
    std::optional<double> average_speed;  // the unit asked for per hour
    std::optional<double> pace_s;         // seconds per mile or km
    double climb = 0;                     // feet for Mile, metres for KM
    double calories = 0;
    std::optional<double> average_pulse;
    std::string file_name;
    bool imperial = false;  // recorded in miles
};

struct PeriodTotals {
    std::string period;  // "2026-W49" or "2026-12"; empty: workouts whose date line gives no date
    int workouts = 0;
    double distance = 0;
    double duration_s = 0;
    double climb = 0;
    std::optional<double> pace_s;
};

struct Best {
    std::int64_t id = 0;
    std::string date_line;
    double value = 0;  // distance in the unit asked for, seconds, or climb
};
struct PersonalBests {
    std::optional<Best> longest_distance, longest_time, most_climb;
    std::array<std::optional<Best>, kBestDistances> fastest{};  // seconds, by kBestDistanceKm
};

// A kept workout as a record file of one record, for what runs on loaded files.
struct KeptWorkout {
    std::unique_ptr<records::RecordStore> store;
    std::vector<std::string> date_lines;  // one
    std::string file_name;
};

class HistoryStore {
public:
    // Opens the history at `path`, making it and its folder when missing. A
    // file that is no history, or a damaged one, is moved aside with the
    // time `now_utc` in its name and a new history started; notice() says so.
    // A history written by a later build is opened read-only.
    static Result<HistoryStore> open(const std::string& path, std::int64_t now_utc);

    HistoryStore(HistoryStore&&) noexcept;
    HistoryStore& operator=(HistoryStore&&) noexcept;
    ~HistoryStore();

    // For the user, when opening did something they should know of.
    const std::string& notice() const { return notice_; }
    bool read_only() const { return read_only_; }

    // Keeps the file's new workouts, all or none.
    Result<KeepReport> keep(const records::RecordStore& store, const std::vector<std::string>& date_lines,
                            std::string_view file_name, std::int64_t now_utc);
    // Removes the workouts and keeps them from coming back.
    Result<void> forget(const std::vector<std::int64_t>& ids);

    // Newest first, those without a readable start last.
    Result<std::vector<WorkoutRow>> workouts(Unit unit) const;
    Result<std::vector<PeriodTotals>> totals(Period period, Unit unit) const;
    Result<PeriodTotals> overall(Unit unit) const;
    Result<PersonalBests> bests(Unit unit) const;
    Result<KeptWorkout> workout(std::int64_t id) const;
    // Every workout as the loaded file's table gives it, newest first: what
    // exporting the whole history writes.
    Result<std::vector<records::WorkoutRow>> table_rows() const;

private:
    HistoryStore(sqlite3* db, std::string path, bool read_only, std::string notice);
    Result<void> exec(const char* sql) const;
    // The pattern's %1 is the history's path, %2 SQLite's reason.
    std::string fault(const std::string& pattern) const;

    sqlite3* db_ = nullptr;
    std::string path_;
    bool read_only_ = false;
    std::string notice_;
};

}  // namespace trevalo::history
