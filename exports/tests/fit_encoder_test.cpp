#include "exports/fit_encoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>

#include <sys/wait.h>

namespace trevalo::exports {
namespace {

namespace fs = std::filesystem;

// A sample every 2 s with negative grades among them, and totals that are not
// whole numbers, so that every field is rounded on the way.
Workout workout(int points, const std::function<std::optional<int>(int)>& pulse)
{
    Workout w;
    w.start_utc = 1'700'000'000;
    for (int i = 0; i < points; ++i)
        w.points.push_back({i * 2.0, i * 5.55, 2.5 + 0.013 * (i % 50), pulse(i), (i % 15) * 0.75 - 2.5});
    w.elapsed_s = points * 2.0 + 0.4;
    w.distance_m = points * 5.55;
    w.calories = points / 3;
    w.average_speed_mps = 2.777;
    w.max_speed_mps = 3.137;
    w.ascent_m = points * 0.123;
    for (const Point& p : w.points) {
        if (p.heart_rate) {
            w.average_heart_rate = 141;
            w.max_heart_rate = std::max(w.max_heart_rate.value_or(0), *p.heart_rate);
        }
    }
    return w;
}

std::optional<int> steady(int i) { return 120 + i % 40; }
std::optional<int> none(int) { return std::nullopt; }
std::optional<int> with_gaps(int i) { return i % 7 < 3 ? std::nullopt : steady(i); }

// What the checker reads: the workout's fields, null for a value it lacks.
std::string json(const std::optional<int>& value) { return value ? std::to_string(*value) : "null"; }

std::string json(double value)
{
    std::ostringstream out;
    out.precision(17);
    out << value;
    return std::isnan(value) ? "null" : out.str();
}

std::string json(const Workout& w)
{
    std::string out = R"({"start":)" + std::to_string(w.start_utc) + R"(,"elapsed":)" + json(w.elapsed_s) +
                      R"(,"distance":)" + json(w.distance_m) + R"(,"calories":)" + std::to_string(w.calories) +
                      R"(,"averageSpeed":)" + json(w.average_speed_mps) + R"(,"maxSpeed":)" + json(w.max_speed_mps) +
                      R"(,"averageHeartRate":)" + json(w.average_heart_rate) + R"(,"maxHeartRate":)" +
                      json(w.max_heart_rate) + R"(,"ascent":)" + json(w.ascent_m) + R"(,"points":[)";
    for (const Point& p : w.points) {
        out += R"({"elapsed":)" + json(p.elapsed_s) + R"(,"distance":)" + json(p.distance_m) + R"(,"speed":)" +
               json(p.speed_mps) + R"(,"heartRate":)" + json(p.heart_rate) + R"(,"grade":)" +
               json(p.grade_percent) + "},";
    }
    if (!w.points.empty())
        out.pop_back();
    return out + "]}";
}

class FitFiles : public ::testing::Test {
protected:
    FitFiles()
    {
        char name[] = "/tmp/fit_encoder_XXXXXX";
        folder_ = mkdtemp(name);
    }
    ~FitFiles() override { fs::remove_all(folder_); }

    void SetUp() override
    {
        ASSERT_TRUE(fs::exists(source_ / "node_modules/@garmin/fitsdk/package.json"))
            << "Garmin's FIT SDK is missing: run `npm ci` in " << source_;
        ASSERT_TRUE(fs::exists(node_)) << "Node.js was not found when the build was configured";
    }

    // Garmin's SDK reads the file; the exit status and what the checker said.
    std::pair<int, std::string> sdk_check(const std::string& bytes, const Workout& expected, const std::string& name)
    {
        const fs::path fit = folder_ / (name + ".fit"), expectation = folder_ / (name + ".json");
        std::ofstream(fit, std::ios::binary) << bytes;
        std::ofstream(expectation) << json(expected);
        std::string command;
        for (const fs::path& part : {node_, source_ / "exports/tests/fit_check.mjs", fit, expectation})
            command.append("'").append(part.string()).append("' ");
        command += "2>&1";
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe)
            return {-1, "could not run " + command};
        std::string said;
        for (char buffer[4096]; std::fgets(buffer, sizeof buffer, pipe);)
            said += buffer;
        const int status = pclose(pipe);
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, said};
    }

private:
    const fs::path source_ = TREVALO_SOURCE_DIR, node_ = TREVALO_NODE;
    fs::path folder_;
};

TEST_F(FitFiles, GarminsSdkReadsBackEveryWorkout)
{
    const struct {
        const char* name;
        Workout workout;
    } cases[] = {
        {"typical", workout(900, steady)},
        {"no_pulse", workout(60, none)},
        {"pulse_gaps", workout(100, with_gaps)},
        {"longest_record", workout(1025, with_gaps)},
        {"no_points", workout(0, none)},
    };
    for (const auto& c : cases) {
        const auto [status, said] = sdk_check(encode_fit(c.workout), c.workout, c.name);
        EXPECT_EQ(status, 0) << c.name << ":\n" << said;
    }
}

TEST_F(FitFiles, ValuesBeyondAFieldsRangeAreClampedNotWrapped)
{
    Workout wild = workout(2, steady);
    const double nan = std::nan(""), infinity = HUGE_VAL;
    wild.points = {{0, -3, 70, 300, -400}, {1, 5e7, -1, -5, 400}, {2, nan, infinity, {}, -infinity}};
    wild.distance_m = 5e7;
    wild.calories = 70'000;
    wild.average_speed_mps = wild.max_speed_mps = 100;
    wild.average_heart_rate = 999;
    wild.max_heart_rate = -1;
    wild.ascent_m = 70'000;

    Workout clamped = wild;
    clamped.points = {{0, 0, 65.534, 254, -327.68}, {1, 42'949'672.94, 0, 0, 327.66}, {2, nan, 65.534, {}, -327.68}};
    clamped.distance_m = 42'949'672.94;
    clamped.calories = 65'534;
    clamped.average_speed_mps = clamped.max_speed_mps = 65.534;
    clamped.average_heart_rate = 254;
    clamped.max_heart_rate = 0;
    clamped.ascent_m = 65'534;

    const auto [status, said] = sdk_check(encode_fit(wild), clamped, "clamped");
    EXPECT_EQ(status, 0) << said;
}

// Without this, a checker that passed everything would pass the encoder too.
TEST_F(FitFiles, CheckerRefusesACorruptFileAndAWrongWorkout)
{
    const Workout w = workout(20, with_gaps);
    std::string corrupt = encode_fit(w);
    corrupt[corrupt.size() / 2] ^= 0x10;
    Workout wrong = w;
    wrong.points[5].heart_rate = 150;

    for (const auto& [file, expected, name] : {std::tuple{corrupt, w, "corrupt"}, {encode_fit(w), wrong, "wrong"}}) {
        const auto [status, said] = sdk_check(file, expected, name);
        EXPECT_EQ(status, 1) << name << ":\n" << said;
    }
}

TEST(FitCrc, MatchesPublishedValues)
{
    const struct {
        std::string bytes;
        std::uint16_t crc;
    } cases[] = {
        {"", 0},
        {"123456789", 0xBB3D},
        {std::string("\x0E\x10\xD9\x07\0\0\0\0.FIT", 12), 0x3391},  // the header in Garmin's SDK README
    };
    for (const auto& c : cases)
        EXPECT_EQ(fit_crc(c.bytes), c.crc) << c.bytes;
}

std::uint32_t little_endian(const std::string& bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

TEST(FitFile, HeaderGivesTheDataSizeAndBothCrcsHold)
{
    for (const int points : {0, 1, 1025}) {
        const std::string file = encode_fit(workout(points, with_gaps));
        ASSERT_GE(file.size(), 16u);
        EXPECT_EQ(file.substr(0, 2), "\x0E\x20") << "header size, protocol 2.0";
        EXPECT_EQ(file.substr(8, 4), ".FIT");
        EXPECT_EQ(little_endian(file, 4, 4), file.size() - 16) << points;
        EXPECT_EQ(little_endian(file, 12, 2), fit_crc(file.substr(0, 12))) << points;
        EXPECT_EQ(fit_crc(file), 0) << points;
        // A record is 14 bytes at most; its definitions come once, not with every record.
        EXPECT_LT(file.size(), 600 + 14u * points) << points;
    }
}

TEST(FitFile, CrcCatchesEveryFlippedByte)
{
    const std::string file = encode_fit(workout(3, steady));
    for (std::size_t at = 0; at < file.size(); ++at) {
        for (const char flip : {'\x01', '\x80', '\xFF'}) {
            std::string damaged = file;
            damaged[at] ^= flip;
            ASSERT_NE(fit_crc(damaged), 0) << "byte " << at;
        }
    }
}

}  // namespace
}  // namespace trevalo::exports
