#include "plans/plan_texts.h"

#include "base/translation.h"

#include <cmath>
#include <cstdio>
#include <set>

namespace trevalo::plans {

std::string step_label(const Step& step)
{
    return step.name.empty() ? filled(translated("plans", "step %1"), step.number) : step.name;
}

std::string step_reference(const Step& step)
{
    return step.name.empty() ? filled(translated("plans", "Step %1"), step.number)
                             : filled(translated("plans", "Step %1 (%2)"), step.number, step.name);
}

std::string label_list(const std::vector<const Step*>& steps)
{
    std::set<std::string> seen;
    std::string text;
    for (const Step* step : steps) {
        std::string label = step_label(*step);
        if (!seen.insert(label).second)
            continue;
        text = text.empty() ? label : filled(translated("plans", "%1, %2"), text, label);
    }
    return text;
}

std::string number_text(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

std::string minutes_text(double seconds)
{
    const long long whole = std::llround(seconds);
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld", whole / 60, whole % 60);
    return text;
}

}  // namespace trevalo::plans
