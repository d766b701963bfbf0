#include "imports/fit_activity_reader.h"

#include "base/translation.h"
#include "fit/file_type.h"
#include "fit/profile.h"
#include "fit/sport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace trevalo::imports {

namespace {

namespace profile = fit::profile;

// A stretch of the FIT clock, in seconds, both ends included.
struct Span {
    double begin = 0;
    double end = 0;
};

// Watches that record every second or every few seconds leave a longer gap
// only when they stood paused, where the file keeps no timer events.
constexpr double kLongestGap = 60;

// "a, b and c"
std::string and_list(const std::vector<std::string>& items)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i)
        text = i == 0 ? items[i]
                      : filled(i + 1 == items.size() ? translated("imports", "%1 and %2") : translated("imports", "%1, %2"),
                               text, items[i]);
    return text;
}

// "1:54:16", "4:05", as a watch shows a time.
std::string clock_text(double seconds)
{
    // Far beyond any run only where a file's times are nonsense; kept in range.
    const long long s = std::llround(std::clamp(seconds, 0.0, 1e12));
    char text[32];
    if (s >= 3600)
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
    else
        std::snprintf(text, sizeof text, "%lld:%02lld", s / 60, s % 60);
    return text;
}

std::optional<double> seconds(const fit::Decoded& d, const fit::Message& m, std::uint8_t field, double scale)
{
    const auto value = d.integer(m, field);
    if (!value || *value <= 0)
        return std::nullopt;
    return static_cast<double>(*value) / scale;
}

struct Session {
    std::optional<std::int64_t> sport, sub_sport;
    std::optional<Span> span;
    std::optional<double> timer_s, elapsed_s;
};

std::vector<Session> sessions_of(const fit::Decoded& d)
{
    namespace session = profile::session;
    std::vector<Session> out;
    for (const fit::Message& m : d.messages) {
        if (m.global != session::number)
            continue;
        Session s{d.integer(m, session::sport), d.integer(m, session::sub_sport), std::nullopt,
                  seconds(d, m, session::total_timer_time, 1000), seconds(d, m, session::total_elapsed_time, 1000)};
        const auto start = d.integer(m, session::start_time);
        const auto end = d.integer(m, session::timestamp);
        if (start && s.elapsed_s)
            s.span = Span{static_cast<double>(*start), static_cast<double>(*start) + *s.elapsed_s};
        else if (start && end && *end >= *start)
            s.span = Span{static_cast<double>(*start), static_cast<double>(*end)};
        else if (end && s.elapsed_s)
            s.span = Span{static_cast<double>(*end) - *s.elapsed_s, static_cast<double>(*end)};
        out.push_back(s);
    }
    return out;
}

// The first sport that a message of `global` gives, with its sub-sport.
std::optional<std::pair<std::int64_t, std::optional<std::int64_t>>>
first_sport(const fit::Decoded& d, std::uint16_t global, std::uint8_t sport, std::uint8_t sub_sport)
{
    for (const fit::Message& m : d.messages)
        if (m.global == global)
            if (const auto given = d.integer(m, sport))
                return std::pair{*given, d.integer(m, sub_sport)};
    return std::nullopt;
}

// What of the file is a run: the whole file, or the spans of its running
// sessions when it holds other sports too.
struct Runs {
    std::vector<Span> spans;                 // empty: the whole file
    std::optional<double> timer_s, elapsed_s;  // the sessions' own totals, where every one gives them
    std::vector<std::string> notes;
};

Result<Runs> runs_of(const fit::Decoded& d)
{
    using R = Result<Runs>;
    const std::vector<Session> sessions = sessions_of(d);
    Runs chosen;
    if (sessions.size() <= 1) {
        auto sport = sessions.empty() || !sessions.front().sport
                         ? std::optional<std::pair<std::int64_t, std::optional<std::int64_t>>>{}
                         : std::pair{*sessions.front().sport, sessions.front().sub_sport};
        if (!sport)
            sport = first_sport(d, profile::lap::number, profile::lap::sport, profile::lap::sub_sport);
        if (!sport)
            sport = first_sport(d, profile::sport::number, profile::sport::sport, profile::sport::sub_sport);
        if (sport && !fit::is_run(sport->first, sport->second))
            return R::failure(
                filled(translated("imports", "This is %1, not a run."), fit::describe_sport(sport->first, sport->second)));
        if (!sessions.empty()) {
            chosen.timer_s = sessions.front().timer_s;
            chosen.elapsed_s = sessions.front().elapsed_s;
        }
        return chosen;
    }

    // A note is read, not scrolled: the first activities named, the rest counted.
    constexpr std::size_t kMostNamed = 10;
    std::vector<std::string> all;
    std::vector<const Session*> runs;
    for (const Session& s : sessions) {
        if (all.size() < kMostNamed)
            all.push_back(fit::describe_sport(s.sport.value_or(profile::sport_running), s.sub_sport));
        if (fit::is_run(s.sport, s.sub_sport))
            runs.push_back(&s);
    }
    if (sessions.size() > kMostNamed)
        all.push_back(filled(translated("imports", "%1 more"), sessions.size() - kMostNamed));
    if (runs.empty())
        return R::failure(
            filled(translated("imports", "This holds no run: its %1 activities are %2."), sessions.size(), and_list(all)));
    double timer = 0, elapsed = 0;
    bool timers = true, elapses = true;
    for (const Session* s : runs) {
        timer += s->timer_s.value_or(0);
        elapsed += s->elapsed_s.value_or(0);
        timers = timers && s->timer_s;
        elapses = elapses && s->elapsed_s;
    }
    if (timers)
        chosen.timer_s = timer;
    if (timers && elapses)
        chosen.elapsed_s = elapsed;
    if (runs.size() == sessions.size())
        return chosen;
    for (const Session* s : runs) {
        if (!s->span)
            return R::failure(translated("imports", "This file holds several sports but does not say when its run "
                                                    "began, so the run cannot be told from the rest (a session "
                                                    "without a start time)."));
        chosen.spans.push_back(*s->span);
    }
    chosen.notes.push_back(
        filled(runs.size() == 1 ? translated("imports", "This file holds %1 activities, %2: only the run was imported.")
                                : translated("imports", "This file holds %1 activities, %2: only the runs were "
                                                        "imported, one after the other."),
               sessions.size(), and_list(all)));
    return chosen;
}

struct TimerEvent {
    double time;
    bool start;
};

std::vector<TimerEvent> timer_events(const fit::Decoded& d)
{
    namespace event = profile::event;
    std::vector<TimerEvent> out;
    for (const fit::Message& m : d.messages) {
        if (m.global != event::number || d.integer(m, event::event) != profile::event_timer)
            continue;
        const auto type = d.integer(m, event::event_type);
        const auto time = d.integer(m, event::timestamp);
        if (!type || !time)
            continue;
        if (*type == profile::event_type_start)
            out.push_back({static_cast<double>(*time), true});
        else if (*type == profile::event_type_stop || *type == profile::event_type_stop_all ||
                 *type == profile::event_type_stop_disable || *type == profile::event_type_stop_disable_all)
            out.push_back({static_cast<double>(*time), false});
    }
    std::stable_sort(out.begin(), out.end(), [](const TimerEvent& a, const TimerEvent& b) { return a.time < b.time; });
    return out;
}

struct Raw {
    double time = 0;
    std::optional<double> speed, distance;
    std::optional<std::int64_t> packed_distance;  // sixteenths of a metre, 12 bits that roll over
    double grade = 0;
};

// The spans the timer ran, from its events, else from the records with
// their long gaps left out. `records` is not empty.
std::vector<Span> timer_spans(const std::vector<TimerEvent>& events, const std::vector<Raw>& records)
{
    std::vector<Span> spans;
    if (events.empty()) {
        Span now{records.front().time, records.front().time};
        for (const Raw& r : records) {
            if (r.time - now.end > kLongestGap) {
                spans.push_back(now);
                now.begin = r.time;
            }
            now.end = r.time;
        }
        spans.push_back(now);
        return spans;
    }
    // A stop before any start: the timer ran from the first record.
    bool running = !events.front().start;
    double begin = records.front().time;
    for (const TimerEvent& e : events) {
        if (e.start && !running) {
            begin = e.time;
            running = true;
        } else if (!e.start && running) {
            if (e.time >= begin)
                spans.push_back({begin, e.time});
            running = false;
        }
    }
    if (running && records.back().time >= begin)
        spans.push_back({begin, records.back().time});
    return spans;
}

// Where `a` (in order, not overlapping) and `b` (in any order) overlap, in
// order: linear past sorting, as a hostile file may hold a million sessions.
std::vector<Span> overlap(const std::vector<Span>& a, std::vector<Span> b)
{
    std::sort(b.begin(), b.end(), [](const Span& x, const Span& y) { return x.begin < y.begin; });
    std::vector<Span> joined;
    for (const Span& y : b) {
        if (!joined.empty() && y.begin <= joined.back().end)
            joined.back().end = std::max(joined.back().end, y.end);
        else
            joined.push_back(y);
    }
    std::vector<Span> out;
    for (std::size_t i = 0, j = 0; i < a.size() && j < joined.size();) {
        const double from = std::max(a[i].begin, joined[j].begin), to = std::min(a[i].end, joined[j].end);
        if (from <= to)
            out.push_back({from, to});
        if (a[i].end < joined[j].end)
            ++i;
        else
            ++j;
    }
    return out;
}

// What a record holds of what this reader takes, in one pass over its
// fields: a day of records is read within the import's time.
struct RecordFields {
    std::optional<std::int64_t> time, enhanced_speed, speed, packed, grade, distance;
};

RecordFields record_fields(const fit::Decoded& d, const fit::Message& m)
{
    namespace record = profile::record;
    RecordFields out;
    for (const fit::FieldValue& field : d.fields_of(m)) {
        if (field.developer_index != fit::kProfileField)
            continue;
        // The first of a number counts, as Decoded::integer reads it.
        const auto take = [&](std::optional<std::int64_t>& into) {
            if (!into)
                into = fit::Decoded::integer(field);
        };
        switch (field.number) {
        case record::timestamp: take(out.time); break;
        case record::enhanced_speed: take(out.enhanced_speed); break;
        case record::speed: take(out.speed); break;
        case record::compressed_speed_distance: take(out.packed); break;
        case record::grade: take(out.grade); break;
        case record::distance: take(out.distance); break;
        default: break;
        }
    }
    return out;
}

std::optional<double> record_speed(const RecordFields& r)
{
    // A speed below 0 is no speed: a field written with a signed type.
    if (r.enhanced_speed && *r.enhanced_speed >= 0)
        return static_cast<double>(*r.enhanced_speed) / 1000;
    if (r.speed && *r.speed >= 0)
        return static_cast<double>(*r.speed) / 1000;
    // All ones in the speed's 12 bits is "no speed": the distance may still count.
    if (r.packed && (*r.packed & 0xFFF) != 0xFFF)
        return static_cast<double>(*r.packed & 0xFFF) / 100;
    return std::nullopt;
}

// The records with a time, in order; a speed or grade missing keeps the one
// before.
std::vector<Raw> records_of(const fit::Decoded& d, bool& any_speed)
{
    std::vector<Raw> out;
    out.reserve(static_cast<std::size_t>(std::count_if(d.messages.begin(), d.messages.end(), [](const fit::Message& m) {
        return m.global == profile::record::number;
    })));
    std::optional<double> speed;
    double grade = 0;
    for (const fit::Message& m : d.messages) {
        if (m.global != profile::record::number)
            continue;
        const RecordFields fields = record_fields(d, m);
        if (!fields.time || (!out.empty() && static_cast<double>(*fields.time) < out.back().time))
            continue;
        if (const auto given = record_speed(fields)) {
            speed = given;
            any_speed = true;
        }
        if (fields.grade)
            grade = static_cast<double>(*fields.grade) / 100;
        Raw r{static_cast<double>(*fields.time), speed, std::nullopt, std::nullopt, grade};
        if (fields.distance)
            r.distance = static_cast<double>(*fields.distance) / 100;
        if (fields.packed)
            r.packed_distance = *fields.packed >> 12 & 0xFFF;
        out.push_back(r);
    }
    return out;
}

// Distances in metres from the start where a record gives one: the
// `distance` field, else the compressed one added up across its roll-overs.
void add_up_distances(std::vector<Raw>& records)
{
    const bool plain = std::any_of(records.begin(), records.end(), [](const Raw& r) { return r.distance.has_value(); });
    if (plain)
        return;
    double metres = 0;
    std::optional<std::int64_t> last;
    for (Raw& r : records) {
        if (!r.packed_distance)
            continue;
        if (last)
            metres += static_cast<double>((*r.packed_distance - *last) & 0xFFF) / 16;
        last = r.packed_distance;
        r.distance = metres;
    }
}

struct Timed {
    double timer_s;
    const Raw* raw;
};

}  // namespace

Result<ActivityReadings> read_fit_activity(const fit::Decoded& decoded)
{
    using R = Result<ActivityReadings>;
    if (Result<void> kind = fit::expect_file_type(decoded, profile::file_activity); !kind)
        return R::failure(kind.error());
    Result<Runs> runs = runs_of(decoded);
    if (!runs)
        return R::failure(runs.error());

    bool any_speed = false;
    std::vector<Raw> records = records_of(decoded, any_speed);
    const auto too_few = [] {
        return R::failure(translated(
            "imports", "The FIT activity has fewer than two records with a time: they give the workout no length."));
    };
    if (records.size() < 2)
        return too_few();
    if (!any_speed) {
        add_up_distances(records);
        if (std::none_of(records.begin(), records.end(), [](const Raw& r) { return r.distance.has_value(); }))
            return R::failure(translated(
                "imports", "This activity holds no speed or distance: nothing in it tells how fast it went."));
    }

    std::vector<Span> spans = timer_spans(timer_events(decoded), records);
    if (!runs->spans.empty())
        spans = overlap(spans, runs->spans);
    double counted = 0;
    for (const Span& s : spans)
        counted += s.end - s.begin;

    // The records within the spans, each at the timer's time; one at the
    // same time as the one before replaces it.
    std::vector<Timed> timed;
    timed.reserve(records.size());
    double before = 0;  // the timer's time in the spans before spans[k]
    std::size_t k = 0;
    for (const Raw& r : records) {
        for (; k < spans.size() && spans[k].end < r.time; ++k)
            before += spans[k].end - spans[k].begin;
        if (k == spans.size())
            break;
        if (r.time < spans[k].begin)
            continue;
        const double at = before + (r.time - spans[k].begin);
        if (!timed.empty() && at < timed.back().timer_s)  // only where far-off times round
            continue;
        if (!timed.empty() && timed.back().timer_s == at)
            timed.back().raw = &r;
        else
            timed.push_back({at, &r});
    }
    if (timed.size() < 2)
        return too_few();

    ActivityReadings out;
    out.notes = std::move(runs.value().notes);
    out.readings.reserve(timed.size());
    for (const Timed& t : timed)
        out.readings.push_back({t.timer_s, t.raw->speed.value_or(0), t.raw->grade});
    if (!any_speed) {
        // Each reading runs at the pace that covers the distance to the next
        // record that gives one; one without a distance keeps the one before.
        std::optional<double> speed;
        for (std::size_t i = 0; i < timed.size(); ++i) {
            if (timed[i].raw->distance)
                for (std::size_t j = i + 1; j < timed.size(); ++j)
                    if (timed[j].raw->distance) {
                        speed = std::max(0.0, (*timed[j].raw->distance - *timed[i].raw->distance) /
                                                  (timed[j].timer_s - timed[i].timer_s));
                        break;
                    }
            out.readings[i].speed_mps = speed.value_or(0);
        }
    }

    const bool by_session = runs->timer_s && *runs->timer_s > out.readings.front().start_s;
    out.total_s = by_session ? *runs->timer_s : std::max(counted, out.readings.back().start_s);
    while (out.readings.size() > 1 && out.readings.back().start_s > out.total_s)
        out.readings.pop_back();
    const double elapsed = runs->elapsed_s && by_session ? *runs->elapsed_s
                                                          : spans.back().end - spans.front().begin;
    const double stopped = elapsed - out.total_s;
    out.notes.push_back(stopped >= 0.5 ? filled(translated("imports", "The run lasted %1 by the watch's timer; %2 of "
                                                                      "stops were left out."),
                                                clock_text(out.total_s), clock_text(stopped))
                                       : filled(translated("imports", "The run lasted %1 by the watch's timer."),
                                                clock_text(out.total_s)));
    return out;
}

}  // namespace trevalo::imports
