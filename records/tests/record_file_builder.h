#pragma once

// Record files for tests, line by line, in the treadmill's fixed widths.

#include "records/record_reader.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace trevalo::records::testing {

struct Sample {
    std::string minutes = "00";
    std::string seconds = "00";
    std::string calories = "000";
    std::string pulse = "000";
    std::string incline = "00";
    std::string distance = "0.00";
    std::string speed = " 0.0";
};

class RecordFile {
public:
    explicit RecordFile(std::string eol = "\r\n") : eol_(std::move(eol)) {}

    RecordFile& header(const std::string& date = "2026/03/01 07:30") { return line(date); }
    RecordFile& weight(const std::string& weight, const std::string& unit) { return line(weight + unit); }
    RecordFile& sample(const Sample& s)
    {
        return line(s.minutes + ':' + s.seconds + ' ' + s.calories + ' ' + s.pulse + ' ' + s.incline + ' ' +
                    s.distance + ' ' + s.speed);
    }
    RecordFile& samples(int count, Sample s = {})
    {
        for (int i = 0; i < count; ++i)
            sample(s);
        return *this;
    }
    RecordFile& line(const std::string& text)
    {
        text_ += text + eol_;
        return *this;
    }
    const std::string& text() const { return text_; }

private:
    std::string eol_;
    std::string text_;
};

struct Loaded {
    std::unique_ptr<RecordStore> store = std::make_unique<RecordStore>();
    std::vector<std::string> names;
    std::optional<LoadError> error;
};

// A 20-minute workout whose speed and incline change at whole minutes:
// 3 mph (or km/h) climbing by half each minute, inclines 0 to 15 and on. The
// time display counts up from 00:00, or down from 20:00.
inline std::string twenty_minutes(bool down, const std::string& weight, const std::string& unit)
{
    const auto two_digits = [](int n) { return std::string{char('0' + n / 10), char('0' + n % 10)}; };
    RecordFile file;
    file.header().weight(weight, unit);
    for (int k = 0; k <= 20; ++k) {
        const int tenths = 30 + 5 * (k % 20);
        const std::string speed = (tenths < 100 ? " " : "") + std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
        file.sample({two_digits(down ? 20 - k : k), "00", "000", "000", two_digits(k % 16), "0.00", speed});
    }
    return file.text();
}

// Fed in chunks of `chunk` bytes, which may cut a line or a CR LF pair anywhere.
inline Loaded load(const std::string& file, std::size_t chunk = SIZE_MAX)
{
    Loaded l;
    RecordReader reader(*l.store, l.names);
    for (std::size_t at = 0; at < file.size(); at += chunk)
        reader.feed(std::string_view(file).substr(at, chunk));
    reader.finish();
    l.error = reader.error();
    return l;
}

}  // namespace trevalo::records::testing
