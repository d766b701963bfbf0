#include "record_file_builder.h"
#include "records/number_field.h"
#include "records/record_reader.h"

#include <gtest/gtest.h>

#include <memory>

namespace trevalo::records {
namespace {

using testing::RecordFile;
using testing::Sample;

struct Loaded {
    std::unique_ptr<RecordStore> store = std::make_unique<RecordStore>();
    std::vector<std::string> names;
    std::optional<LoadError> error;
};

Loaded load(const std::string& file)
{
    Loaded l;
    l.error = read_records(file, *l.store, l.names);
    return l;
}

TEST(RecordReader, ReadsTwoRecordsEachInItsOwnUnit)
{
    Sample fast;
    fast.speed = "10.0";
    const Loaded l = load(RecordFile()
                              .header("2026/03/01 07:30")
                              .weight("150", "LBS")
                              .samples(3, fast)
                              .header("2026/03/02 18:05")
                              .weight(" 68", " KG")
                              .samples(25, fast)
                              .text());
    ASSERT_FALSE(l.error) << l.error->message();
    EXPECT_EQ(l.names, (std::vector<std::string>{"2026/03/01 07:30", "2026/03/02 18:05"}));
    EXPECT_EQ(l.store->record(0).rec_count, 3);
    EXPECT_EQ(l.store->record(1).rec_count, 25);
    EXPECT_EQ(l.store->record(0).rec_weight, 150);
    EXPECT_EQ(l.store->record(1).rec_weight, 68);
    EXPECT_EQ(l.store->record(1).rec_unit, " KG");
    EXPECT_EQ(l.store->levels(0, 2).rec_speed, 6);   // 10 / 2 + 1
    EXPECT_EQ(l.store->levels(1, 24).rec_speed, 4);  // 10 / 3.2 + 1
    EXPECT_EQ(l.store->levels(1, 25).rec_speed, 0);  // no sample there
}

TEST(RecordReader, TotalsComeFromTheFirstAndLastSampleCountingUpOrDown)
{
    struct Case {
        Sample first, last;
        int time, calories;
        double distance;
    };
    auto at = [](std::string m, std::string s, std::string cal, std::string dist) {
        Sample x;
        x.minutes = m;
        x.seconds = s;
        x.calories = cal;
        x.distance = dist;
        return x;
    };
    for (const Case& c : {Case{at("00", "30", "005", "0.10"), at("25", "10", "123", "2.50"), 1510, 123, 2.5},
                          Case{at("30", "00", "250", "5.00"), at("00", "00", "010", "3.70"), 1800, 240, 1.3},
                          Case{at("12", "00", "100", "1.00"), at("12", "00", "100", "1.00"), 0, 0, 0},
                          // Plain numbers of any shape read alike.
                          Case{at(" 0", "5 ", "  2", "  .5"), at("10", " 0", "12 ", "12.5"), 600, 12, 12.5},
                          Case{at("00", "00", "000", "0.00"), at(" 1", " 1", "  9", "001."), 61, 9, 1.0}}) {
        const Loaded l = load(RecordFile().header().sample(c.first).samples(5).sample(c.last).text());
        ASSERT_FALSE(l.error);
        const RecordTotals& r = l.store->record(0);
        EXPECT_EQ(r.rec_time, c.time);
        EXPECT_EQ(r.rec_calories, c.calories);
        EXPECT_NEAR(r.rec_distance, c.distance, 1e-12);
        EXPECT_EQ(r.rec_count, 7);
    }
}

// Levels of one sample line in an imperial or metric record.
SampleLevels levels(const Sample& s, const std::string& unit = "LBS")
{
    const Loaded l = load(RecordFile().header().weight("150", unit).sample(s).text());
    EXPECT_FALSE(l.error) << l.error->message();
    return l.store->levels(0, 0);
}

TEST(RecordReader, LevelsRoundHalvesToEvenAndStayWithinTheBars)
{
    const std::vector<int> incline_levels{1, 2, 2, 2, 3, 4, 4, 4, 5, 6, 6, 6, 7, 8, 8, 8};
    for (int incline = 0; incline <= 15; ++incline) {
        Sample s;
        s.incline = testing::right_aligned(incline, 2, '0');
        EXPECT_EQ(levels(s).rec_incline, incline_levels[incline]) << s.incline;
    }
    struct Speed {
        const char* unit;
        const char* field;
        int level;
    };
    for (const Speed& c : {Speed{"LBS", " 0.0", 1}, Speed{"LBS", " 0.5", 1}, Speed{"LBS", " 1.0", 2},
                           Speed{"LBS", " 3.0", 2}, Speed{"LBS", " 4.0", 3}, Speed{"LBS", " 5.0", 4},
                           Speed{"LBS", "12.0", 7}, Speed{"LBS", "13.0", 8}, Speed{"LBS", "15.0", 8},
                           Speed{"LBS", "20.0", 8}, Speed{" KG", " 0.8", 1}, Speed{" KG", " 1.6", 2},
                           Speed{" KG", " 4.8", 2}, Speed{" KG", " 8.0", 4}, Speed{" KG", " 9.6", 4},
                           Speed{" KG", "20.0", 7}, Speed{" KG", "20.8", 8}, Speed{" KG", "24.0", 8},
                           Speed{"lbs", " 8.0", 4}, Speed{" KG", "-9.0", 0}}) {
        Sample s;
        s.speed = c.field;
        EXPECT_EQ(levels(s, c.unit).rec_speed, c.level) << c.unit << " '" << c.field << "'";
    }
    struct Pulse {
        const char* field;
        int level;
    };
    for (const Pulse& c : {Pulse{" 39", 0}, Pulse{"040", 1}, Pulse{" 45", 2}, Pulse{" 55", 2}, Pulse{" 60", 3},
                           Pulse{" 65", 4}, Pulse{"120", 9}, Pulse{"125", 10}, Pulse{"220", 19}}) {
        Sample s;
        s.pulse = c.field;
        EXPECT_EQ(levels(s).rec_pulse, c.level) << c.field;
    }
    Sample negative;
    negative.incline = "-4";
    EXPECT_EQ(levels(negative).rec_incline, 0);

    // The usual shapes take a shorter road; any other shape of the same
    // number must give the same levels.
    Sample usual, other;
    usual.incline = "05", other.incline = "5 ";
    usual.speed = "12.0", other.speed = " 12.";
    usual.pulse = " 99", other.pulse = "99 ";
    for (const char* unit : {"LBS", " KG"}) {
        const SampleLevels a = levels(usual, unit), b = levels(other, unit);
        EXPECT_EQ((std::array{a.rec_incline, a.rec_speed, a.rec_pulse}),
                  (std::array{b.rec_incline, b.rec_speed, b.rec_pulse}));
    }
}

TEST(RecordReader, TheUnitOfASampleIsTheMarkerReadBeforeIt)
{
    Sample s;
    s.speed = " 8.0";
    const Loaded l = load(RecordFile().header().sample(s).weight("150", "LBS").sample(s).text());
    ASSERT_FALSE(l.error);
    EXPECT_EQ(l.store->levels(0, 0).rec_speed, 4);  // metric: no marker yet
    EXPECT_EQ(l.store->levels(0, 1).rec_speed, 5);  // imperial
}

TEST(RecordReader, LinesOfOtherLengthsAreSkipped)
{
    const Loaded l = load(RecordFile()
                              .header()
                              .sample({})
                              .line("")
                              .line(std::string(25, '1'))
                              .line(std::string(27, 'x'))
                              .sample({})
                              .header()
                              .header()
                              .text());
    ASSERT_FALSE(l.error);
    EXPECT_EQ(l.names.size(), 3u);
    EXPECT_EQ(l.store->record(0).rec_count, 2);
    EXPECT_EQ(l.store->record(1).rec_count, 0);
    EXPECT_EQ(l.store->record(1).rec_time, 0);
}

TEST(RecordReader, AnyLineEndingAndAnyChunkingReadTheSame)
{
    Sample s;
    s.minutes = "07";
    const std::string lf = RecordFile("\n").header().weight("150", "LBS").samples(3, s).header().text();
    const std::string cr = RecordFile("\r").header().weight("150", "LBS").samples(3, s).header().text();
    const std::string mixed = "2026/03/01 07:30\r150LBS\n" + RecordFile("\r\n").samples(3, s).header().text();
    const std::string long_lines = RecordFile()
                                       .header()
                                       .line(std::string(27, '1'))
                                       .weight("150", "LBS")
                                       .line(std::string(300, '2'))
                                       .samples(3, s)
                                       .header()
                                       .text();
    for (const std::string& file : {lf, cr, mixed, long_lines}) {
        for (std::size_t chunk : {std::size_t{1}, std::size_t{2}, std::size_t{7}, file.size()}) {
            RecordStore store;
            std::vector<std::string> names;
            RecordReader reader(store, names);
            for (std::size_t at = 0; at < file.size(); at += chunk)
                reader.feed(std::string_view(file).substr(at, chunk));
            ASSERT_TRUE(reader.finish()) << reader.error()->message();
            EXPECT_EQ(names.size(), 2u) << "chunk " << chunk;
            EXPECT_EQ(store.record(0).rec_count, 3) << "chunk " << chunk;
            EXPECT_EQ(store.record(0).rec_weight, 150);
        }
    }
    // The last line needs no line end.
    const Loaded l = load("2026/03/01 07:30\r\n150LBS");
    EXPECT_EQ(l.store->record(0).rec_weight, 150);
}

// A file without line ends, a device's endless bytes: the reader keeps no
// more of a line than tells its kind, and still counts it as one line.
TEST(RecordReader, AnEndlessLineIsSkippedAndCounted)
{
    RecordStore store;
    std::vector<std::string> names;
    RecordReader reader(store, names);
    reader.feed("2026/03/01 07:30\r\n");
    const std::string piece(1 << 16, '7');
    for (int i = 0; i < 64; ++i)
        reader.feed(piece);
    reader.feed("\r\nabcLBS\r\n");
    EXPECT_FALSE(reader.finish());
    EXPECT_EQ(reader.error(), (LoadError{LoadFailure::NotANumber, 3, "weight"}));
}

TEST(RecordReader, AFileWithoutHeadersHoldsNoRecordAndIsNoFailure)
{
    const Loaded l = load("hello\r\n\r\nworld\r\n");
    EXPECT_FALSE(l.error);
    EXPECT_TRUE(l.names.empty());
}

struct BadFile {
    const char* what;
    std::string file;
    LoadError error;
    std::size_t records_listed;
};

void PrintTo(const BadFile& c, std::ostream* os) { *os << c.what; }

class BadFiles : public ::testing::TestWithParam<BadFile> {};

TEST_P(BadFiles, StopAtTheFirstBadLineSayingWhereAndWhy)
{
    const BadFile& c = GetParam();
    const Loaded l = load(c.file);
    ASSERT_TRUE(l.error);
    EXPECT_EQ(*l.error, c.error) << l.error->message();
    EXPECT_EQ(l.names.size(), c.records_listed);
}

Sample with_speed(const char* speed)
{
    Sample s;
    s.speed = speed;
    return s;
}

Sample with_pulse(const char* pulse)
{
    Sample s;
    s.pulse = pulse;
    return s;
}

std::string many_headers(int count)
{
    RecordFile f;
    for (int i = 0; i < count; ++i)
        f.header();
    return f.text();
}

INSTANTIATE_TEST_SUITE_P(
    Reader, BadFiles,
    ::testing::Values(
        BadFile{"empty", "", {LoadFailure::EmptyFile, 0, ""}, 0},
        BadFile{"weight first", RecordFile().weight("150", "LBS").header().text(),
                {LoadFailure::LineBeforeHeader, 1, ""}, 0},
        BadFile{"sample first", RecordFile().line("").sample({}).text(), {LoadFailure::LineBeforeHeader, 2, ""}, 0},
        BadFile{"comma", RecordFile().header().header().samples(2).sample(with_speed(" 3,5")).text(),
                {LoadFailure::NotANumber, 5, "speed"}, 2},
        BadFile{"letters", RecordFile().header().sample(with_pulse("1O0")).text(),
                {LoadFailure::NotANumber, 2, "pulse"}, 1},
        BadFile{"blank field", RecordFile().header().weight("   ", "LBS").text(),
                {LoadFailure::NotANumber, 2, "weight"}, 1},
        BadFile{"plus sign", RecordFile().header().sample(with_speed("+3.5")).text(),
                {LoadFailure::NotANumber, 2, "speed"}, 1},
        BadFile{"colon in minutes", RecordFile().header().line("0::00 000 000 00 0.00  0.0").text(),
                {LoadFailure::NotANumber, 2, "minutes"}, 1},
        BadFile{"two points", RecordFile().header().line("00:00 000 000 00 0..0  0.0").text(),
                {LoadFailure::NotANumber, 2, "distance"}, 1},
        BadFile{"hex calories", RecordFile().header().line("00:00 0x5 000 00 0.00  0.0").text(),
                {LoadFailure::NotANumber, 2, "calories"}, 1},
        BadFile{"1026 samples", RecordFile().header().samples(1026).text(),
                {LoadFailure::TooManySamples, 1027, ""}, 1},
        BadFile{"1025 records", many_headers(1025), {LoadFailure::TooManyRecords, 1025, ""}, 1024}));

TEST(RecordReader, TheLargestRecordAndTheLargestFileLoad)
{
    Sample s;
    s.speed = "12.0";
    const Loaded one = load(RecordFile().header().weight("150", "LBS").samples(1025, s).text());
    ASSERT_FALSE(one.error);
    EXPECT_EQ(one.store->record(0).rec_count, 1025);
    EXPECT_EQ(one.store->levels(0, 1024).rec_speed, 7);

    const Loaded full = load(many_headers(1024));
    EXPECT_FALSE(full.error);
    EXPECT_EQ(full.names.size(), 1024u);
}

TEST(RecordReader, AFailedLoadKeepsWhatTheCutRecordHadRead)
{
    Sample s;
    s.calories = "010";
    Sample later = s;
    later.calories = "050";
    const Loaded l = load(RecordFile().header().sample(s).sample(later).sample(with_speed("abcd")).text());
    ASSERT_TRUE(l.error);
    EXPECT_EQ(l.store->record(0).rec_count, 2);
    EXPECT_EQ(l.store->record(0).rec_calories, 50);
}

TEST(NumberField, ReadsAPointWhateverTheLocaleAndRoundsToSixteenBits)
{
    EXPECT_EQ(field_number(" 3.5"), 3.5);
    EXPECT_EQ(field_number("12  "), 12.0);
    EXPECT_EQ(field_number("-4"), -4.0);
    for (const char* bad : {"", "   ", "3,5", "inf", "nan", "1e3", "0x10", "3 5"})
        EXPECT_FALSE(field_number(bad)) << '"' << bad << '"';
    EXPECT_EQ(to_int16(2.5), 2);
    EXPECT_EQ(to_int16(3.5), 4);
    EXPECT_EQ(to_int16(-32768.4), -32768);
    EXPECT_EQ(to_int16(32767.5), std::nullopt);
    EXPECT_EQ(to_int16(-32768.6), std::nullopt);
}

}  // namespace
}  // namespace trevalo::records

