#include "imports/zwo_reader.h"

#include "base/translation.h"
#include "imports/zwo_segment.h"
#include "plans/plan.h"
#include "plans/plan_texts.h"

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>

#include <string>

namespace trevalo::imports {

namespace {

// Only the first few unknown elements are named: a note is read, not scrolled.
constexpr std::size_t kMostSkippedNamed = 10;

// The segments wait until the whole header is read: <durationType> decides
// what their durations mean and may come after them.
struct RawSegment {
    ZwoSegment::Kind kind;
    QString element;
    qint64 line;
    qint64 column;
    QXmlStreamAttributes attributes;
};

std::string text(QStringView view) { return view.toString().toStdString(); }

std::string where(qint64 line, qint64 column)
{
    return filled(translated("imports", "line %1, column %2"), line, column);
}

class Reader {
public:
    explicit Reader(std::string_view bytes)
        : xml_(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())))
    {
    }

    Result<ZwoWorkout> read()
    {
        const bool has_root = xml_.readNextStartElement();
        const QString root = xml_.name().toString();
        const std::string root_at = here();
        if (has_root && root == u"workout_file")
            read_header();
        while (!xml_.atEnd() && !xml_.hasError())
            xml_.readNext();
        if (xml_.hasError()) {
            std::string error = xml_.errorString().toStdString();
            if (!error.ends_with('.'))
                error += '.';
            return refuse(filled(translated("imports", "Not a ZWO workout: the XML is broken at %1: %2"), here(), error));
        }
        if (root != u"workout_file")
            return refuse(
                filled(translated("imports", "Not a ZWO workout: the file starts with <%1> at %2, not with <workout_file>."),
                       root.toStdString(), root_at));
        if (sport_.isEmpty())
            return refuse(translated("imports", "The workout names no sport type, which Zwift reads as a cycling "
                                                "workout: its targets are power, not speed."));
        if (sport_ == u"bike")
            return refuse(filled(translated("imports", "This is a cycling workout (sport type \"bike\" at %1): its "
                                                       "targets are power, not speed."),
                                 sport_at_));
        if (sport_ != u"run")
            return refuse(filled(translated("imports", "The workout's sport type \"%1\" (%2) is not a run."),
                                 sport_.toStdString(), sport_at_));
        if (!problem_.empty())
            return refuse(problem_);
        workout_.sport_type = sport_.toStdString();
        if (workout_at_.empty())
            return refuse(translated("imports", "The file holds no <workout>, so there are no steps to run."));
        return segments();
    }

private:
    static Result<ZwoWorkout> refuse(std::string error) { return Result<ZwoWorkout>::failure(std::move(error)); }

    std::string here() const { return where(xml_.lineNumber(), xml_.columnNumber()); }

    // The header's values are kept as the first problem, not refused at
    // once: the sport type, which may come later, says more.
    void read_header()
    {
        while (xml_.readNextStartElement()) {
            // A copy: reading the element's text moves the reader on.
            const QString name = xml_.name().toString();
            const std::string at = here();
            if (name == u"workout") {
                workout_at_ = at;
                read_segments();
                continue;
            }
            const QString value = xml_.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
            if (name == u"name")
                workout_.name = value.toStdString();
            else if (name == u"sportType") {
                sport_ = value.toLower();
                sport_at_ = at;
            } else if (name == u"durationType")
                read_duration_type(value, at);
            else if (name == u"thresholdSecPerKm")
                read_threshold(value, at);
        }
    }

    void read_duration_type(const QString& value, const std::string& at)
    {
        if (value.compare(u"distance", Qt::CaseInsensitive) == 0)
            workout_.duration_type = ZwoDuration::Distance;
        else if (value.compare(u"time", Qt::CaseInsensitive) != 0)
            keep_problem(filled(
                translated("imports", "<durationType> at %1: \"%2\" is neither \"time\" nor \"distance\"."), at,
                value.toStdString()));
    }

    // From a 1:00 to a 60:00 kilometre: anything else is no runner's pace.
    // Some tools write 0 for a pace they leave unset: the runner is asked, as
    // for a file that names none.
    void read_threshold(const QString& value, const std::string& at)
    {
        bool ok = false;
        const double seconds = value.toDouble(&ok);
        if (ok && seconds == 0)
            return;
        if (ok && seconds >= 60 && seconds <= 3600)
            workout_.threshold_s_per_km = seconds;
        else
            keep_problem(filled(translated("imports", "<thresholdSecPerKm> at %1: \"%2\" is not a pace in seconds per "
                                                      "kilometre from 60 to 3600."),
                                at, value.toStdString()));
    }

    void read_segments()
    {
        while (xml_.readNextStartElement()) {
            const std::optional<ZwoSegment::Kind> kind = segment_kind(xml_.name());
            if (kind)
                raw_.push_back({*kind, xml_.name().toString(), xml_.lineNumber(), xml_.columnNumber(),
                                xml_.attributes()});
            else if (workout_.skipped.size() < kMostSkippedNamed)
                workout_.skipped.push_back(
                    filled(translated("imports", "%1 (line %2)"), text(xml_.name()), xml_.lineNumber()));
            // <textevent> and the like inside a segment carry no target.
            xml_.skipCurrentElement();
        }
    }

    void keep_problem(std::string problem)
    {
        if (problem_.empty())
            problem_ = std::move(problem);
    }

    Result<ZwoWorkout> segments()
    {
        if (raw_.empty())
            return refuse(filled(translated("imports", "The <workout> at %1 holds no segments to run."), workout_at_));
        const bool by_time = workout_.duration_type == ZwoDuration::Time;
        const double most = by_time ? plans::kLongestPlanSeconds : kZwoFurthestMetres;
        long long steps = 0;
        double length = 0;
        for (const RawSegment& raw : raw_) {
            const std::string at =
                filled(translated("imports", "%1 at %2"), raw.element.toStdString(), where(raw.line, raw.column));
            Result<ZwoSegment> segment = read_segment(raw.kind, raw.attributes, workout_.duration_type);
            if (!segment)
                return refuse(filled(translated("imports", "%1: %2."), at, segment.error()));
            ZwoSegment& read = segment.value();
            read.position = static_cast<int>(workout_.segments.size()) + 1;
            read.line = static_cast<int>(raw.line);
            const bool intervals = raw.kind == ZwoSegment::Kind::IntervalsT;
            steps += intervals ? 2LL * read.repeat : 1;
            length += intervals ? read.repeat * (read.duration + read.off_duration) : read.duration;
            if (steps > plans::kMostPlanSteps)
                return refuse(filled(translated("imports", "%1: the workout grows past %2 steps here."), at,
                                     plans::kMostPlanSteps));
            if (length > most)
                return refuse(by_time ? filled(translated("imports", "%1: the workout runs past 24 hours here."), at)
                                      : filled(translated("imports", "%1: the workout runs past %2 km here."), at,
                                               plans::number_text(most / 1000)));
            workout_.segments.push_back(std::move(read));
        }
        return std::move(workout_);
    }

    QXmlStreamReader xml_;
    ZwoWorkout workout_;
    QString sport_;
    std::string sport_at_;
    std::string workout_at_;  // empty: no <workout>
    std::string problem_;
    std::vector<RawSegment> raw_;
};

}  // namespace

Result<ZwoWorkout> read_zwo(std::string_view bytes)
{
    Reader reader(bytes);
    return reader.read();
}

}  // namespace trevalo::imports
