#include "editor/edit_program.h"
#include "editor/tests/model_helpers.h"
#include "program/tests/random_program.h"

#include <gtest/gtest.h>

namespace trevalo::editor {
namespace {

// Random programs under every model, unit and mode, brought into an editor
// that starts elsewhere: each value lands in its list through the handler,
// so the lamps and the program read back agree with what was chosen.
TEST(EditProgram, RestoreBringsBackEveryProgramThroughTheLists)
{
    std::mt19937 random(20261207);
    for (const program::Settings& s : program::kAllSettings)
        for (int round = 0; round < 5; ++round) {
            const program::Program p = program::testing::random_program(s, random);
            EditModel m = testing::started(Model::QM5, Unit::KPH, Mode::Silver);
            restore(m, p);
            ASSERT_EQ(program_of(m), p);
            for (int i = 0; i < segments_shown(s.model); ++i) {
                const int level = p.speed[static_cast<std::size_t>(i)] / speed_step(s.model, s.unit, s.mode);
                EXPECT_EQ(testing::column(m, Ctl::Image1, i).find('0'),
                          level + 1 < kLevels ? std::size_t(level + 1) : std::string::npos);
            }
        }
}

}  // namespace
}  // namespace trevalo::editor
