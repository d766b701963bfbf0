#include "exports/fit_encoder.h"
#include "fit/profile.h"
#include "fit/tests/reads_as.h"
#include "fit/writer.h"

#include <gtest/gtest.h>

namespace trevalo::fit {
namespace {

namespace record = profile::record;
using enum BaseType;

struct Record {
    std::optional<std::int64_t> time = {}, speed = {}, enhanced_speed = {}, grade = {};
};

// Records of an activity starting at FIT time 1000; from `compress_from` on,
// under compressed-timestamp headers (speed and grade only).
std::string activity(const std::vector<Record>& records, std::size_t compress_from = SIZE_MAX)
{
    Writer out;
    out.write(profile::file_id::number, {{profile::file_id::type, enum8, std::int64_t{profile::file_activity}}});
    for (std::size_t i = 0; i < records.size() && i < compress_from; ++i) {
        const Record& r = records[i];
        out.write(record::number, {{record::timestamp, uint32, r.time}, {record::speed, uint16, r.speed},
                                   {record::enhanced_speed, uint32, r.enhanced_speed}, {record::grade, sint16, r.grade}});
    }
    if (compress_from < records.size())
        out.append_raw({"\x42\x00\x00\x14\x00\x02\x06\x02\x84\x09\x02\x83", 12});  // local type 2: speed, grade
    for (std::size_t i = compress_from; i < records.size(); ++i) {
        const Record& r = records[i];
        const auto le = [](std::int64_t v) { return std::string{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8 & 0xFF)}; };
        out.append_raw(static_cast<char>(0x80 | 2 << 5 | (*r.time & 0x1F)) + le(*r.speed) + le(*r.grade));
    }
    return out.finish();
}

TEST(FitActivityReader, ReadsRecordsOfEveryShape)
{
    // The compressed times roll over 32 s between the second and third, and the third and fourth.
    const std::vector<Record> rolling = {{1000, 2500, {}, 100}, {1020, 3000, {}, -150}, {1033, 3100, {}, 50}, {1060, 1, {}, 0}};
    const struct {
        const char* name;
        std::string file;
        std::string expected;
    } rows[] = {
        {"compressed timestamps across roll-overs", activity(rolling, 1), "0:2.5/1 20:3/-1.5 33:3.1/0.5 60:0.001/0 | 60"},
        {"enhanced speed first", activity({{1000, 2500, 2600, 0}, {1001, {}, 70'000, {}}}), "0:2.6/0 1:70/0 | 1"},
        {"a record without speed or grade keeps the last", activity({{1000, 2000, {}, 300}, {1003}, {1005, 0, {}, 0}}),
         "0:2/3 3:2/3 5:0/0 | 5"},
        {"untimed and backward records passed over, the same second replaced",
         activity({{1000, 1000}, {{}, 9000}, {1010, 2000}, {1005, 3000}, {1010, 4000}, {1012, 5000}}),
         "0:1/0 10:4/0 12:5/0 | 12"},
        {"a single record", activity({{1000, 1000}}), "fewer than two records with a time"},
        // What this tool exports comes back as the points it was written
        // from, a pulse missing in one.
        {"an export", exports::encode_fit({.start_utc = 1'700'000'000, .average_heart_rate = {}, .max_heart_rate = {},
                                           .points = {{0, 0, 2.5, 120, 1}, {2, 5, 2.013, {}, -1.5}, {4.4, 10, 3.0004, 130, 0.25}}}),
         "0:2.5/1 2:2.013/-1.5 4:3/0.25 | 4"},
    };
    for (const auto& row : rows)
        EXPECT_TRUE(testing::reads_as(row.file, row.expected)) << row.name;
}

}  // namespace
}  // namespace trevalo::fit
