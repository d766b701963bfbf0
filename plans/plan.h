#pragma once

// A structured workout as a training plan describes it, whatever file it
// came from: steps in running order, repeats already expanded. Turning it
// into a program (plan_program.h) fills in what a treadmill needs and the
// file left open.

#include <optional>
#include <string>
#include <vector>

namespace trevalo::plans {

// A step that ends on a button press, a heart rate or the like runs this long.
inline constexpr double kOpenStepSeconds = 5 * 60;
// Longer than any run a treadmill program can stand for, and more steps than
// any plan a person writes: past these a file is more likely broken or
// hostile than meant, and reading on would cost memory without bound.
inline constexpr double kLongestPlanSeconds = 24 * 60 * 60;
inline constexpr int kMostPlanSteps = 10'000;

struct Step {
    std::string name;  // the file's own name for the step; empty when it has none
    int number = 0;    // 1-based position in the file, to name a step that has no name

    // How the step ends. An open step (the lap button, heart rate, calories,
    // power) has no length a treadmill can run.
    enum class Length : unsigned char { Time, Distance, Open };
    Length length = Length::Time;
    double amount = 0;  // seconds for Time, metres for Distance

    std::optional<double> speed_mps;      // none: the step sets no speed
    std::optional<double> end_speed_mps;  // a ramp: from speed_mps to this, evenly over the step
    double incline_pct = 0;
};

struct Plan {
    std::string name;
    std::vector<Step> steps;
    // What the reader had to adapt, in words for the user ("Repeat of steps
    // 2 to 3 until a time was run once."), in the order met.
    std::vector<std::string> notes;
};

}  // namespace trevalo::plans
