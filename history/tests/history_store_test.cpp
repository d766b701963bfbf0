#include "history/history_store.h"
#include "records/tests/record_file_builder.h"

#include <sqlite3.h>
#include <sys/mount.h>
#include <sys/wait.h>

#include <csignal>
#include <cstdio>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

namespace trevalo::history {
namespace {

namespace fs = std::filesystem;
using records::testing::RecordFile;

constexpr std::int64_t kNow = 1796637600;  // 2026-12-07 10:00 UTC

struct Folder {
    Folder()
    {
        std::string name = (fs::temp_directory_path() / "history_XXXXXX").string();
        path = ::mkdtemp(name.data());
    }
    ~Folder() { fs::remove_all(path); }
    fs::path path;
};

std::string bytes_of(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A workout a minute per 0.1 of its unit at 6 an hour, ten samples and on.
RecordFile& add(RecordFile& file, const std::string& date, const char* unit, int minutes = 10)
{
    file.header(date).weight("150", unit);
    for (int k = 0; k <= minutes; ++k) {
        char minute[16], distance[16];
        std::snprintf(minute, sizeof minute, "%02d", k);
        std::snprintf(distance, sizeof distance, "%4.2f", 0.1 * k);
        file.sample({minute, "00", "010", "130", "02", distance, " 6.0"});
    }
    return file;
}

Result<KeepReport> keep(HistoryStore& store, const std::string& text, const char* name = "log.txt")
{
    const auto loaded = records::testing::load(text);
    EXPECT_TRUE(loaded.outcome.ok()) << loaded.outcome.error();
    return store.keep(*loaded.store, loaded.names, name, kNow);
}

TEST(HistoryStore, DefaultPathFollowsXdgDataHome)
{
    EXPECT_EQ(default_history_path("/x/data/", "/home/u"), "/x/data/trevalo/history.sqlite");
    EXPECT_EQ(default_history_path(nullptr, "/home/u"), "/home/u/.local/share/trevalo/history.sqlite");
    EXPECT_EQ(default_history_path("relative", "/home/u"), "/home/u/.local/share/trevalo/history.sqlite");
}

// Each row keeps a log after the ones above it, in the same history.
TEST(HistoryStore, KeepsEachWorkoutOnceAndForgottenOnesNever)
{
    Folder folder;
    auto store = HistoryStore::open((folder.path / "trevalo" / "history.sqlite").string(), kNow);
    ASSERT_TRUE(store.ok()) << store.error();
    RecordFile a, b, c;
    add(add(a, "2026/12/01 07:00", "LBS"), "2026/12/02 07:00", "LBS");
    add(add(add(b, "2026/12/01 07:00", "LBS"), "2026/12/02 07:00", "LBS"), "2026/12/03 07:00", " KG");
    add(c, "2026/12/01 07:00", "LBS", 11);  // the same date line, other readings
    const struct {
        const char* name;
        std::string log;
        bool forget_newest_first;
        KeepReport report;
        int workouts;
    } rows[] = {
        {"a new log", a.text(), false, {2, 0, 0}, 2},
        {"the same log again", a.text(), false, {0, 2, 0}, 2},
        {"a later log with one new workout", b.text(), false, {1, 2, 0}, 3},
        {"another workout of the same date", c.text(), false, {1, 0, 0}, 4},
        {"a log of forgotten workouts", b.text(), true, {0, 2, 1}, 3},
    };
    for (const auto& row : rows) {
        if (row.forget_newest_first) {
            const auto listed = store->workouts(Unit::KM);
            ASSERT_TRUE(listed.ok() && store.value().forget({listed->at(0).id}).ok()) << row.name;
        }
        const auto report = keep(store.value(), row.log);
        ASSERT_TRUE(report.ok()) << row.name << ": " << report.error();
        EXPECT_EQ(report->added, row.report.added) << row.name;
        EXPECT_EQ(report->already_kept, row.report.already_kept) << row.name;
        EXPECT_EQ(report->forgotten, row.report.forgotten) << row.name;
        EXPECT_EQ(store->overall(Unit::KM)->workouts, row.workouts) << row.name;
    }
}

TEST(HistoryStore, ReadsBackWhatItKeptInTheUnitAskedFor)
{
    Folder folder;
    auto store = HistoryStore::open((folder.path / "history.sqlite").string(), kNow);
    ASSERT_TRUE(store.ok()) << store.error();
    RecordFile file;
    add(add(add(file, "2026/12/06 23:59", " KG", 50), "2026/12/07 00:00", "LBS", 40), "Morning run 5 km", "LBS");
    file.line("10:30 000 120 00 .125  6.0");  // a reading of another shape
    const auto loaded = records::testing::load(file.text());
    ASSERT_TRUE(store.value().keep(*loaded.store, loaded.names, "log.txt", kNow).ok());

    const auto miles = store->workouts(Unit::Mile);
    ASSERT_TRUE(miles.ok()) << miles.error();
    ASSERT_EQ(miles->size(), 3u);
    EXPECT_EQ(miles->at(0).date_line, "2026/12/07 00:00");
    EXPECT_EQ(miles->at(2).date_line, "Morning run 5 km");
    EXPECT_NEAR(miles->at(1).distance, 5.0 / kKilometresPerMile, 1e-9);  // the kilometre log
    EXPECT_NEAR(*miles->at(1).average_speed, 6 / kKilometresPerMile, 1e-9);
    EXPECT_NEAR(*miles->at(0).pace_s, 600, 1e-9);

    const auto weeks = store->totals(Period::Week, Unit::KM);
    const auto months = store->totals(Period::Month, Unit::KM);
    ASSERT_TRUE(weeks.ok() && months.ok());
    ASSERT_EQ(weeks->size(), 3u);
    EXPECT_EQ(weeks->at(0).period, "2026-W50");
    EXPECT_NEAR(weeks->at(0).distance, 4 * kKilometresPerMile, 1e-9);
    EXPECT_EQ(weeks->at(1).period, "2026-W49");
    EXPECT_EQ(weeks->at(2).period, "");
    ASSERT_EQ(months->size(), 2u);
    EXPECT_EQ(months->at(0).workouts, 2);

    // 5 km: the mile log's 31:04 is faster than the kilometre log's 50:00.
    const auto bests = store->bests(Unit::Mile);
    ASSERT_TRUE(bests.ok()) << bests.error();
    EXPECT_EQ(bests->fastest[2]->value, 1864);
    EXPECT_EQ(bests->fastest[2]->date_line, "2026/12/07 00:00");
    EXPECT_EQ(bests->longest_time->date_line, "2026/12/06 23:59");
    EXPECT_NEAR(bests->longest_distance->value, 4, 1e-9);

    // Newest first: the second, the first, the one without a date.
    for (int k = 0; k < 3; ++k) {
        const int r = std::array{1, 0, 2}[static_cast<std::size_t>(k)];
        const auto kept = store->workout(miles->at(static_cast<std::size_t>(k)).id);
        ASSERT_TRUE(kept.ok()) << kept.error();
        const auto &back = kept->store->record(0), &read = loaded.store->record(r);
        EXPECT_EQ(std::tie(back.rec_count, back.rec_unit, back.rec_time, back.rec_distance, back.rec_calories),
                  std::tie(read.rec_count, read.rec_unit, read.rec_time, read.rec_distance, read.rec_calories));
        for (int i = 0; i < back.rec_count; ++i) {
            const auto a = kept->store->raw(0, i), b = loaded.store->raw(r, i);
            EXPECT_EQ(std::tie(a.time, a.calories, a.pulse, a.incline, a.distance, a.speed),
                      std::tie(b.time, b.calories, b.pulse, b.incline, b.distance, b.speed))
                << "workout " << r << ", sample " << i;
        }
    }
}

// Two processes keeping different logs at the same moment both finish.
TEST(HistoryStore, TwoProcessesKeepAtOnce)
{
    Folder folder;
    const std::string path = (folder.path / "history.sqlite").string();
    pid_t children[2];
    for (int p = 0; p < 2; ++p) {
        children[p] = ::fork();
        if (children[p] == 0) {
            RecordFile file;
            for (int w = 0; w < 200; ++w)
                add(file, "2026/11/" + std::to_string(10 + p) + " 07:" + std::to_string(10 + w % 50), "LBS", 5 + w / 50);
            auto store = HistoryStore::open(path, kNow);
            std::string why = store.ok() ? "" : store.error();
            for (int round = 0; why.empty() && round < 5; ++round)
                if (auto kept = keep(store.value(), file.text()); !kept)
                    why = kept.error();
            std::fprintf(stderr, "%s", why.c_str());  // the reason, for the failure below
            ::_exit(why.empty() ? 0 : 1);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(HistoryStore::open(path, kNow)->overall(Unit::KM)->workouts, 400);
}

// A process killed at any moment of keeping leaves all of a log's workouts
// or none, in a file that passes the full integrity check.
TEST(HistoryStore, AKilledKeepLeavesAllOrNothing)
{
    RecordFile file;
    for (int w = 0; w < 300; ++w)
        add(file, "2026/10/" + std::to_string(10 + w / 50) + " 07:" + std::to_string(10 + w % 50), "LBS", 30);
    const std::string text = file.text();
    // -1: killed right after the keep, its journal not yet folded in.
    for (const int delay_ms : {5, 30, 60, 75, 90, 105, 150, 400, -1}) {
        Folder folder;
        const std::string path = (folder.path / "history.sqlite").string();
        const pid_t child = ::fork();
        if (child == 0) {
            auto store = HistoryStore::open(path, kNow);
            const bool kept = store.ok() && keep(store.value(), text).ok();
            if (delay_ms < 0)
                ::raise(SIGKILL);
            ::_exit(kept ? 0 : 1);
        }
        if (delay_ms >= 0) {
            ::usleep(static_cast<useconds_t>(delay_ms) * 1000);
            ::kill(child, SIGKILL);
        }
        int status = 0;
        ::waitpid(child, &status, 0);

        auto reopened = HistoryStore::open(path, kNow);
        ASSERT_TRUE(reopened.ok()) << reopened.error();
        EXPECT_TRUE(reopened->notice().empty()) << reopened->notice();
        const int kept = reopened->overall(Unit::KM)->workouts;
        EXPECT_TRUE(kept == 0 || kept == 300) << kept << " after " << delay_ms << " ms";
        if (delay_ms < 0) {
            EXPECT_EQ(kept, 300);
        }
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
        sqlite3_stmt* check = nullptr;
        sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr);
        ASSERT_EQ(sqlite3_step(check), SQLITE_ROW);
        EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)), "ok");
        sqlite3_finalize(check);
        sqlite3_close(db);
    }
}

void set_version(const std::string& path, int version)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, ("PRAGMA user_version = " + std::to_string(version)).c_str(), 0, 0, 0), SQLITE_OK);
    sqlite3_close(db);
}

TEST(HistoryStore, MovesAsideWhatItCannotReadAndNeverWritesALaterHistory)
{
    RecordFile log;
    add(log, "2026/12/01 07:00", "LBS");
    const struct {
        const char* name;
        void (*make)(const std::string& path);
        bool moved_aside;
    } rows[] = {
        {"not SQLite", [](const std::string& p) { std::ofstream(p) << std::string(5000, 'x'); }, true},
        {"damaged",
         [](const std::string& p) {
             std::fstream f(p, std::ios::in | std::ios::out | std::ios::binary);
             f.seekp(4096 + 8);  // the cells of the second page
             f << std::string(4000, '\xff');
         },
         true},
        {"written by a later build", [](const std::string& p) { set_version(p, kSchemaVersion + 1); }, false},
    };
    for (const auto& row : rows) {
        Folder folder;
        const std::string path = (folder.path / "history.sqlite").string();
        {
            auto first = HistoryStore::open(path, kNow);
            ASSERT_TRUE(first.ok() && keep(first.value(), log.text()).ok());
        }
        row.make(path);
        const std::string before = bytes_of(path);
        auto store = HistoryStore::open(path, kNow);
        ASSERT_TRUE(store.ok()) << row.name << ": " << store.error();
        const std::string aside = path + ".broken-20261207-100000";
        if (row.moved_aside) {
            EXPECT_NE(store->notice().find(aside), std::string::npos) << row.name << ": " << store->notice();
            EXPECT_EQ(bytes_of(aside), before) << row.name;
            EXPECT_EQ(store->overall(Unit::KM)->workouts, 0) << row.name;
            EXPECT_TRUE(keep(store.value(), log.text()).ok()) << row.name;
        } else {
            EXPECT_TRUE(store->read_only()) << row.name;
            EXPECT_EQ(store->overall(Unit::KM)->workouts, 1) << row.name;
            EXPECT_FALSE(keep(store.value(), log.text()).ok()) << row.name;
            EXPECT_FALSE(store.value().forget({1}).ok()) << row.name;
            store = HistoryStore::open(path, kNow);
            EXPECT_EQ(bytes_of(path), before) << row.name;
            EXPECT_FALSE(fs::exists(aside)) << row.name;
        }
    }
}

// On a read-only disk nothing is made; on a full one a log is kept whole or not at all.
TEST(HistoryStore, SaysWhyWhenItsDiskCannotTakeIt)
{
    if (::getuid() != 0)
        GTEST_SKIP() << "needs root to mount a small tmpfs";
    RecordFile small, large;
    add(small, "2026/12/01 07:00", "LBS");
    for (int w = 0; w < 400; ++w)
        add(large, "2026/11/01 07:" + std::to_string(10 + w % 50), "LBS", 20 + w / 50);
    for (const bool read_only : {true, false}) {
        struct Disk : Folder {
            ~Disk() { ::umount2(path.c_str(), MNT_DETACH); }
        } disk;
        ASSERT_EQ(::mount("tmpfs", disk.path.c_str(), "tmpfs", read_only ? MS_RDONLY : 0, "size=256k"), 0) << errno;
        for (const fs::path& path : {disk.path / "trevalo" / "history.sqlite", disk.path / "history.sqlite"}) {
            auto store = HistoryStore::open(path.string(), kNow);
            if (read_only) {
                ASSERT_FALSE(store.ok()) << path;
                EXPECT_NE(store.error().find("cannot be kept in " + path.string() + ": Read-only file system"),
                          std::string::npos) << store.error();
                continue;
            }
            ASSERT_TRUE(store.ok() && keep(store.value(), small.text()).ok()) << store.error();
            const auto full = keep(store.value(), large.text());
            ASSERT_FALSE(full.ok());
            EXPECT_NE(full.error().find("full"), std::string::npos) << full.error();
            EXPECT_EQ(store->overall(Unit::KM)->workouts, 1);
            break;
        }
        EXPECT_EQ(fs::is_empty(disk.path), read_only);
    }
}

}  // namespace
}  // namespace trevalo::history
