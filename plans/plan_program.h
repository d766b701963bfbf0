#pragma once

// A training plan, read from any workout file, as a program for the
// treadmill, with a note for the runner on everything the import had to
// invent or could not keep.

#include "base/result.h"
#include "plans/plan.h"
#include "program/program.h"
#include "program/settings.h"

#include <string>
#include <vector>

namespace trevalo::plans {

struct Imported {
    program::Program program;
    // In this order: the reader's own Plan::notes, steps given a default
    // length, steps that borrowed a speed, short steps averaged into their
    // segments, values beyond the lists. Empty for a plain file.
    std::vector<std::string> notes;
};

// `weight` is the editor's weight, kept as it is for every imported file.
// Refused, with a sentence for the runner: no steps, no speed anywhere, no
// length, more than 24 hours, or values no treadmill can run.
Result<Imported> plan_program(const Plan& plan, const program::Settings& settings, int weight);

}  // namespace trevalo::plans
