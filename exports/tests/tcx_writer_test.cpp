#include "exports/tcx_writer.h"
#include "exports/tests/read_back.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QRegularExpression>

#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iostream>
#include <limits>

namespace trevalo::exports {
namespace {

// Totals that need rounding, and points without a pulse, with 0 bpm (none:
// the schema's heart rate starts at 1) and past a byte.
const Workout sample{.start_utc = 1772346600,  // 2026-03-01T06:30:00Z
                     .elapsed_s = 3.5, .distance_m = 9.375, .calories = 2, .average_speed_mps = 2.6785714,
                     .max_speed_mps = 3.05, .average_heart_rate = 121, .max_heart_rate = 133,
                     .points = {{0, 0, 0, {}, 0}, {1, 2.5, 2.5, 118, 1}, {2.5, 6.1234, 2.41666667, 0, 1},
                                {3.5, 9.375, 3.05, 300, 1.5}}};

// The sample as a whole file: namespaces, prefixes, order, every value.
QString golden()
{
    std::ifstream in(TREVALO_SOURCE_DIR "/exports/tests/sample.tcx", std::ios::binary);
    return QString::fromStdString({std::istreambuf_iterator<char>(in), {}});
}

TEST(TcxWriter, WritesTheGoldenFileWhateverTheLocale)
{
    const std::string expected = golden().toStdString();
    EXPECT_EQ(write_tcx(sample).toStdString(), expected);
    const QLocale qt_default;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(write_tcx(sample).toStdString(), expected) << "QLocale::setDefault(de_DE)";
    QLocale::setDefault(qt_default);
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
        EXPECT_EQ(write_tcx(sample).toStdString(), expected) << "setlocale(LC_NUMERIC, de_DE.UTF-8)";
        std::setlocale(LC_NUMERIC, "C");
    } else {
        std::cout << "[ SKIPPED  ] setlocale(LC_NUMERIC, de_DE.UTF-8): no such locale here (see locale -a)\n";
    }
}

const double nan = std::numeric_limits<double>::quiet_NaN();

// What the schema cannot hold, brought into its range: each change to the
// sample changes the first match of `pattern` in the golden file to `becomes`.
const struct Change {
    const char* what;
    std::function<void(Workout&)> change;
    QString pattern, becomes;
} changes[] = {
    {"calories below 0", [](Workout& w) { w.calories = -5; }, "<Calories>2<", "<Calories>0<"},
    {"calories past 65535", [](Workout& w) { w.calories = 70000; }, "<Calories>2<", "<Calories>65535<"},
    {"no average pulse", [](Workout& w) { w.average_heart_rate.reset(); }, "<Av.*</AverageHeartRateBpm>", ""},
    {"maximum pulse of 0", [](Workout& w) { w.max_heart_rate = 0; }, "<MaximumH.*</MaximumHeartRateBpm>", ""},
    {"maximum pulse past a byte", [](Workout& w) { w.max_heart_rate = 300; }, "<Value>133<", "<Value>255<"},
    {"no maximum speed", [](Workout& w) { w.max_speed_mps = 0; }, "<MaximumSpeed>.*</MaximumSpeed>", ""},
    {"no average speed", [](Workout& w) { w.average_speed_mps = nan; }, "<Extensions>\\s*<ns3:LX.*</Extensions>", ""},
    {"distance not a number", [](Workout& w) { w.distance_m = nan; }, "<DistanceMeters>9.38<", "<DistanceMeters>0<"},
    {"speed not a number", [](Workout& w) { w.points[1].speed_mps = nan; }, "<ns3:Speed>2.5<", "<ns3:Speed>0<"},
    {"no points: a Track holds at least one", [](Workout& w) { w.points.clear(); }, "<Track>.*</Track>", ""},
    // xsd:dateTime with four-digit years, to the millisecond.
    {"point past year 9999", [](Workout& w) { w.points[0].elapsed_s = 1e300; }, "<Time>2026-03-01T06:30:00Z<",
     "<Time>9999-12-31T23:59:59.999Z<"},
    {"point time not a number", [](Workout& w) { w.points[1].elapsed_s = nan; }, "06:30:01Z", "06:30:00Z"},
    {"rounded past midnight", [](Workout& w) { w.points[0].elapsed_s = 62999.9996; }, "<Time>2026-03-01T06:30:00Z<",
     "<Time>2026-03-02T00:00:00Z<"},
};

// A start the years 1..9999 cannot hold, or before 1970.
const struct {
    std::int64_t start;
    QString id;
} starts[] = {{-1, "1969-12-31T23:59:59Z"}, {INT64_MIN, "0001-01-01T00:00:00Z"}, {INT64_MAX, "9999-12-31T23:59:59Z"}};

Workout changed(const std::function<void(Workout&)>& change)
{
    Workout w = sample;
    change(w);
    return w;
}

TEST(TcxWriter, BringsWhatTheSchemaCannotHoldIntoItsRange)
{
    for (const Change& c : changes) {
        QString expected = golden();
        const QRegularExpression pattern(c.pattern, QRegularExpression::DotMatchesEverythingOption);
        const auto match = pattern.match(expected);
        ASSERT_TRUE(match.hasMatch()) << c.what;
        expected.replace(match.capturedStart(), match.capturedLength(), c.becomes);
        expected.remove(QRegularExpression("\n *(?=\n)"));  // the line of an element taken out
        EXPECT_EQ(write_tcx(changed(c.change)).toStdString(), expected.toStdString()) << c.what;
    }
    for (const auto& s : starts) {
        const QByteArray xml = write_tcx(changed([&](Workout& w) { w.start_utc = s.start; }));
        EXPECT_TRUE(xml.contains("<Id>" + s.id.toUtf8() + "</Id>")) << xml.toStdString();
    }
}

// Needs xmllint and the schema, which Debian's pytrainer package ships;
// TREVALO_TCX_XSD may name another copy.
TEST(TcxWriter, EveryWorkoutHereValidatesAgainstTheSchema)
{
    const char* named = std::getenv("TREVALO_TCX_XSD");
    const std::string xsd = named ? named : "/usr/share/pytrainer/schemas/GarminTrainingCenterDatabase_v2.xsd";
    if (std::system("command -v xmllint >/dev/null") != 0 || !std::ifstream(xsd))
        GTEST_SKIP() << "needs xmllint and the TCX v2 schema at " << xsd;
    // One run for all: what xmllint says of a failure names the element and its value.
    std::vector<std::string> xml = {write_tcx(sample).toStdString()};
    for (const Change& c : changes)
        xml.push_back(write_tcx(changed(c.change)).toStdString());
    for (const auto& s : starts)
        xml.push_back(write_tcx(changed([&](Workout& w) { w.start_utc = s.start; })).toStdString());
    const auto [status, said] = testing::read_back("xmllint --noout --nonet --schema '" + xsd + "'", xml);
    EXPECT_EQ(status, 0) << said;
}

}  // namespace
}  // namespace trevalo::exports
