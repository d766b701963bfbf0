#include "records/record_reader.h"

#include "base/translation.h"
#include "records/fixed_field.h"
#include "records/number_field.h"
#include "records/sample_levels.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <utility>

namespace trevalo::records {

namespace {

constexpr std::size_t kHeaderLength = 16;
constexpr std::size_t kWeightLength = 6;
constexpr std::size_t kSampleLength = 26;

// Why a line ends the load, as the user reads it after "Line 12, speed: ".
constexpr const char* kNotANumber = TREVALO_NOOP("records", "not a number");
constexpr const char* kOutOfRange = TREVALO_NOOP("records", "a number too large to store");
constexpr const char* kLineBeforeHeader = TREVALO_NOOP("records", "a workout line before the first date line");
constexpr const char* kTooManyRecords = TREVALO_NOOP("records", "more than 1024 workouts in one file");
constexpr const char* kTooManySamples = TREVALO_NOOP("records", "more than 1025 samples in one workout");

// A field by its 1-based position and length, as the file format counts.
std::string_view field(std::string_view line, std::size_t position, std::size_t length)
{
    return line.substr(position - 1, length);
}

// Whether the fields of the running displays have the shape the treadmill
// writes: minutes, seconds and calories all digits, the distance as "9.99".
// Eight bytes at a time; a line of any other shape is checked field by field.
bool usual_running_fields(const char* p)
{
    if constexpr (std::endian::native != std::endian::little)
        return false;
    // A byte is a digit when its high half is 3 and adding 6 keeps it so.
    auto digits = [](std::uint64_t w, std::uint64_t mask) {
        const std::uint64_t highs = 0xF0F0F0F0F0F0F0F0ULL & mask;
        const std::uint64_t threes = 0x3030303030303030ULL & mask;
        return (w & highs) == threes && ((w + (0x0606060606060606ULL & mask)) & highs) == threes;
    };
    std::uint64_t time_and_calories;  // "MM:SS CC" of "MM:SS CCC"
    std::memcpy(&time_and_calories, p, 8);
    std::uint32_t distance;  // "D.DD"
    std::memcpy(&distance, p + 17, 4);
    constexpr std::uint64_t time_and_calories_digits = 0xFFFF00FFFF00FFFFULL;  // bytes 0,1,3,4,6,7
    constexpr std::uint64_t distance_digits = 0xFFFF00FFULL;                   // bytes 0,2,3
    return digits(time_and_calories, time_and_calories_digits) && detail::is_digit(p[8]) &&
           digits(distance, distance_digits) && p[18] == '.';
}

// The level fields in the shapes the treadmill writes: incline "DD", speed
// " D.D" or "DD.D", pulse " DD" or "DDD". Read as plain_number would read
// them, without its table lookups.
struct UsualLevels {
    PlainNumber incline, speed, pulse;
};

std::optional<UsualLevels> usual_level_fields(const char* p)
{
    auto d = [p](int i) { return static_cast<unsigned>(static_cast<unsigned char>(p[i]) - '0'); };
    auto digit = [&d](int i) { return d(i) < 10; };
    auto digit_or_space = [&](int i) { return digit(i) || p[i] == ' '; };
    if (!(digit(14) && digit(15) && digit_or_space(22) && digit(23) && p[24] == '.' && digit(25) &&
          digit_or_space(10) && digit(11) && digit(12)))
        return std::nullopt;
    auto lead = [&](int i, unsigned worth) { return p[i] == ' ' ? 0u : d(i) * worth; };
    return UsualLevels{{d(14) * 10 + d(15), 0},
                       {lead(22, 100) + d(23) * 10 + d(25), 1},
                       {lead(10, 100) + d(11) * 10 + d(12), 0}};
}

// The first CR or LF at or after p, or end. Eight bytes at a time: a record
// file's lines are short and many, and one pass over the bytes is the cost
// that every other reader of the file pays too.
const char* line_end(const char* p, const char* end)
{
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t ones = 0x0101010101010101ULL;
        constexpr std::uint64_t highs = 0x8080808080808080ULL;
        auto has = [](std::uint64_t w, std::uint8_t byte) {
            const std::uint64_t x = w ^ (ones * byte);
            return (x - ones) & ~x & highs;
        };
        auto ends = [&](const char* at) {
            std::uint64_t w;
            std::memcpy(&w, at, 8);
            return has(w, '\r') | has(w, '\n');
        };
        // Most lines are samples: check that guess in one go.
        if (end - p >= 32) {
            const std::uint64_t first24 = ends(p) | ends(p + 8) | ends(p + 16);
            const std::uint64_t last8 = ends(p + 24);
            if (first24 == 0 && last8 != 0)
                return p + 24 + std::countr_zero(last8) / 8;
        }
        for (; end - p >= 8; p += 8) {
            // The lowest marked byte is always a true match.
            if (const std::uint64_t found = ends(p))
                return p + std::countr_zero(found) / 8;
        }
    }
    while (p != end && *p != '\r' && *p != '\n')
        ++p;
    return p;
}

}  // namespace

// The running displays of a sample line that was found to hold numbers.
RecordReader::Running RecordReader::running(std::string_view line)
{
    const char* p = line.data();
    return {fixed_field<3>(p + 6).value_or(0), fixed_field<4>(p + 17).value_or(0),
            60 * fixed_field<2>(p).value_or(0) + fixed_field<2>(p + 3).value_or(0)};
}

RecordReader::RecordReader(RecordStore& store, std::vector<std::string>& names)
    : store_(store), names_(names), tables_(LevelTables::instance())
{
}

// A load given up half way still leaves no stale sample behind.
RecordReader::~RecordReader()
{
    if (!settled_)
        settle();
}

void RecordReader::settle()
{
    if (r_ > 0)
        finish_record(r_ - 1);
    settled_ = true;
}

void RecordReader::fail(const char* reason, const char* field)
{
    give_up(field ? filled(translated("records", "Line %1, %2: %3."), line_no_, translated("records", field),
                           translated("records", reason))
                  : filled(translated("records", "Line %1: %2."), line_no_, translated("records", reason)));
}

// The record being read keeps what was read before the failing line, so
// that picking it shows that much.
void RecordReader::give_up(std::string message)
{
    outcome_ = Result<void>::failure(std::move(message));
    settle();
}

Result<void> RecordReader::feed(std::string_view chunk)
{
    if (!outcome_)
        return outcome_;
    if (!chunk.empty())
        any_input_ = true;
    const char* p = chunk.data();
    const char* const end = p + chunk.size();
    if (after_cr_ && p != end && *p == '\n')
        ++p;
    after_cr_ = false;

    while (p != end && outcome_) {
        const char* stop = line_end(p, end);
        if (stop == end) {
            keep_partial(p, end);
            break;
        }
        if (partial_length_ != 0) {
            keep_partial(p, stop);
            take_partial();
        } else {
            take_line(std::string_view(p, static_cast<std::size_t>(stop - p)));
        }
        p = stop + 1;
        if (*stop == '\r') {
            if (p == end)
                after_cr_ = true;
            else if (*p == '\n')
                ++p;
        }
    }
    return outcome_;
}

Result<void> RecordReader::finish()
{
    if (!outcome_)
        return outcome_;
    if (!any_input_)
        give_up(translated("records", "The file is empty."));
    else if (partial_length_ != 0)
        take_partial();
    if (outcome_)
        settle();
    return outcome_;
}

void RecordReader::keep_partial(const char* begin, const char* end)
{
    const auto length = static_cast<std::size_t>(end - begin);
    if (partial_length_ < partial_.size())
        std::memcpy(partial_.data() + partial_length_, begin, std::min(length, partial_.size() - partial_length_));
    partial_length_ += length;
}

// A line longer than any kept kind is skipped whatever its text.
void RecordReader::take_partial()
{
    if (partial_length_ <= kLongestLine)
        take_line(std::string_view(partial_.data(), partial_length_));
    else
        ++line_no_;
    partial_length_ = 0;
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
        return fail(kTooManyRecords);  // closes the last record
    if (r_ > 0)
        finish_record(r_ - 1);
    names_.emplace_back(line);
    n_ = 0;
    imperial_ = false;
    ++r_;
}

void RecordReader::weight_line(std::string_view line)
{
    if (r_ == 0)
        return fail(kLineBeforeHeader);
    const auto weight = fixed_field<3>(line.data());
    if (!weight)
        return fail(kNotANumber, TREVALO_NOOP("records", "weight"));
    const auto stored = to_int16(*weight);
    if (!stored)
        return fail(kOutOfRange, TREVALO_NOOP("records", "weight"));
    RecordTotals& record = store_.record(r_ - 1);
    record.rec_weight = *stored;
    record.rec_unit = field(line, 4, 3);
    imperial_ = RecordStore::imperial(record);
}

// The level of a reading: a plain field's from the tables, any other
// field's computed, and a failure named after the field.
template <int width, typename FromTable, typename Formula>
bool RecordReader::read_level(std::string_view line, std::size_t position, const char* name, std::int16_t& level,
                              FromTable from_table, Formula formula)
{
    if (const auto plain = plain_number<width>(line.data() + position - 1)) [[likely]] {
        level = from_table(*plain);
        return true;
    }
    const auto value = field_number(field(line, position, width));
    if (!value) {
        fail(kNotANumber, name);
        return false;
    }
    const auto computed = formula(*value);
    if (!computed) {
        fail(kOutOfRange, name);
        return false;
    }
    level = *computed;
    return true;
}

void RecordReader::sample_line(std::string_view line)
{
    if (r_ == 0)
        return fail(kLineBeforeHeader);
    if (n_ == kMaxSamples)
        return fail(kTooManySamples);

    // Fields in the order they are used, so that the first bad one is named.
    const char* p = line.data();
    const bool usual_running = usual_running_fields(p);
    if (!usual_running) [[unlikely]] {
        if (!fixed_field_is_number<3>(p + 6))
            return fail(kNotANumber, TREVALO_NOOP("records", "calories"));
        if (!fixed_field_is_number<4>(p + 17))
            return fail(kNotANumber, TREVALO_NOOP("records", "distance"));
        if (!fixed_field_is_number<2>(p + 0))
            return fail(kNotANumber, TREVALO_NOOP("records", "minutes"));
        if (!fixed_field_is_number<2>(p + 3))
            return fail(kNotANumber, TREVALO_NOOP("records", "seconds"));
    }
    const bool imperial = imperial_;
    const auto usual = usual_level_fields(p);
    const bool usual_sample = usual && usual_running;
    if (usual_sample) [[likely]] {
        // Whole units and fixed decimals, packed as read: "MM:SS CCC PPP II D.DD SS.S".
        auto d = [p](int i) { return static_cast<unsigned>(p[i] - '0'); };
        store_.set_packed(r_ - 1, n_,
                          {static_cast<std::uint16_t>((d(0) * 10 + d(1)) * 60 + d(3) * 10 + d(4)),
                           static_cast<std::uint16_t>(d(6) * 100 + d(7) * 10 + d(8)),
                           static_cast<std::uint16_t>(usual->pulse.mantissa),
                           static_cast<std::uint16_t>(d(17) * 100 + d(19) * 10 + d(20)),
                           static_cast<std::uint16_t>(usual->speed.mantissa),
                           static_cast<std::uint8_t>(usual->incline.mantissa),
                           static_cast<std::uint8_t>(PackedSample::kRead | (imperial ? PackedSample::kImperial : 0))});
    } else {
        // The levels of the usual shapes are looked up when shown; these
        // are kept with the readings.
        SampleLevels levels;
        if (!read_level<2>(line, 15, TREVALO_NOOP("records", "incline"), levels.rec_incline, [&](PlainNumber n) { return tables_.incline(n); },
                           [](double v) { return incline_level(v); }) ||
            !read_level<4>(line, 23, TREVALO_NOOP("records", "speed"), levels.rec_speed, [&](PlainNumber n) { return tables_.speed(n, imperial); },
                           [&](double v) { return speed_level(v, imperial); }) ||
            !read_level<3>(line, 11, TREVALO_NOOP("records", "pulse"), levels.rec_pulse, [&](PlainNumber n) { return tables_.pulse(n); },
                           [](double v) { return pulse_level(v); }))
            return;
        const Running exact = running(line);
        store_.set_raw(r_ - 1, n_,
                       {exact.time, exact.calories, fixed_field<3>(p + 10).value_or(0),
                        fixed_field<2>(p + 14).value_or(0), exact.distance, fixed_field<4>(p + 22).value_or(0)},
                       levels, imperial);
        if (n_ == 0)
            first_ = exact;
        last_ = exact;
    }
    // The running readings count for the totals only at the first and the
    // last sample: a usual one's are read back from the store then.
    if (n_ == 0)
        first_kept_ = !usual_sample;
    last_kept_ = !usual_sample;
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
    auto readings = [&](bool kept, const Running& running, int i) {
        if (kept)
            return running;
        const RawSample raw = store_.raw(q, i);
        return Running{raw.calories, raw.distance, raw.time};
    };
    const Running first = readings(first_kept_, first_, 0), last = readings(last_kept_, last_, n_ - 1);
    const double last_calories = to_int16(last.calories).value_or(0);
    const double last_time = to_int16(last.time).value_or(0);
    auto total = [](double first, double last) { return last > first ? last : first - last; };
    // Readings of at most three digits: their totals fit 16 bits.
    record.rec_calories = to_int16(total(first.calories, last_calories)).value_or(0);
    record.rec_distance = total(first.distance, last.distance);
    record.rec_time = to_int16(total(first.time, last_time)).value_or(0);
}

Result<void> read_records(std::string_view file, RecordStore& store, std::vector<std::string>& names)
{
    RecordReader reader(store, names);
    reader.feed(file);
    return reader.finish();
}

}  // namespace trevalo::records
