#include "fit/sport.h"

#include "base/translation.h"

#include <array>
#include <utility>

namespace trevalo::fit {

namespace {

constexpr std::int64_t kGeneric = 0, kRunning = 1, kFitnessEquipment = 4, kWalking = 11, kAll = 254;
constexpr std::int64_t kTreadmill = 1, kIndoorWalking = 27, kIndoorRunning = 45;

// Every sport of the profile.
constexpr auto kSports = std::to_array<std::pair<int, const char*>>({
    {1, TREVALO_NOOP("fit", "a run")}, {2, TREVALO_NOOP("fit", "a ride")}, {3, TREVALO_NOOP("fit", "a transition between two sports")}, {4, TREVALO_NOOP("fit", "a session on fitness equipment")},
    {5, TREVALO_NOOP("fit", "a swim")}, {6, TREVALO_NOOP("fit", "a basketball game")}, {7, TREVALO_NOOP("fit", "a football (soccer) game")}, {8, TREVALO_NOOP("fit", "a tennis match")},
    {9, TREVALO_NOOP("fit", "an American football game")}, {10, TREVALO_NOOP("fit", "a training session")}, {11, TREVALO_NOOP("fit", "a walk")},
    {12, TREVALO_NOOP("fit", "a cross-country skiing session")}, {13, TREVALO_NOOP("fit", "an alpine skiing session")}, {14, TREVALO_NOOP("fit", "a snowboarding session")},
    {15, TREVALO_NOOP("fit", "a rowing session")}, {16, TREVALO_NOOP("fit", "a mountaineering tour")}, {17, TREVALO_NOOP("fit", "a hike")}, {18, TREVALO_NOOP("fit", "a multisport race")},
    {19, TREVALO_NOOP("fit", "a paddling session")}, {20, TREVALO_NOOP("fit", "a flight")}, {21, TREVALO_NOOP("fit", "an e-bike ride")}, {22, TREVALO_NOOP("fit", "a motorcycle ride")},
    {23, TREVALO_NOOP("fit", "a boat trip")}, {24, TREVALO_NOOP("fit", "a drive")}, {25, TREVALO_NOOP("fit", "a round of golf")}, {26, TREVALO_NOOP("fit", "a hang-gliding flight")},
    {27, TREVALO_NOOP("fit", "a horse ride")}, {28, TREVALO_NOOP("fit", "a hunt")}, {29, TREVALO_NOOP("fit", "a fishing trip")}, {30, TREVALO_NOOP("fit", "an inline skating session")},
    {31, TREVALO_NOOP("fit", "a rock climb")}, {32, TREVALO_NOOP("fit", "a sail")}, {33, TREVALO_NOOP("fit", "an ice skating session")}, {34, TREVALO_NOOP("fit", "a skydive")},
    {35, TREVALO_NOOP("fit", "a snowshoe hike")}, {36, TREVALO_NOOP("fit", "a snowmobile ride")}, {37, TREVALO_NOOP("fit", "a stand-up paddleboarding session")},
    {38, TREVALO_NOOP("fit", "a surfing session")}, {39, TREVALO_NOOP("fit", "a wakeboarding session")}, {40, TREVALO_NOOP("fit", "a water skiing session")},
    {41, TREVALO_NOOP("fit", "a kayaking trip")}, {42, TREVALO_NOOP("fit", "a rafting trip")}, {43, TREVALO_NOOP("fit", "a windsurfing session")}, {44, TREVALO_NOOP("fit", "a kitesurfing session")},
    {45, TREVALO_NOOP("fit", "a tactical activity")}, {46, TREVALO_NOOP("fit", "a parachute jump")}, {47, TREVALO_NOOP("fit", "a boxing session")}, {48, TREVALO_NOOP("fit", "a stair climb")},
    {49, TREVALO_NOOP("fit", "a baseball game")}, {53, TREVALO_NOOP("fit", "a dive")}, {56, TREVALO_NOOP("fit", "a shooting session")}, {58, TREVALO_NOOP("fit", "a winter sport session")},
    {59, TREVALO_NOOP("fit", "a grinding session")}, {62, TREVALO_NOOP("fit", "a HIIT workout")}, {63, TREVALO_NOOP("fit", "a video gaming session")},
    {64, TREVALO_NOOP("fit", "a racket sport game")}, {65, TREVALO_NOOP("fit", "a wheelchair push at walking pace")},
    {66, TREVALO_NOOP("fit", "a wheelchair push at running pace")}, {67, TREVALO_NOOP("fit", "a meditation")}, {68, TREVALO_NOOP("fit", "a para sport session")},
    {69, TREVALO_NOOP("fit", "a round of disc golf")}, {70, TREVALO_NOOP("fit", "a team sport game")}, {71, TREVALO_NOOP("fit", "a cricket match")}, {72, TREVALO_NOOP("fit", "a rugby match")},
    {73, TREVALO_NOOP("fit", "a hockey game")}, {74, TREVALO_NOOP("fit", "a lacrosse game")}, {75, TREVALO_NOOP("fit", "a volleyball game")}, {76, TREVALO_NOOP("fit", "a water tubing ride")},
    {77, TREVALO_NOOP("fit", "a wakesurfing session")}, {78, TREVALO_NOOP("fit", "a water sport session")}, {79, TREVALO_NOOP("fit", "an archery session")},
    {80, TREVALO_NOOP("fit", "a mixed martial arts session")}, {81, TREVALO_NOOP("fit", "a motor sport session")}, {82, TREVALO_NOOP("fit", "a snorkelling trip")},
    {83, TREVALO_NOOP("fit", "a dance")}, {84, TREVALO_NOOP("fit", "a jump rope session")}, {85, TREVALO_NOOP("fit", "a pool apnea session")}, {86, TREVALO_NOOP("fit", "a mobility session")},
    {87, TREVALO_NOOP("fit", "a geocaching trip")}, {88, TREVALO_NOOP("fit", "a canoe trip")}, {0, TREVALO_NOOP("fit", "an activity of no sport in particular")},
    {kAll, TREVALO_NOOP("fit", "an activity of no sport in particular")},
});

// Fitness equipment other than a treadmill, by the machine.
constexpr auto kMachines = std::to_array<std::pair<int, const char*>>({
    {6, TREVALO_NOOP("fit", "an indoor ride")}, {14, TREVALO_NOOP("fit", "a session on a rowing machine")}, {15, TREVALO_NOOP("fit", "a session on an elliptical trainer")},
    {16, TREVALO_NOOP("fit", "a session on a stair climber")}, {25, TREVALO_NOOP("fit", "a session on a ski machine")},
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
                return translated("fit", name);
    for (const auto& [number, name] : kSports)
        if (number == sport)
            return translated("fit", name);
    return filled(translated("fit", "an activity of a sport this tool does not know (FIT sport %1)"), sport);
}

}  // namespace trevalo::fit
