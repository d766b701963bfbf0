#include "exports/tcx_writer.h"
#include "test_support/read_back.h"

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

const double nan = std::numeric_limits<double>::quiet_NaN();

// What the schema cannot hold, brought into its range: each change to the
// sample changes the first match of `pattern` in the golden file to `becomes`.
const struct Change {
    const char* what;
    std::function<void(Workout&)> change;
    QString pattern, becomes;
} changes[] = {
    {"nothing: the golden file", [](Workout&) {}, "", ""},
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
    std::string id;
} starts[] = {{-1, "1969-12-31T23:59:59Z"}, {INT64_MIN, "0001-01-01T00:00:00Z"}, {INT64_MAX, "9999-12-31T23:59:59Z"}};

Workout changed(const std::function<void(Workout&)>& change)
{
    Workout w = sample;
    change(w);
    return w;
}

// Written under German locales, Qt's and C's (where the system has it), as
// on a user's machine. Then all validated against the schema in one run
// (what xmllint says of a failure names the element and its value); that
// needs xmllint and the schema, which Debian's pytrainer package ships, or
// another copy named by TREVALO_TCX_XSD.
TEST(TcxWriter, BringsWhatTheSchemaCannotHoldIntoItsRangeWhateverTheLocale)
{
    const QLocale qt_default;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        std::cout << "setlocale(LC_NUMERIC, de_DE.UTF-8): no such locale here (see locale -a); Qt's German only\n";
    std::vector<std::string> written;
    for (const Change& c : changes) {
        QString expected = golden();
        const QRegularExpression pattern(c.pattern, QRegularExpression::DotMatchesEverythingOption);
        const auto match = pattern.match(expected);
        ASSERT_TRUE(match.hasMatch()) << c.what;
        expected.replace(match.capturedStart(), match.capturedLength(), c.becomes);
        expected.remove(QRegularExpression("\n *(?=\n)"));  // the line of an element taken out
        written.push_back(write_tcx(changed(c.change)).toStdString());
        EXPECT_EQ(written.back(), expected.toStdString()) << c.what;
    }
    for (const auto& s : starts) {
        written.push_back(write_tcx(changed([&](Workout& w) { w.start_utc = s.start; })).toStdString());
        EXPECT_NE(written.back().find("<Id>" + s.id + "</Id>"), std::string::npos) << written.back();
    }
    QLocale::setDefault(qt_default);
    std::setlocale(LC_NUMERIC, "C");

    const char* named = std::getenv("TREVALO_TCX_XSD");
    const std::string xsd = named ? named : "/usr/share/pytrainer/schemas/GarminTrainingCenterDatabase_v2.xsd";
    if (std::system("command -v xmllint >/dev/null") != 0 || !std::ifstream(xsd))
        GTEST_SKIP() << "needs xmllint and the TCX v2 schema at " << xsd;
    const auto [status, said] = test_support::read_back("xmllint --noout --nonet --schema '" + xsd + "'", written);
    EXPECT_EQ(status, 0) << said;
}

}  // namespace
}  // namespace trevalo::exports
