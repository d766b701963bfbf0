#include "exports/tcx_writer.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QStringList>
#include <QXmlStreamReader>

#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iostream>
#include <limits>
#include <string>
#include <unistd.h>
#include <vector>

namespace trevalo::exports {
namespace {

// Each element in document order with its path from the root
// ("TrainingCenterDatabase/Activities/..."); an attribute as "<path>/@Name".
struct Element {
    QString path, ns, text;
    QStringList children;
};

std::vector<Element> parse(const QByteArray& xml)
{
    QXmlStreamReader reader(xml);
    std::vector<Element> all;
    std::vector<std::size_t> open;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            const QString name = reader.name().toString();
            QString path = name;
            if (!open.empty()) {
                all[open.back()].children << name;
                path.prepend(all[open.back()].path + u'/');
            }
            all.push_back({path, reader.namespaceUri().toString(), {}, {}});
            open.push_back(all.size() - 1);
            for (const auto& a : reader.attributes())
                all.push_back({path + "/@" + a.name().toString(), {}, a.value().toString(), {}});
        } else if (reader.isEndElement()) {
            open.pop_back();
        } else if (reader.isCharacters() && !reader.isWhitespace() && !open.empty()) {
            all[open.back()].text += reader.text();
        }
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString() << " at line " << reader.lineNumber();
    return all;
}

std::vector<const Element*> all_at(const std::vector<Element>& all, const QString& tail)
{
    std::vector<const Element*> found;
    for (const Element& e : all)
        if (e.path == tail || e.path.endsWith(u'/' + tail))
            found.push_back(&e);
    return found;
}

using Texts = std::vector<std::string>;

Texts texts_at(const std::vector<Element>& all, const QString& tail)
{
    Texts texts;
    for (const Element* e : all_at(all, tail))
        texts.push_back(e->text.toStdString());
    return texts;
}

Workout sample()
{
    Workout w;
    w.start_utc = 1772346600;  // 2026-03-01T06:30:00Z
    w.elapsed_s = 3.5;
    w.distance_m = 9.375;
    w.calories = 2;
    w.average_speed_mps = 2.6785714;
    w.max_speed_mps = 3.05;
    w.average_heart_rate = 121;
    w.max_heart_rate = 133;
    w.points = {{0, 0, 0, std::nullopt, 0}, {1, 2.5, 2.5, 118, 1}, {2.5, 6.1234, 2.41666667, 0, 1}, {3.5, 9.375, 3.05, 300, 1.5}};
    return w;
}

Workout without_pulse()
{
    Workout w = sample();
    w.average_heart_rate.reset();
    w.max_heart_rate.reset();
    for (Point& p : w.points)
        p.heart_rate.reset();
    return w;
}

Workout without_points()
{
    Workout w = sample();
    w.points.clear();
    return w;
}

TEST(TcxWriter, IsWellFormedWithEachElementInItsNamespace)
{
    const QByteArray xml = write_tcx(sample());
    EXPECT_TRUE(xml.startsWith(R"(<?xml version="1.0" encoding="UTF-8"?>)")) << xml.left(60).toStdString();
    const auto all = parse(xml);
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all.front().path.toStdString(), "TrainingCenterDatabase");
    for (const Element& e : all) {
        if (e.path.contains("/@"))
            continue;
        const bool extension = e.path.contains("/TPX") || e.path.contains("/LX");
        EXPECT_EQ(e.ns.toStdString(), extension ? "http://www.garmin.com/xmlschemas/ActivityExtension/v2"
                                                : "http://www.garmin.com/xmlschemas/TrainingCenterDatabase/v2")
            << e.path.toStdString();
    }
}

// From the TCX v2 schema: each element's children in the order of its
// sequence, the required ones present, none repeated that may not be.
TEST(TcxWriter, ChildrenStandInTheSchemasOrder)
{
    const struct {
        QString element;
        QStringList sequence, required;
    } rules[] = {
        {"TrainingCenterDatabase", {"Folders", "Activities", "Workouts", "Courses", "Author", "Extensions"}, {"Activities"}},
        {"Activities", {"Activity", "MultiSportSession"}, {"Activity"}},
        {"Activity", {"Id", "Lap", "Notes", "Training", "Creator", "Extensions"}, {"Id", "Lap"}},
        {"Lap",
         {"TotalTimeSeconds", "DistanceMeters", "MaximumSpeed", "Calories", "AverageHeartRateBpm", "MaximumHeartRateBpm",
          "Intensity", "Cadence", "TriggerMethod", "Track", "Notes", "Extensions"},
         {"TotalTimeSeconds", "DistanceMeters", "Calories", "Intensity", "TriggerMethod"}},
        {"Track", {"Trackpoint"}, {"Trackpoint"}},
        {"Trackpoint",
         {"Time", "Position", "AltitudeMeters", "DistanceMeters", "HeartRateBpm", "Cadence", "SensorState", "Extensions"},
         {"Time"}},
        {"AverageHeartRateBpm", {"Value"}, {"Value"}},
        {"MaximumHeartRateBpm", {"Value"}, {"Value"}},
        {"HeartRateBpm", {"Value"}, {"Value"}},
        {"TPX", {"Speed", "RunCadence", "Watts", "Extensions"}, {}},
        {"LX", {"AvgSpeed", "MaxBikeCadence", "AvgRunCadence", "MaxRunCadence", "Steps", "AvgWatts", "MaxWatts", "Extensions"}, {}},
    };
    const QStringList repeatable = {"Activity", "MultiSportSession", "Lap", "Track", "Trackpoint"};
    for (const Workout& workout : {sample(), without_pulse(), without_points()}) {
        const auto all = parse(write_tcx(workout));
        for (const auto& rule : rules) {
            for (const Element* e : all_at(all, rule.element)) {
                const std::string where = e->path.toStdString();
                qsizetype last = -1;
                for (const QString& child : e->children) {
                    const qsizetype at = rule.sequence.indexOf(child);
                    EXPECT_TRUE(at > last || (at == last && repeatable.contains(child))) << child.toStdString() << " in " << where;
                    last = at;
                }
                for (const QString& name : rule.required)
                    EXPECT_TRUE(e->children.contains(name)) << name.toStdString() << " missing in " << where;
            }
        }
    }
}

TEST(TcxWriter, WritesTheLapTotalsAndEveryTrackpoint)
{
    const auto all = parse(write_tcx(sample()));
    const struct {
        QString tail;
        Texts texts;
    } cases[] = {
        {"Activity/@Sport", {"Running"}},
        {"Activity/Id", {"2026-03-01T06:30:00Z"}},
        {"Lap/@StartTime", {"2026-03-01T06:30:00Z"}},
        {"Lap/TotalTimeSeconds", {"3.5"}},
        {"Lap/DistanceMeters", {"9.38"}},
        {"Lap/MaximumSpeed", {"3.05"}},
        {"Lap/Calories", {"2"}},
        {"Lap/AverageHeartRateBpm/Value", {"121"}},
        {"Lap/MaximumHeartRateBpm/Value", {"133"}},
        {"Lap/Intensity", {"Active"}},
        {"Lap/TriggerMethod", {"Manual"}},
        {"Lap/Extensions/LX/AvgSpeed", {"2.679"}},
        {"Trackpoint/Time", {"2026-03-01T06:30:00Z", "2026-03-01T06:30:01Z", "2026-03-01T06:30:02.500Z", "2026-03-01T06:30:03.500Z"}},
        {"Trackpoint/DistanceMeters", {"0", "2.5", "6.12", "9.38"}},
        {"Trackpoint/Extensions/TPX/Speed", {"0", "2.5", "2.417", "3.05"}},
        {"Trackpoint/HeartRateBpm/Value", {"118", "255"}},  // 0 bpm is none: the schema's heart rate starts at 1
        {"Position", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(texts_at(all, c.tail), c.texts) << c.tail.toStdString();
    std::vector<bool> with_pulse;
    for (const Element* point : all_at(all, "Trackpoint"))
        with_pulse.push_back(point->children.contains("HeartRateBpm"));
    EXPECT_EQ(with_pulse, (std::vector<bool>{false, true, false, true}));
}

TEST(TcxWriter, NoPulseMeansNoHeartRateElements)
{
    const auto all = parse(write_tcx(without_pulse()));
    for (const QString name : {"AverageHeartRateBpm", "MaximumHeartRateBpm", "HeartRateBpm"})
        EXPECT_TRUE(all_at(all, name).empty()) << name.toStdString();
    EXPECT_EQ(all_at(all, "Trackpoint").size(), sample().points.size());
}

TEST(TcxWriter, BringsWhatTheSchemaCannotHoldIntoItsRange)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* what;
        std::function<void(Workout&)> change;
        QString tail;
        Texts texts;
    } cases[] = {
        {"calories below zero", [](Workout& w) { w.calories = -5; }, "Lap/Calories", {"0"}},
        {"calories past unsigned short", [](Workout& w) { w.calories = 70000; }, "Lap/Calories", {"65535"}},
        {"average pulse of 0", [](Workout& w) { w.average_heart_rate = 0; }, "Lap/AverageHeartRateBpm", {}},
        {"maximum pulse past a byte", [](Workout& w) { w.max_heart_rate = 300; }, "Lap/MaximumHeartRateBpm/Value", {"255"}},
        {"no maximum speed", [](Workout& w) { w.max_speed_mps = 0; }, "Lap/MaximumSpeed", {}},
        {"no average speed", [&](Workout& w) { w.average_speed_mps = nan; }, "Lap/Extensions", {}},
        {"distance not a number", [&](Workout& w) { w.distance_m = nan; }, "Lap/DistanceMeters", {"0"}},
        {"speed not a number", [&](Workout& w) { w.points = {{0, 0, nan, {}, 0}}; }, "TPX/Speed", {"0"}},
        {"no points: a Track holds at least one", [](Workout& w) { w.points.clear(); }, "Track", {}},
        {"start before 1970", [](Workout& w) { w.start_utc = -1; }, "Activity/Id", {"1969-12-31T23:59:59Z"}},
        {"start before year 1", [](Workout& w) { w.start_utc = INT64_MIN; }, "Activity/Id", {"0001-01-01T00:00:00Z"}},
        {"start after year 9999", [](Workout& w) { w.start_utc = INT64_MAX; }, "Activity/Id", {"9999-12-31T23:59:59Z"}},
        {"point past year 9999", [](Workout& w) { w.points = {{1e300, 0, 0, {}, 0}}; }, "Time", {"9999-12-31T23:59:59.999Z"}},
        {"point time not a number", [&](Workout& w) { w.points = {{nan, 0, 0, {}, 0}}; }, "Time", {"2026-03-01T06:30:00Z"}},
        {"point rounded past midnight", [](Workout& w) { w.points = {{62999.9996, 0, 0, {}, 0}}; }, "Time",
         {"2026-03-02T00:00:00Z"}},
    };
    for (const auto& c : cases) {
        Workout w = sample();
        c.change(w);
        EXPECT_EQ(texts_at(parse(write_tcx(w)), c.tail), c.texts) << c.what;
    }
}

TEST(TcxWriter, SameBytesUnderAGermanLocale)
{
    const std::string plain = write_tcx(sample()).toStdString();
    const QLocale qt_default;
    const std::string c_numeric = std::setlocale(LC_NUMERIC, nullptr);
    const struct {
        const char* what;
        std::function<bool()> set;
    } locales[] = {
        {"QLocale::setDefault(de_DE)", [] { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); return true; }},
        {"setlocale(LC_NUMERIC, de_DE.UTF-8)", [] { return std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr; }},
    };
    for (const auto& l : locales) {
        if (!l.set()) {
            std::cout << "[ SKIPPED  ] " << l.what << ": no such locale here (see locale -a)\n";
            continue;
        }
        EXPECT_EQ(write_tcx(sample()).toStdString(), plain) << l.what;
        QLocale::setDefault(qt_default);
        std::setlocale(LC_NUMERIC, c_numeric.c_str());
    }
}

// Needs xmllint and the schema, which Debian's pytrainer package ships;
// TREVALO_TCX_XSD may name another copy.
TEST(TcxWriter, ValidatesAgainstTheSchema)
{
    const char* named = std::getenv("TREVALO_TCX_XSD");
    const std::string xsd = named ? named : "/usr/share/pytrainer/schemas/GarminTrainingCenterDatabase_v2.xsd";
    if (std::system("command -v xmllint >/dev/null") != 0 || !std::ifstream(xsd))
        GTEST_SKIP() << "needs xmllint and the TCX v2 schema at " << xsd;

    Workout extreme = sample();
    extreme.calories = 70000;
    extreme.max_heart_rate = 300;
    extreme.start_utc = INT64_MIN;
    for (const Workout& workout : {sample(), without_pulse(), without_points(), extreme}) {
        char path[] = "/tmp/tcx_test_XXXXXX";
        const int fd = mkstemp(path);
        ASSERT_GE(fd, 0);
        const QByteArray xml = write_tcx(workout);
        ASSERT_EQ(::write(fd, xml.constData(), static_cast<std::size_t>(xml.size())), xml.size());
        ::close(fd);
        const std::string log = std::string(path) + ".log";
        const int status = std::system(("xmllint --noout --nonet --schema '" + xsd + "' " + path + " >" + log + " 2>&1").c_str());
        EXPECT_EQ(status, 0) << std::ifstream(log).rdbuf();
        std::remove(path);
        std::remove(log.c_str());
    }
}

}  // namespace
}  // namespace trevalo::exports
