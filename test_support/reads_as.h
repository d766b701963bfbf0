#pragma once

// What a FIT file imports as, through the one door the program uses, as one
// line of text to compare with.

#include "imports/fit_file_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace trevalo::test_support {

// A workout: "Name: 1T600@2.75/3[Warm up]", each step's number, T/D/O and
// its seconds or metres, the speed, the incline when not 0, the step's
// name, then "(note)" for each note. An activity: "0:2.5/1 2:3/-1.5 | 4",
// each reading's start, speed and incline, then the length and its notes.
inline std::string text(const imports::FitContent& imported)
{
    std::ostringstream out;
    out.precision(10);
    if (const auto* activity = std::get_if<imports::ActivityReadings>(&imported)) {
        for (const program::Reading& r : activity->readings)
            out << r.start_s << ':' << r.speed_mps << '/' << r.incline_pct << ' ';
        out << "| " << activity->total_s;
        for (const std::string& note : activity->notes)
            out << " (" << note << ')';
        return out.str();
    }
    const plans::Plan& plan = std::get<plans::Plan>(imported);
    out << plan.name << (plan.name.empty() ? "" : ": ");
    for (const plans::Step& s : plan.steps) {
        out << (&s == plan.steps.data() ? "" : " ") << s.number << "TDO"[static_cast<int>(s.length)];
        if (s.length != plans::Step::Length::Open)
            out << s.amount;
        if (s.speed_mps)
            out << '@' << *s.speed_mps;
        if (s.incline_pct != 0)
            out << '/' << s.incline_pct;
        if (!s.name.empty())
            out << '[' << s.name << ']';
    }
    for (const std::string& note : plan.notes)
        out << " (" << note << ')';
    return out.str();
}

// The file imports as `expected` exactly, or is refused in words that hold
// the parts of `expected` between its '*'s, in order.
inline ::testing::AssertionResult reads_as(std::string_view file, const std::string& expected)
{
    const Result<imports::FitContent> imported = imports::read_fit_file(file);
    const std::string said = imported ? text(*imported) : imported.error();
    bool holds = !imported || said == expected;
    for (std::size_t from = 0, star = 0, at = 0; !imported && holds && star != std::string::npos; from = star + 1) {
        star = expected.find('*', from);
        at = said.find(expected.substr(from, star - from), at);
        holds = at != std::string::npos;
    }
    return holds ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << "it reads as: " << said;
}

}  // namespace trevalo::test_support
