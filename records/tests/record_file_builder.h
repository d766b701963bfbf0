#pragma once

// Record files for tests, line by line, in the treadmill's fixed widths.

#include "records/record_reader.h"

#include <cstdint>
#include <cstdio>
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
    Result<void> outcome;
};

// A 20-minute workout whose speed and incline change at whole minutes:
// 3 mph (or km/h) climbing by half each minute, inclines 0 to 15 and on. The
// time display counts up from 00:00, or down from 20:00.
inline std::string twenty_minutes(bool down, const std::string& weight, const std::string& unit)
{
    RecordFile file;
    file.header().weight(weight, unit);
    for (int k = 0; k <= 20; ++k) {
        char minute[4], incline[4], speed[8];
        std::snprintf(minute, sizeof minute, "%02d", down ? 20 - k : k);
        std::snprintf(incline, sizeof incline, "%02d", k % 16);
        std::snprintf(speed, sizeof speed, "%4.1f", 3 + 0.5 * (k % 20));
        file.sample({minute, "00", "000", "000", incline, "0.00", speed});
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
    l.outcome = reader.finish();
    return l;
}

}  // namespace trevalo::records::testing
