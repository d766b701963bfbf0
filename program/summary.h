#pragma once

// What a program amounts to: how long each segment runs, how far and how
// fast the whole goes, and how much it climbs. In the program's unit: miles
// and feet with "MPH", kilometres and metres with "KPH".

#include "program/program.h"

namespace trevalo::program {

struct Summary {
    double segment_s = 0;
    double distance = 0;       // miles or kilometres
    double average_speed = 0;  // the unit shown
    double climb = 0;          // feet or metres
};

Summary summarise(const Program& program);

}  // namespace trevalo::program
