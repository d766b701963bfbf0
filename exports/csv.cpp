#include "exports/csv.h"

#include <charconv>
#include <cmath>

namespace trevalo::exports {

namespace {

void append_field(std::string& out, const std::string& field)
{
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void append_record(std::string& out, const std::vector<std::string>& fields)
{
    if (fields.size() == 1 && fields.front().empty()) {
        out += "\"\"\r\n";
        return;
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        append_field(out, fields[i]);
    }
    out += "\r\n";
}

// Adds one unit in the last place of a run of decimal digits; true when the
// carry runs out of the front (999 -> 000).
bool increment_digits(std::string& digits)
{
    for (auto i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    return true;
}

}  // namespace

std::string csv_table(const std::vector<std::string>& header, const std::vector<std::vector<std::string>>& rows)
{
    std::string out;
    if (!header.empty())
        append_record(out, header);
    for (const auto& row : rows)
        append_record(out, row);
    return out;
}

std::string csv_number(double value, int max_decimals)
{
    if (!std::isfinite(value))
        return {};
    if (max_decimals < 0)
        max_decimals = 0;

    // Rounding the shortest decimal rather than the binary value keeps 2.675
    // at "2.68", as a person reading "2.675" elsewhere expects. 400 places
    // hold the longest fixed form of any double (the smallest subnormal).
    char buffer[400];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed);
    const std::string text(buffer, written.ptr);

    const auto point = text.find('.');
    std::string whole = text.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : text.substr(point + 1);

    const auto keep = static_cast<std::size_t>(max_decimals);
    if (fraction.size() > keep) {
        const char first_dropped = fraction[keep];
        const bool beyond_half = fraction.find_first_not_of('0', keep + 1) != std::string::npos;
        const char last_kept = keep > 0 ? fraction[keep - 1] : whole.back();
        const bool up = first_dropped > '5' || (first_dropped == '5' && (beyond_half || (last_kept - '0') % 2 == 1));
        fraction.resize(keep);
        if (up && increment_digits(fraction) && increment_digits(whole))
            whole.insert(whole.begin(), '1');
    }
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();

    const bool zero = whole.find_first_not_of('0') == std::string::npos && fraction.empty();
    std::string out = value < 0 && !zero ? "-" : "";
    out += whole;
    if (!fraction.empty())
        out += '.' + fraction;
    return out;
}

}  // namespace trevalo::exports
