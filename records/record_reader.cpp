#include "records/record_reader.h"

#include "records/number_field.h"

#include <algorithm>
#include <cstring>

namespace trevalo::records {

namespace {

constexpr std::size_t kHeaderLength = 16;
constexpr std::size_t kWeightLength = 6;
constexpr std::size_t kSampleLength = 26;

// A field by its 1-based position and length, as the file format counts.
std::string_view field(std::string_view line, std::size_t position, std::size_t length)
{
    return line.substr(position - 1, length);
}

// Bars have eight lamps; a reading outside the treadmills' range must not
// ask for a ninth.
std::int16_t bar_level(std::int16_t level) { return std::clamp<std::int16_t>(level, 0, 8); }

}  // namespace

std::string LoadError::message() const
{
    std::string reason;
    switch (failure) {
    case LoadFailure::EmptyFile: return "The file is empty.";
    case LoadFailure::NotANumber: reason = "not a number"; break;
    case LoadFailure::OutOfRange: reason = "a number too large to store"; break;
    case LoadFailure::LineBeforeHeader: reason = "a workout line before the first date line"; break;
    case LoadFailure::TooManyRecords: reason = "more than 1024 workouts in one file"; break;
    case LoadFailure::TooManySamples: reason = "more than 1025 samples in one workout"; break;
    }
    std::string text = "Line " + std::to_string(line);
    if (!field.empty())
        text += ", " + field;
    return text + ": " + reason + ".";
}

RecordReader::RecordReader(RecordStore& store, std::vector<std::string>& names)
    : store_(store), names_(names)
{
    store_.clear();
}

// The record being read keeps what was read before the failing line, so
// that picking it shows that much.
void RecordReader::fail(LoadFailure failure, std::string field)
{
    error_ = LoadError{failure, line_no_, std::move(field)};
    if (r_ > 0)
        finish_record(r_ - 1);
}

bool RecordReader::feed(std::string_view chunk)
{
    if (error_)
        return false;
    if (!chunk.empty())
        any_input_ = true;
    const char* p = chunk.data();
    const char* const end = p + chunk.size();
    if (after_cr_ && p != end && *p == '\n')
        ++p;
    after_cr_ = false;

    while (p != end && !error_) {
        // Most lines end in LF or CR LF; a CR elsewhere ends a line too.
        const char* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
        const char* stop = lf ? lf : end;
        const char* cr = static_cast<const char*>(std::memchr(p, '\r', static_cast<std::size_t>(stop - p)));
        const char* line_end = cr ? cr : lf;
        if (!line_end) {
            partial_.append(p, end);
            break;
        }
        std::string_view line(p, static_cast<std::size_t>(line_end - p));
        if (!partial_.empty()) {
            partial_.append(line);
            take_line(partial_);
            partial_.clear();
        } else {
            take_line(line);
        }
        p = line_end + 1;
        if (line_end == cr) {
            if (p == end)
                after_cr_ = true;
            else if (*p == '\n')
                ++p;
        }
    }
    return !error_;
}

bool RecordReader::finish()
{
    if (error_)
        return false;
    if (!any_input_) {
        fail(LoadFailure::EmptyFile);
        return false;
    }
    if (!partial_.empty()) {
        take_line(partial_);
        partial_.clear();
        if (error_)
            return false;
    }
    if (r_ > 0)
        finish_record(r_ - 1);
    return true;
}

void RecordReader::take_line(std::string_view line)
{
    ++line_no_;
    switch (line.size()) {
    case kHeaderLength: header_line(line); break;
    case kWeightLength: weight_line(line); break;
    case kSampleLength: sample_line(line); break;
    default: break;
    }
}

void RecordReader::header_line(std::string_view line)
{
    if (r_ == kMaxRecords)
        return fail(LoadFailure::TooManyRecords);  // closes the last record
    if (r_ > 0)
        finish_record(r_ - 1);
    names_.emplace_back(line);
    n_ = 0;
    ++r_;
}

void RecordReader::weight_line(std::string_view line)
{
    if (r_ == 0)
        return fail(LoadFailure::LineBeforeHeader);
    const auto weight = field_number(field(line, 1, 3));
    if (!weight)
        return fail(LoadFailure::NotANumber, "weight");
    const auto stored = to_int16(*weight);
    if (!stored)
        return fail(LoadFailure::OutOfRange, "weight");
    RecordTotals& record = store_.record(r_ - 1);
    record.rec_weight = *stored;
    record.rec_unit = field(line, 4, 3);
}

void RecordReader::sample_line(std::string_view line)
{
    if (r_ == 0)
        return fail(LoadFailure::LineBeforeHeader);
    if (n_ == kMaxSamples)
        return fail(LoadFailure::TooManySamples);

    // Fields in the order they are used, so that the first bad one is named.
    struct Field {
        const char* name;
        std::size_t position;
        std::size_t length;
        double value = 0;
    };
    Field fields[] = {{"calories", 7, 3}, {"distance", 18, 4}, {"minutes", 1, 2}, {"seconds", 4, 2},
                      {"incline", 15, 2}, {"speed", 23, 4},    {"pulse", 11, 3}};
    for (Field& f : fields) {
        const auto value = field_number(field(line, f.position, f.length));
        if (!value)
            return fail(LoadFailure::NotANumber, f.name);
        f.value = *value;
    }
    const auto& [calories, distance, minutes, seconds, incline, speed, pulse] = fields;
    const double time = 60 * minutes.value + seconds.value;

    const RecordTotals& record = store_.record(r_ - 1);
    const double speed_divisor = RecordStore::imperial(record) ? 2 : 3.2;
    const auto last_calories = to_int16(calories.value);
    const auto last_time = to_int16(time);
    const auto incline_level = to_int16(incline.value / 2 + 1);
    const auto speed_level = to_int16(speed.value / speed_divisor + 1);
    const auto pulse_level = pulse.value >= 40 ? to_int16(pulse.value / 10 - 3) : std::optional<std::int16_t>(0);
    if (!last_calories)
        return fail(LoadFailure::OutOfRange, "calories");
    if (!last_time)
        return fail(LoadFailure::OutOfRange, "minutes");
    if (!incline_level)
        return fail(LoadFailure::OutOfRange, "incline");
    if (!speed_level)
        return fail(LoadFailure::OutOfRange, "speed");
    if (!pulse_level)
        return fail(LoadFailure::OutOfRange, "pulse");

    if (n_ == 0) {
        first_calories_ = calories.value;
        first_distance_ = distance.value;
        first_time_ = time;
    }
    last_calories_ = *last_calories;
    last_distance_ = distance.value;
    last_time_ = *last_time;

    SampleLevels& sample = store_.sample(r_ - 1, n_);
    sample.rec_incline = bar_level(*incline_level);
    sample.rec_speed = bar_level(*speed_level);
    sample.rec_pulse = *pulse_level;
    ++n_;
}

// A running display either counts up from zero or down from a target: the
// total is the last reading when it rose, else how far it fell.
void RecordReader::finish_record(int q)
{
    RecordTotals& record = store_.record(q);
    record.rec_count = static_cast<std::int16_t>(n_);
    if (n_ == 0) {
        record.rec_calories = 0;
        record.rec_distance = 0;
        record.rec_time = 0;
        return;
    }
    auto total = [](double first, double last) { return last > first ? last : first - last; };
    // Both readings fit 16 bits and are whole, so their difference fits too.
    record.rec_calories = to_int16(total(first_calories_, last_calories_)).value_or(0);
    record.rec_distance = total(first_distance_, last_distance_);
    record.rec_time = to_int16(total(first_time_, last_time_)).value_or(0);
}

std::optional<LoadError> read_records(std::string_view file, RecordStore& store, std::vector<std::string>& names)
{
    RecordReader reader(store, names);
    reader.feed(file);
    reader.finish();
    return reader.error();
}

}  // namespace trevalo::records
