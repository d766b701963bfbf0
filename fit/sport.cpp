#include "fit/sport.h"

#include <array>
#include <utility>

namespace trevalo::fit {

namespace {

constexpr std::int64_t kGeneric = 0, kRunning = 1, kFitnessEquipment = 4, kWalking = 11, kAll = 254;
constexpr std::int64_t kTreadmill = 1, kIndoorWalking = 27, kIndoorRunning = 45;

// Every sport of the profile.
constexpr auto kSports = std::to_array<std::pair<int, const char*>>({
    {1, "a run"}, {2, "a ride"}, {3, "a transition between two sports"}, {4, "a session on fitness equipment"},
    {5, "a swim"}, {6, "a basketball game"}, {7, "a football (soccer) game"}, {8, "a tennis match"},
    {9, "an American football game"}, {10, "a training session"}, {11, "a walk"},
    {12, "a cross-country skiing session"}, {13, "an alpine skiing session"}, {14, "a snowboarding session"},
    {15, "a rowing session"}, {16, "a mountaineering tour"}, {17, "a hike"}, {18, "a multisport race"},
    {19, "a paddling session"}, {20, "a flight"}, {21, "an e-bike ride"}, {22, "a motorcycle ride"},
    {23, "a boat trip"}, {24, "a drive"}, {25, "a round of golf"}, {26, "a hang-gliding flight"},
    {27, "a horse ride"}, {28, "a hunt"}, {29, "a fishing trip"}, {30, "an inline skating session"},
    {31, "a rock climb"}, {32, "a sail"}, {33, "an ice skating session"}, {34, "a skydive"},
    {35, "a snowshoe hike"}, {36, "a snowmobile ride"}, {37, "a stand-up paddleboarding session"},
    {38, "a surfing session"}, {39, "a wakeboarding session"}, {40, "a water skiing session"},
    {41, "a kayaking trip"}, {42, "a rafting trip"}, {43, "a windsurfing session"}, {44, "a kitesurfing session"},
    {45, "a tactical activity"}, {46, "a parachute jump"}, {47, "a boxing session"}, {48, "a stair climb"},
    {49, "a baseball game"}, {53, "a dive"}, {56, "a shooting session"}, {58, "a winter sport session"},
    {59, "a grinding session"}, {62, "a HIIT workout"}, {63, "a video gaming session"},
    {64, "a racket sport game"}, {65, "a wheelchair push at walking pace"},
    {66, "a wheelchair push at running pace"}, {67, "a meditation"}, {68, "a para sport session"},
    {69, "a round of disc golf"}, {70, "a team sport game"}, {71, "a cricket match"}, {72, "a rugby match"},
    {73, "a hockey game"}, {74, "a lacrosse game"}, {75, "a volleyball game"}, {76, "a water tubing ride"},
    {77, "a wakesurfing session"}, {78, "a water sport session"}, {79, "an archery session"},
    {80, "a mixed martial arts session"}, {81, "a motor sport session"}, {82, "a snorkelling trip"},
    {83, "a dance"}, {84, "a jump rope session"}, {85, "a pool apnea session"}, {86, "a mobility session"},
    {87, "a geocaching trip"}, {88, "a canoe trip"}, {0, "an activity of no sport in particular"},
    {kAll, "an activity of no sport in particular"},
});

// Fitness equipment other than a treadmill, by the machine.
constexpr auto kMachines = std::to_array<std::pair<int, const char*>>({
    {6, "an indoor ride"}, {14, "a session on a rowing machine"}, {15, "a session on an elliptical trainer"},
    {16, "a session on a stair climber"}, {25, "a session on a ski machine"},
});

}  // namespace

bool is_run(std::optional<std::int64_t> sport, std::optional<std::int64_t> sub_sport)
{
    if (!sport || *sport == kGeneric || *sport == kAll || *sport == kRunning || *sport == kWalking)
        return true;
    return *sport == kFitnessEquipment &&
           (sub_sport == kTreadmill || sub_sport == kIndoorRunning || sub_sport == kIndoorWalking);
}

std::string describe_sport(std::int64_t sport, std::optional<std::int64_t> sub_sport)
{
    if (sport == kFitnessEquipment && sub_sport)
        for (const auto& [number, name] : kMachines)
            if (number == *sub_sport)
                return name;
    for (const auto& [number, name] : kSports)
        if (number == sport)
            return name;
    return "an activity of a sport this tool does not know (FIT sport " + std::to_string(sport) + ")";
}

}  // namespace trevalo::fit
