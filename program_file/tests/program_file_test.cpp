#include "program/tests/random_program.h"
#include "program_file/program_file.h"
#include "program_file/program_reader.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>
#include <vector>

namespace trevalo::program_file {
namespace {

using program::Program;
using enum program::Model;
using enum program::Unit;
using enum program::Mode;

// Buffers kept from one save to the next, as the save command keeps them.
TEST(ProgramFile, LaysOutAllTwentySegmentsWithTheHiddenOnesAtTheirDefaults)
{
    Program p = program::default_program({R300, KPH, General});
    for (int i = 0; i < 16; ++i) {
        p.speed[static_cast<std::size_t>(i)] = 200;
        p.incline[static_cast<std::size_t>(i)] = 4;
    }
    p.weight = 110;
    std::vector<int> expected;
    for (auto [count, value] : {std::pair{1, 242}, {1, 0}, {1, 110}, {1, 32}, {16, 4}, {4, 0}, {16, 125}, {4, 5},
                                {16, 200}, {4, 8}, {1, 0}})
        expected.insert(expected.end(), count, value);
    FileBuffers buffers;
    for (int save = 0; save < 2; ++save) {
        fill_buffers(p, buffers);
        const ProgramBytes bytes = program_bytes(p, buffers);
        EXPECT_EQ(std::vector<int>(bytes.begin(), bytes.end()), expected);
    }
}

// Each row is a program edited in its unit: a weight in pounds and in
// kilograms, and the speed of the last segment in tenths of MPH and of KPH.
TEST(ProgramFile, ConvertsToTheNearestWholeNumberHalvesToEven)
{
    for (auto [unit, lbs, kg, mph, kph] :
         {std::tuple{KPH, 154, 70, 8, 12}, {KPH, 440, 200, 2, 4}, {KPH, 66, 30, 12, 20}, {KPH, 73, 33, 18, 28},
          {KPH, 125, 57, 62, 100}, {KPH, 218, 99, 138, 220}, {KPH, 271, 123, 150, 240}, {KPH, 396, 180, 2, 3},
          {MPH, 450, 205, 150, 240}, {MPH, 70, 32, 5, 8}, {MPH, 400, 182, 138, 221}}) {
        Program p;
        p.settings.unit = unit;
        p.weight = unit == KPH ? kg : lbs;
        p.speed[19] = static_cast<std::uint8_t>(unit == KPH ? kph : mph);
        const ProgramBytes bytes = program_bytes(p);
        EXPECT_EQ(bytes[0] | bytes[1] << 8, lbs);
        EXPECT_EQ(bytes[2], kg);
        EXPECT_EQ(bytes[24 + 19], mph);
        EXPECT_EQ(bytes[44 + 19], kph);
    }
}

// Each file is a saved default program with one thing changed, read under
// the settings named; the message says what and where.
TEST(ProgramReader, RefusesWhatItCannotShowSayingWhatAndWhere)
{
    const struct {
        program::Model model;
        program::Mode mode;
        void (*change)(std::vector<std::uint8_t>&);
        const char* starts;
    } cases[] = {
        {R300, General, [](auto& b) { b.pop_back(); }, "The file holds 64 bytes;"},
        {R300, General, [](auto& b) { b.push_back(0); }, "The file holds 66 bytes;"},
        {R300, General, [](auto& b) { b[64] = 1; }, "The file's last byte is 1;"},
        {R300, General, [](auto& b) { b[44 + 4] += 3; }, "Segment 5: 0.5 MPH and 1.1 KPH disagree"},
        {R300, General, [](auto& b) { b[2] += 2; }, "The weight of 154 LBS and of 72 KG disagree"},
        {R300, General, [](auto& b) { b[24 + 4] = 138, b[44 + 4] = 221; },
         "Segment 5: 13.8 MPH is not offered by the R300 in General mode."},
        {QM5, Silver, [](auto& b) { b[4] = 15; },
         "Segment 1: an incline of 15 % is not offered by the QM-5 in Silver mode."},
        {QM20, General, [](auto& b) { b[3] = 3; },
         "A workout time of 3 minutes is not offered by the QM-20 in General mode."},
        {QM20, General, [](auto& b) { b[0] = 460 & 0xFF, b[1] = 460 >> 8, b[2] = 209; },
         "A weight of 460 LBS is not offered by the QM-20 in General mode."},
    };
    const ProgramBytes saved = program_bytes(program::default_program({R300, MPH, General}));
    for (const auto& c : cases) {
        std::vector<std::uint8_t> bytes(saved.begin(), saved.end());
        c.change(bytes);
        const auto read = read_program(bytes, {c.model, MPH, c.mode});
        EXPECT_FALSE(read) << c.starts;
        EXPECT_TRUE(read.error().starts_with(c.starts)) << read.error();
    }
}

// Random programs under every model, unit and mode: saved and read back,
// they give the same program and the same 65 bytes.
TEST(ProgramReader, EveryProgramComesBackAsSaved)
{
    std::mt19937 random(20261206);
    for (const program::Settings& s : program::kAllSettings)
        for (int round = 0; round < 20; ++round) {
            const Program p = program::testing::random_program(s, random);
            const ProgramBytes saved = program_bytes(p);
            const auto read = read_program(saved, s);
            ASSERT_TRUE(read) << read.error();
            EXPECT_EQ(*read, p);
            EXPECT_TRUE(has_program_shape(saved));
        }
}

}  // namespace
}  // namespace trevalo::program_file
