#include "record_file_builder.h"
#include "records/number_field.h"
#include "records/start_time.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <tuple>

namespace trevalo::records {
namespace {

using testing::RecordFile;

// The usual shapes are packed and their levels looked up in tables; any
// other shape is computed, and kept aside when it does not pack.
TEST(RecordReader, LevelsRoundHalvesToEvenAndStayWithinTheBars)
{
    const struct {
        const char* unit;
        const char* sample;  // "MM:SS CCC PPP II D.DD SS.S"
        int speed, incline, pulse;
    } cases[] = {
        {"LBS", "00:00 000  39 00 0.00  0.0", 1, 1, 0},
        {"LBS", "00:00 000 040 01 0.00  0.5", 1, 2, 1},
        {"LBS", "00:00 000  45 02 0.00  1.0", 2, 2, 2},
        {"LBS", "00:00 000  55 03 0.00  3.0", 2, 2, 2},
        {"LBS", "00:00 000  60 04 0.00  4.0", 3, 3, 3},
        {"LBS", "00:00 000  65 05 0.00  5.0", 4, 4, 4},
        {"LBS", "00:00 000 120 06 0.00 12.0", 7, 4, 9},
        {"LBS", "00:00 000 125 07 0.00 13.0", 8, 4, 10},
        {"LBS", "00:00 000 220 08 0.00 15.0", 8, 5, 19},
        {"LBS", "00:00 000 000 09 0.00 20.0", 8, 6, 0},
        {" KG", "00:00 000  99 10 0.00  0.8", 1, 6, 7},
        {" KG", "00:00 000 100 11 0.00  1.6", 2, 6, 7},
        {" KG", "00:00 000 000 12 0.00  4.8", 2, 7, 0},
        {" KG", "00:00 000 000 13 0.00  8.0", 4, 8, 0},
        {" KG", "00:00 000 000 14 0.00  9.6", 4, 8, 0},
        {" KG", "00:00 000 000 15 0.00 20.0", 7, 8, 0},
        {" KG", "00:00 000 000 20 0.00 20.8", 8, 8, 0},
        {" KG", "00:00 000 000 00 0.00 24.0", 8, 1, 0},
        {" KG", "00:00 000  99 05 0.00 12.0", 5, 4, 7},
        {"lbs", "00:00 000 000 00 0.00  8.0", 4, 1, 0},
        // A new record is metric again, until marked, whatever follows the sample.
        {"", "00:00 000 000 00 0.00  8.0", 4, 1, 0},
        // Other shapes of the same numbers, and readings that do not pack.
        {" KG", "00:00 000 99  5  0.00  12.", 5, 4, 7},
        {"LBS", "00:00 000 99  5  0.00  12.", 7, 4, 7},
        {" KG", "00:00 000 000 -4 0.00 -9.0", 0, 0, 0},
        {"LBS", "00:00 000  30 00 0.00 3.55", 3, 1, 0},
    };
    for (const auto& c : cases) {
        RecordFile file;
        *c.unit ? file.header().weight("150", c.unit).line(c.sample)
                : file.header().weight("150", "LBS").header().line(c.sample).weight("150", "LBS");
        const auto l = testing::load(file.text());
        ASSERT_TRUE(l.outcome) << l.outcome.error();
        const SampleLevels s = l.store->levels(*c.unit ? 0 : 1, 0);
        EXPECT_EQ((std::array<int, 3>{s.rec_speed, s.rec_incline, s.rec_pulse}),
                  (std::array{c.speed, c.incline, c.pulse}))
            << c.unit << " '" << c.sample << "'";
    }
}

TEST(RecordReader, ReadsAlikeInAnyChunksAndStopsAtTheFirstBadLineSayingWhereAndWhy)
{
    const std::string first = "00:00 005 000 00 0.00  0.0", later = "00:01 010 000 00 0.00  0.0";
    const std::string last = "00:02 030 000 00 0.00  0.0";
    const auto lines = [&](const std::string& eol) {
        return RecordFile(eol).header().weight("150", "LBS").line(first).line(later).line(last).header().text();
    };
    // Five samples between these two.
    const auto totals = [](auto a, auto b) { return RecordFile().header().line(a).samples(5).line(b).text(); };
    const auto after_header = [](const std::string& line) { return RecordFile().header().line(line).text(); };
    RecordFile skipped;
    skipped.header().line(std::string(27, '1')).weight("150", "LBS").line(std::string(300, '2')).line(first);
    skipped.line("").line(std::string(25, '1')).line(later).line(last).header().header();
    RecordFile headers;
    for (int i = 0; i < kMaxRecords; ++i)
        headers.header();
    const struct {
        const char* what;
        std::string file;
        std::string error;  // empty for a load that succeeds
        std::size_t records;
        // The first record's samples, time, calories, distance and weight.
        std::array<double, 5> first{};
    } cases[] = {
        {"CR LF", lines("\r\n"), {}, 2, {3, 2, 30, 0, 150}},
        {"LF", lines("\n"), {}, 2, {3, 2, 30, 0, 150}},
        {"lone CR", lines("\r"), {}, 2, {3, 2, 30, 0, 150}},
        {"mixed, the last line without an end",
         "2026/03/01 07:30\r150LBS\n" + first + "\r\n" + later + "\r" + last + "\n2026/03/02 07:30", {}, 2,
         {3, 2, 30, 0, 150}},
        {"lines of other lengths skipped", skipped.text(), {}, 3, {3, 2, 30, 0, 150}},
        // Totals count up to the last sample or down from the first.
        {"up", totals("00:30 005 000 00 0.10  0.0", "25:10 123 000 00 2.50  0.0"), {}, 1, {7, 1510, 123, 2.5, 0}},
        {"down", totals("30:00 250 000 00 5.00  0.0", "00:00 010 000 00 3.75  0.0"), {}, 1, {7, 1800, 240, 1.25, 0}},
        {"still", totals("12:00 100 000 00 1.00  0.0", "12:00 100 000 00 1.00  0.0"), {}, 1, {7, 0, 0, 0, 0}},
        // Numbers of any shape read alike.
        {"shapes", totals(" 0:5    2 000 00   .5  0.0", "10: 0 12  000 00 12.5  0.0"), {}, 1, {7, 600, 12, 12.5, 0}},
        {"shapes", totals("00:00 000 000 00 0.00  0.0", " 1: 1   9 000 00 001.  0.0"), {}, 1, {7, 61, 9, 1, 0}},
        // A file without line ends, a device's endless bytes: no more of a
        // line is kept than tells its kind, and it still counts as one line.
        {"endless line", after_header(std::string(1 << 16, '7')) + "abcLBS", "Line 3, weight: not a number.", 1},
        {"no headers", "hello\r\n\r\nworld\r\n", {}, 0},
        {"1024 records", headers.text(), {}, 1024},
        {"1025 records", headers.text() + "2026/03/01 07:30", "Line 1025: more than 1024 workouts in one file.", 1024},
        {"1026 samples", RecordFile().header().samples(1026).text(),
         "Line 1027: more than 1025 samples in one workout.", 1, {1025}},
        {"empty", "", "The file is empty.", 0},
        {"weight first", RecordFile().weight("150", "LBS").header().text(),
         "Line 1: a workout line before the first date line.", 0},
        {"sample first", "\r\n" + first, "Line 2: a workout line before the first date line.", 0},
        // The cut record keeps what it had read.
        {"comma", after_header(first + "\r\n" + later + "\r\n00:03 000 000 00 0.00  3,5"),
         "Line 4, speed: not a number.", 1, {2, 1, 10, 0, 0}},
        {"letters", after_header("00:00 000 1O0 00 0.00  0.0"), "Line 2, pulse: not a number.", 1},
        {"blank field", RecordFile().header().weight("   ", "LBS").text(), "Line 2, weight: not a number.", 1},
        {"plus sign", after_header("00:00 000 000 +5 0.00  0.0"), "Line 2, incline: not a number.", 1},
        {"colon in minutes", after_header("0::00 000 000 00 0.00  0.0"), "Line 2, minutes: not a number.", 1},
        {"letter in seconds", after_header("00:0a 000 000 00 0.00  0.0"), "Line 2, seconds: not a number.", 1},
        {"two points", after_header("00:00 000 000 00 0..0  0.0"), "Line 2, distance: not a number.", 1},
        {"hex calories", after_header("00:00 0x5 000 00 0.00  0.0"), "Line 2, calories: not a number.", 1},
    };
    for (const auto& c : cases) {
        for (std::size_t chunk : {std::size_t{1}, std::size_t{2}, std::size_t{7}, c.file.size()}) {
            const auto l = testing::load(c.file, chunk);
            const RecordTotals& r = l.store->record(0);
            EXPECT_EQ(std::tuple(l.outcome.ok(), l.outcome.error(), l.names.size()),
                      std::tuple(c.error.empty(), c.error, c.records))
                << c.what << ", " << chunk;
            EXPECT_EQ((std::array<double, 5>{double(r.rec_count), double(r.rec_time), double(r.rec_calories),
                                             r.rec_distance, double(r.rec_weight)}),
                      c.first)
                << c.what << ", chunks of " << chunk;
        }
    }
}

TEST(NumberField, ReadsAPointWhateverTheLocaleAndRoundsToSixteenBits)
{
    for (const auto& [text, value] : {std::pair<const char*, std::optional<double>>{" 3.5", 3.5}, {"12  ", 12},
                                      {"-4", -4}, {"", {}}, {"   ", {}}, {"3,5", {}}, {"inf", {}}, {"nan", {}},
                                      {"1e3", {}}, {"0x10", {}}, {"3 5", {}}})
        EXPECT_EQ(field_number(text), value) << '"' << text << '"';
    // Half to even is held by the levels above.
    EXPECT_EQ(to_int16(-32768.4), -32768);
    EXPECT_EQ(to_int16(32767.5), std::nullopt);
    EXPECT_EQ(to_int16(-32768.6), std::nullopt);
}

TEST(StartTime, TheHeadersUsualShapesAreReadAndImpossibleDatesRefused)
{
    const std::optional<LocalTime> half_past_seven = LocalTime{2026, 3, 1, 7, 30}, none;
    for (const auto& [header, start] : {
             std::pair{"2026/03/01 07:30", half_past_seven}, {"2026-03-01 07:30", half_past_seven},
             {"2026.03.01T07:30", half_past_seven}, {" 2026/03/01 07:30 ", half_past_seven},
             {"2024/02/29 23:59", LocalTime{2024, 2, 29, 23, 59}}, {"2000/02/29 12:00", LocalTime{2000, 2, 29, 12, 0}},
             {"2100/02/29 12:00", none},
             {"2026/02/29 10:00", none}, {"2026/13/01 10:00", none}, {"2026/03/01 24:00", none},
             {"2026/03-01 07:30", none}, {"01/03/2026 07:30", none}, {"2026/03/01 07:30x", none},
             {"2026", none}, {"", none}})
        EXPECT_EQ(header_start(header), start) << header;
}

// Local time as the system's rules say, summer time included.
TEST(StartTime, LocalTimeBecomesUtc)
{
    const char* before = std::getenv("TZ");
    const std::string saved = before ? before : "";
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    tzset();
    EXPECT_EQ(to_utc({2026, 3, 1, 7, 30}), 1772346600);  // 06:30 UTC
    EXPECT_EQ(to_utc({2026, 7, 1, 7, 30}), 1782883800);  // 05:30 UTC
    before ? setenv("TZ", saved.c_str(), 1) : unsetenv("TZ");
    tzset();
}

}  // namespace
}  // namespace trevalo::records
