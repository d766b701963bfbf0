#pragma once

// CSV as spreadsheets and Python's csv module read it (RFC 4180): CRLF after
// every record, header included; UTF-8 text passed through as it is.

#include <string>
#include <vector>

namespace trevalo::exports {

// A field is quoted only when it holds a comma, a quote, CR or LF, its quotes
// doubled; a record of one empty field is written as "" so that it does not
// read back as a blank line. An empty header writes no header line.
std::string csv_table(const std::vector<std::string>& header, const std::vector<std::vector<std::string>>& rows);

// The shortest decimal that reads back as the value, rounded to at most
// max_decimals decimals, half to even on that decimal (2.25 -> "2.2",
// 2.35 -> "2.4", 2.675 -> "2.68"); point as separator whatever the locale,
// no trailing zeros, no exponent, never "-0". Not a number or infinite: ""
// (an empty cell: no value).
std::string csv_number(double value, int max_decimals);

}  // namespace trevalo::exports
