#pragma once

// Record files for tests, line by line, in the treadmill's fixed widths.

#include <string>

namespace trevalo::records::testing {

// A number as a fixed-width field: `pad` before it up to `width`.
inline std::string right_aligned(int value, std::size_t width, char pad)
{
    const std::string digits = std::to_string(value);
    return std::string(width > digits.size() ? width - digits.size() : 0, pad).append(digits);
}

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

}  // namespace trevalo::records::testing
