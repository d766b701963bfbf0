#include "exports/tcx_writer.h"

#include "exports/csv.h"

#include <QString>
#include <QXmlStreamWriter>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <optional>

namespace trevalo::exports {

namespace {

const QString kTrainingCenter = QStringLiteral("http://www.garmin.com/xmlschemas/TrainingCenterDatabase/v2");
const QString kActivityExtension = QStringLiteral("http://www.garmin.com/xmlschemas/ActivityExtension/v2");
const QString kSchemaInstance = QStringLiteral("http://www.w3.org/2001/XMLSchema-instance");

// xsd:dateTime has four-digit years for the readers that matter; a clock or
// record gone wrong must still give a file they open.
constexpr std::int64_t kFirstSecond = -62135596800;  // 0001-01-01T00:00:00Z
constexpr std::int64_t kLastSecond = 253402300799;   // 9999-12-31T23:59:59Z
constexpr std::int64_t kMsPerDay = 86'400'000;

QString utc_time(std::int64_t start_utc, double elapsed_s)
{
    // Bounded before llround so that it cannot overflow; wider than the
    // years 1..9999 so that the clamp below still decides.
    const double offset_s = std::isfinite(elapsed_s) ? std::clamp(elapsed_s, -4e11, 4e11) : 0.0;
    const std::int64_t ms = std::clamp(std::clamp(start_utc, kFirstSecond, kLastSecond) * 1000 +
                                           static_cast<std::int64_t>(std::llround(offset_s * 1000)),
                                       kFirstSecond * 1000, kLastSecond * 1000 + 999);
    std::int64_t day = ms / kMsPerDay;
    std::int64_t in_day = ms % kMsPerDay;
    if (in_day < 0) {
        --day;
        in_day += kMsPerDay;
    }
    const std::chrono::year_month_day date{std::chrono::sys_days{std::chrono::days{day}}};
    const auto seconds = static_cast<int>(in_day / 1000);
    const auto milliseconds = static_cast<int>(in_day % 1000);

    char text[80];
    int length = std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d", static_cast<int>(date.year()),
                               static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()), seconds / 3600,
                               seconds / 60 % 60, seconds % 60);
    if (milliseconds != 0)
        length += std::snprintf(text + length, sizeof text - static_cast<std::size_t>(length), ".%03d", milliseconds);
    return QString::fromLatin1(text, length) + u'Z';
}

// A reader stops at "nan" or "inf" in an xsd:double it expects a number in.
QString decimal(double value, int max_decimals)
{
    return QString::fromStdString(csv_number(std::isfinite(value) ? value : 0.0, max_decimals));
}

bool known(double value) { return std::isfinite(value) && value > 0; }

// The schema's heart rate is 1..255; a sensor that reads 0 has no pulse.
std::optional<int> pulse(std::optional<int> bpm)
{
    if (!bpm || *bpm <= 0)
        return std::nullopt;
    return std::min(*bpm, 255);
}

void write_heart_rate(QXmlStreamWriter& xml, const QString& name, std::optional<int> bpm)
{
    if (const auto value = pulse(bpm)) {
        xml.writeStartElement(name);
        xml.writeTextElement(QStringLiteral("Value"), QString::number(*value));
        xml.writeEndElement();
    }
}

void write_trackpoint(QXmlStreamWriter& xml, std::int64_t start_utc, const Point& point)
{
    xml.writeStartElement(QStringLiteral("Trackpoint"));
    xml.writeTextElement(QStringLiteral("Time"), utc_time(start_utc, point.elapsed_s));
    xml.writeTextElement(QStringLiteral("DistanceMeters"), decimal(point.distance_m, 2));
    write_heart_rate(xml, QStringLiteral("HeartRateBpm"), point.heart_rate);
    xml.writeStartElement(QStringLiteral("Extensions"));
    xml.writeStartElement(kActivityExtension, QStringLiteral("TPX"));
    xml.writeTextElement(kActivityExtension, QStringLiteral("Speed"), decimal(point.speed_mps, 3));
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
}

}  // namespace

QByteArray write_tcx(const Workout& workout)
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument();

    xml.writeStartElement(QStringLiteral("TrainingCenterDatabase"));
    xml.writeDefaultNamespace(kTrainingCenter);
    // The prefix Garmin's own exports use: some readers match "ns3:TPX" as
    // text instead of resolving the namespace.
    xml.writeNamespace(kActivityExtension, QStringLiteral("ns3"));
    xml.writeNamespace(kSchemaInstance, QStringLiteral("xsi"));
    xml.writeAttribute(kSchemaInstance, QStringLiteral("schemaLocation"),
                       kTrainingCenter + QStringLiteral(" http://www.garmin.com/xmlschemas/TrainingCenterDatabasev2.xsd ") +
                           kActivityExtension + QStringLiteral(" http://www.garmin.com/xmlschemas/ActivityExtensionv2.xsd"));

    xml.writeStartElement(QStringLiteral("Activities"));
    xml.writeStartElement(QStringLiteral("Activity"));
    xml.writeAttribute(QStringLiteral("Sport"), QStringLiteral("Running"));
    const QString start = utc_time(workout.start_utc, 0);
    xml.writeTextElement(QStringLiteral("Id"), start);

    xml.writeStartElement(QStringLiteral("Lap"));
    xml.writeAttribute(QStringLiteral("StartTime"), start);
    xml.writeTextElement(QStringLiteral("TotalTimeSeconds"), decimal(workout.elapsed_s, 3));
    xml.writeTextElement(QStringLiteral("DistanceMeters"), decimal(workout.distance_m, 2));
    if (known(workout.max_speed_mps))
        xml.writeTextElement(QStringLiteral("MaximumSpeed"), decimal(workout.max_speed_mps, 3));
    xml.writeTextElement(QStringLiteral("Calories"), QString::number(std::clamp(workout.calories, 0, 65535)));
    write_heart_rate(xml, QStringLiteral("AverageHeartRateBpm"), workout.average_heart_rate);
    write_heart_rate(xml, QStringLiteral("MaximumHeartRateBpm"), workout.max_heart_rate);
    xml.writeTextElement(QStringLiteral("Intensity"), QStringLiteral("Active"));
    xml.writeTextElement(QStringLiteral("TriggerMethod"), QStringLiteral("Manual"));
    // A Track must hold at least one Trackpoint.
    if (!workout.points.empty()) {
        xml.writeStartElement(QStringLiteral("Track"));
        for (const Point& point : workout.points)
            write_trackpoint(xml, workout.start_utc, point);
        xml.writeEndElement();
    }
    if (known(workout.average_speed_mps)) {
        xml.writeStartElement(QStringLiteral("Extensions"));
        xml.writeStartElement(kActivityExtension, QStringLiteral("LX"));
        xml.writeTextElement(kActivityExtension, QStringLiteral("AvgSpeed"), decimal(workout.average_speed_mps, 3));
        xml.writeEndElement();
        xml.writeEndElement();
    }

    xml.writeEndDocument();  // closes Lap, Activity, Activities and the root
    return out;
}

}  // namespace trevalo::exports
