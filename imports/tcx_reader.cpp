#include "imports/tcx_reader.h"

#include "base/translation.h"

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace trevalo::imports {

namespace {

const QString kActivityExtension = QStringLiteral("http://www.garmin.com/xmlschemas/ActivityExtension/v2");

// Beyond these a file is broken, not a workout; within them every sum and
// quotient below stays a finite number.
constexpr double kFastestMps = 1000;
constexpr double kFurthestMetres = 1e7;   // 10,000 km
constexpr double kHighestMetres = 1e5;    // above or below the sea
// Below a millimetre, a climb over the distance is a device's rounding, not
// a slope.
constexpr double kShortestRunMetres = 1e-3;
// A value quoted back is cut here: a refusal is read, not scrolled.
constexpr qsizetype kLongestQuoted = 40;

std::string where(qint64 line, qint64 column)
{
    return filled(translated("imports", "line %1, column %2"), line, column);
}

// Appended, not '"' + a temporary: GCC 12 at -O3 takes the insertion at the
// front for an overlapping copy (-Wrestrict) and stops a -Werror build.
std::string quoted(const QString& value)
{
    std::string text(1, '"');
    text += (value.size() <= kLongestQuoted ? value : value.left(kLongestQuoted)).toStdString();
    text += value.size() <= kLongestQuoted ? "\"" : "...\"";
    return text;
}

// An xsd:dateTime as tools write it: a four-digit year, seconds with any
// fraction, "Z", an offset or no zone at all (read as UTC: only the times'
// differences count). Seconds since 1970 and the fraction apart, so that a
// day's differences keep their nanoseconds.
struct Instant {
    std::int64_t seconds = 0;
    double fraction = 0;
};

class TimeText {
public:
    explicit TimeText(std::string_view text) : text_(text) {}

    std::optional<Instant> parse()
    {
        const auto year = digits(4);
        const bool date_ok = year && take('-');
        const auto month = date_ok ? digits(2) : std::nullopt;
        const auto day = month && take('-') ? digits(2) : std::nullopt;
        const auto hour = day && take('T') ? digits(2) : std::nullopt;
        const auto minute = hour && take(':') ? digits(2) : std::nullopt;
        const auto second = minute && take(':') ? digits(2) : std::nullopt;
        if (!second)
            return std::nullopt;
        double fraction = 0;
        if (take('.')) {
            // Nanoseconds are more than any device measures; further digits
            // need only be digits.
            int count = 0;
            double scale = 1;
            while (at_ < text_.size() && is_digit(text_[at_])) {
                if (++count <= 9) {
                    scale /= 10;
                    fraction += (text_[at_] - '0') * scale;
                }
                ++at_;
            }
            if (count == 0)
                return std::nullopt;
        }
        const std::optional<int> offset = zone();
        if (!offset || at_ != text_.size())
            return std::nullopt;
        const std::chrono::year_month_day date{std::chrono::year{*year}, std::chrono::month(*month),
                                               std::chrono::day(*day)};
        const bool midnight_after = *hour == 24 && *minute == 0 && *second == 0 && fraction == 0;
        if (!date.ok() || (*hour > 23 && !midnight_after) || *minute > 59 || *second > 59)
            return std::nullopt;
        const std::int64_t days = std::chrono::sys_days(date).time_since_epoch().count();
        return Instant{days * 86400 + *hour * 3600 + *minute * 60 + *second - *offset, fraction};
    }

private:
    static bool is_digit(char c) { return c >= '0' && c <= '9'; }

    std::optional<int> digits(int count)
    {
        int value = 0;
        for (int i = 0; i < count; ++i, ++at_) {
            if (at_ >= text_.size() || !is_digit(text_[at_]))
                return std::nullopt;
            value = value * 10 + (text_[at_] - '0');
        }
        return value;
    }

    bool take(char c)
    {
        if (at_ >= text_.size() || text_[at_] != c)
            return false;
        ++at_;
        return true;
    }

    // Seconds east of UTC.
    std::optional<int> zone()
    {
        if (at_ == text_.size() || take('Z'))
            return 0;
        const int sign = take('+') ? 1 : take('-') ? -1 : 0;
        const auto hours = sign != 0 ? digits(2) : std::nullopt;
        const auto minutes = hours && take(':') ? digits(2) : std::nullopt;
        if (!minutes || *hours > 14 || *minutes > 59)
            return std::nullopt;
        return sign * (*hours * 3600 + *minutes * 60);
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

// A trackpoint kept on the timeline, in seconds since the first.
struct Point {
    double t = 0;
    std::optional<double> distance_m, altitude_m, speed_mps;
};

class Reader {
public:
    explicit Reader(std::string_view bytes)
        : xml_(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())))
    {
    }

    Result<ActivityReadings> read()
    {
        const bool has_root = xml_.readNextStartElement();
        const QString root = xml_.name().toString();
        const std::string root_at = here();
        if (has_root && root == u"TrainingCenterDatabase")
            read_children([this] { read_children([this] { read_activity(); }, u"Activity"); }, u"Activities");
        while (!xml_.atEnd() && !xml_.hasError())
            xml_.readNext();
        if (xml_.hasError()) {
            std::string error = xml_.errorString().toStdString();
            if (!error.ends_with('.'))
                error += '.';
            return refuse(filled(translated("imports", "Not a TCX activity: the XML is broken at %1: %2"), here(), error));
        }
        if (root != u"TrainingCenterDatabase")
            return refuse(filled(translated("imports", "Not a TCX activity: the file starts with <%1> at %2, not with "
                                                       "<TrainingCenterDatabase>."),
                                 root.toStdString(), root_at));
        if (activity_at_.empty())
            return refuse(translated("imports", "The TCX file holds no <Activity>, so there is no workout to read."));
        if (sport_ == u"Biking")
            return refuse(filled(
                translated("imports", "This is a ride, not a run. The activity at %1 has the sport \"Biking\"."),
                activity_at_));
        // A file that names no sport is read, as a FIT activity that gives none is.
        if (!sport_.isEmpty() && sport_ != u"Running" && sport_ != u"Other")
            return refuse(filled(translated("imports", "The activity at %1 has the sport %2, which is not a run."),
                                 activity_at_, quoted(sport_)));
        if (!problem_.empty())
            return refuse(problem_);
        if (points_.size() < 2)
            return refuse(filled(translated("imports", "The activity at %1 has no trackpoints at two different times, "
                                                       "so the workout has no length."),
                                 activity_at_));
        return readings();
    }

private:
    static Result<ActivityReadings> refuse(std::string error)
    {
        return Result<ActivityReadings>::failure(std::move(error));
    }

    std::string here() const { return where(xml_.lineNumber(), xml_.columnNumber()); }

    // Reads the current element's children named `name` with `read`, skips
    // the rest: TCX's summaries, positions and pulses carry no pace.
    template <typename Read>
    void read_children(Read read, QStringView name)
    {
        while (xml_.readNextStartElement()) {
            if (xml_.name() == name)
                read();
            else
                xml_.skipCurrentElement();
        }
    }

    // Only the first activity: a file of several is a history, and which
    // run the runner meant is theirs to cut out.
    void read_activity()
    {
        if (!activity_at_.empty()) {
            xml_.skipCurrentElement();
            return;
        }
        activity_at_ = here();
        sport_ = xml_.attributes().value(QLatin1StringView("Sport")).toString();
        read_children([this] { read_children([this] { read_track(); }, u"Track"); }, u"Lap");
    }

    void read_track() { read_children([this] { read_trackpoint(); }, u"Trackpoint"); }

    void read_trackpoint()
    {
        if (!problem_.empty()) {
            xml_.skipCurrentElement();
            return;
        }
        if (++trackpoints_ > kTcxMostTrackpoints) {
            problem_ = filled(translated("imports", "<Trackpoint> at %1: the activity grows past %2 trackpoints here."),
                              here(), kTcxMostTrackpoints);
            xml_.skipCurrentElement();
            return;
        }
        std::optional<Instant> time;
        std::string time_at;
        Point point;
        while (problem_.empty() && xml_.readNextStartElement()) {
            const QString name = xml_.name().toString();
            if (name == u"Time") {
                time_at = here();
                const QString text = xml_.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
                time = TimeText(text.toStdString()).parse();
                if (!time)
                    problem_ = filled(translated("imports", "<Time> at %1: %2 is not a date and time such as "
                                                            "2026-03-01T06:30:00Z."),
                                      time_at, quoted(text));
            } else if (name == u"DistanceMeters")
                point.distance_m = number(TREVALO_NOOP("imports", "a distance in metres from 0 to 10000000"), 0, kFurthestMetres);
            else if (name == u"AltitudeMeters")
                point.altitude_m = number(TREVALO_NOOP("imports", "a height in metres from -100000 to 100000"),
                                          -kHighestMetres, kHighestMetres);
            else if (name == u"Extensions")
                read_children([this, &point] { read_speed(point); }, u"TPX");
            else
                xml_.skipCurrentElement();
        }
        if (!problem_.empty()) {
            xml_.skipCurrentElement();
            return;
        }
        if (time)
            place(*time, time_at, point);
    }

    // TPX elements are told by their namespace, whatever prefix a tool gave it.
    void read_speed(Point& point)
    {
        if (xml_.namespaceUri() != kActivityExtension) {
            xml_.skipCurrentElement();
            return;
        }
        while (xml_.readNextStartElement()) {
            if (xml_.name() == u"Speed" && xml_.namespaceUri() == kActivityExtension)
                point.speed_mps = number(TREVALO_NOOP("imports", "a speed in metres per second from 0 to 1000"), 0, kFastestMps);
            else
                xml_.skipCurrentElement();
        }
    }

    std::optional<double> number(const char* what, double low, double high)
    {
        const std::string at = here();
        const QString text = xml_.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
        bool ok = false;
        const double value = text.toDouble(&ok);
        if (ok && value >= low && value <= high)
            return value;
        if (problem_.empty())
            problem_ = filled(translated("imports", "<%1> at %2: %3 is not %4."), xml_.name().toString().toStdString(),
                              at, quoted(text), translated("imports", what));
        return std::nullopt;
    }

    // The same rules as for a FIT activity's records: a watch that resends
    // a point after a lap is neither a step back in time nor a second reading.
    void place(const Instant& time, const std::string& time_at, Point point)
    {
        if (!first_)
            first_ = time;
        point.t = static_cast<double>(time.seconds - first_->seconds) + (time.fraction - first_->fraction);
        if (!points_.empty() && point.t < points_.back().t)
            return;
        if (point.t > kTcxLongestSeconds) {
            problem_ = filled(translated("imports", "<Time> at %1: the activity runs past 24 hours here."), time_at);
            return;
        }
        if (points_.empty() || point.t > points_.back().t) {
            points_.push_back(point);
            return;
        }
        // What the new point lacks, the one it replaces still says for that instant.
        Point& same = points_.back();
        same.distance_m = point.distance_m ? point.distance_m : same.distance_m;
        same.altitude_m = point.altitude_m ? point.altitude_m : same.altitude_m;
        same.speed_mps = point.speed_mps ? point.speed_mps : same.speed_mps;
    }

    Result<ActivityReadings> readings() const
    {
        ActivityReadings out;
        out.readings.resize(points_.size());
        for (std::size_t i = 0; i < points_.size(); ++i)
            out.readings[i].start_s = points_[i].t;
        out.total_s = points_.back().t;

        const bool has_speed =
            std::any_of(points_.begin(), points_.end(), [](const Point& p) { return p.speed_mps.has_value(); });
        if (has_speed) {
            double speed = 0;
            for (std::size_t i = 0; i < points_.size(); ++i)
                out.readings[i].speed_mps = speed = points_[i].speed_mps.value_or(speed);
        } else if (!speed_from_distance(out.readings))
            return refuse(filled(translated("imports", "The activity at %1 holds no speed or distance to run at: none "
                                                       "of its trackpoints has a speed, and fewer than two have a "
                                                       "distance."),
                                 activity_at_));
        incline_from_altitude(out.readings);
        return out;
    }

    // The points that have what `has` asks for, in order.
    template <typename Has>
    std::vector<std::size_t> marked(Has has) const
    {
        std::vector<std::size_t> marks;
        for (std::size_t i = 0; i < points_.size(); ++i)
            if (has(points_[i]))
                marks.push_back(i);
        return marks;
    }

    // Each span between two distances runs at its mean speed, so that the
    // program covers the file's distance. Points before the first distance
    // take the first span's, points after the last keep the last span's.
    bool speed_from_distance(std::vector<program::Reading>& readings) const
    {
        const std::vector<std::size_t> marks = marked([](const Point& p) { return p.distance_m.has_value(); });
        if (marks.size() < 2)
            return false;
        double speed = 0;
        for (std::size_t k = 0; k + 1 < marks.size(); ++k) {
            const Point& a = points_[marks[k]];
            const Point& b = points_[marks[k + 1]];
            // A distance that falls (a device reset) moves no one backwards.
            speed = std::max(0.0, *b.distance_m - *a.distance_m) / (b.t - a.t);
            for (std::size_t i = k == 0 ? 0 : marks[k]; i < marks[k + 1]; ++i)
                readings[i].speed_mps = speed;
        }
        for (std::size_t i = marks.back(); i < readings.size(); ++i)
            readings[i].speed_mps = speed;
        return true;
    }

    // The slope of each span between two points with both a height and a
    // distance; flat where the runner stood or the file says nothing.
    void incline_from_altitude(std::vector<program::Reading>& readings) const
    {
        const std::vector<std::size_t> marks = marked([](const Point& p) { return p.distance_m && p.altitude_m; });
        for (std::size_t k = 0; k + 1 < marks.size(); ++k) {
            const Point& a = points_[marks[k]];
            const Point& b = points_[marks[k + 1]];
            const double run = *b.distance_m - *a.distance_m;
            const double incline = run >= kShortestRunMetres ? 100 * (*b.altitude_m - *a.altitude_m) / run : 0;
            for (std::size_t i = marks[k]; i < marks[k + 1]; ++i)
                readings[i].incline_pct = incline;
        }
    }

    QXmlStreamReader xml_;
    QString sport_;
    std::string activity_at_;  // empty: no <Activity>
    std::string problem_;      // the first, which stops the reading of trackpoints
    int trackpoints_ = 0;
    std::optional<Instant> first_;
    std::vector<Point> points_;
};

}  // namespace

Result<ActivityReadings> read_tcx_activity(std::string_view bytes)
{
    Reader reader(bytes);
    return reader.read();
}

}  // namespace trevalo::imports
