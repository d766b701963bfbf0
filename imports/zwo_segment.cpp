#include "imports/zwo_segment.h"

#include "base/translation.h"
#include "plans/plan.h"
#include "plans/plan_texts.h"

#include <array>
#include <cmath>
#include <string>
#include <utility>

namespace trevalo::imports {

namespace {

// Runs rarely go past 1.5 times the threshold pace; far beyond that a number
// is a typing slip, not a target.
constexpr double kMostPower = 5;

struct Bounds {
    double low;
    double high;
    const char* unit;
};

// The attributes of one element, read as numbers; the first problem met is
// kept and later reads give nothing.
class Attributes {
public:
    explicit Attributes(const QXmlStreamAttributes& attributes) : attributes_(attributes) {}

    std::optional<double> number(const char* name, Bounds bounds)
    {
        const QStringView text = find(name);
        if (!problem_.empty() || text.isNull())
            return std::nullopt;
        bool ok = false;
        const double value = text.trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(value)) {
            problem_ = filled(translated("imports", "%1 \"%2\" is not a number"), name, text.toString().toStdString());
            return std::nullopt;
        }
        if (value < bounds.low || value > bounds.high) {
            // A unit without words (" s", " m", " %") has no translation and stays.
            problem_ = filled(translated("imports", "%1 %2 is not between %3 and %4%5"), name,
                              plans::number_text(value), plans::number_text(bounds.low),
                              plans::number_text(bounds.high), *bounds.unit ? translated("imports", bounds.unit) : "");
            return std::nullopt;
        }
        return value;
    }

    double required(const char* name, Bounds bounds)
    {
        const std::optional<double> value = number(name, bounds);
        if (!value && problem_.empty())
            problem_ = filled(translated("imports", "%1 is missing"), name);
        return value.value_or(0);
    }

    // A share of the threshold: `single`, else the middle of the range, as
    // Zwift runs a range target.
    std::optional<double> power(const char* single, const char* low, const char* high)
    {
        const Bounds bounds{0, kMostPower, ""};
        if (const auto value = number(single, bounds))
            return value;
        const auto from = number(low, bounds);
        const auto to = number(high, bounds);
        if (from && to)
            return (*from + *to) / 2;
        return from ? from : to;
    }

    std::optional<double> required_power(const char* single, const char* low, const char* high)
    {
        const std::optional<double> value = power(single, low, high);
        if (!value && problem_.empty())
            problem_ = filled(translated("imports", "%1 (or %2 and %3) is missing"), single, low, high);
        return value;
    }

    const std::string& problem() const { return problem_; }

private:
    QStringView find(const char* name) const
    {
        for (const QXmlStreamAttribute& attribute : attributes_)
            if (attribute.name().compare(QLatin1StringView(name), Qt::CaseInsensitive) == 0)
                return attribute.value();
        return {};
    }

    const QXmlStreamAttributes& attributes_;
    std::string problem_;
};

constexpr std::array<std::pair<const char*, ZwoSegment::Kind>, 6> kKinds{{
    {"SteadyState", ZwoSegment::Kind::SteadyState},
    {"Warmup", ZwoSegment::Kind::Warmup},
    {"Cooldown", ZwoSegment::Kind::Cooldown},
    {"Ramp", ZwoSegment::Kind::Ramp},
    {"IntervalsT", ZwoSegment::Kind::IntervalsT},
    {"FreeRide", ZwoSegment::Kind::FreeRide},
}};

}  // namespace

std::optional<ZwoSegment::Kind> segment_kind(QStringView element)
{
    for (const auto& [name, kind] : kKinds)
        if (element.compare(QLatin1StringView(name), Qt::CaseInsensitive) == 0)
            return kind;
    return std::nullopt;
}

Result<ZwoSegment> read_segment(ZwoSegment::Kind kind, const QXmlStreamAttributes& xml_attributes, ZwoDuration type)
{
    const Bounds length = type == ZwoDuration::Time ? Bounds{0, plans::kLongestPlanSeconds, " s"}
                                                    : Bounds{0, kZwoFurthestMetres, " m"};
    Attributes attributes(xml_attributes);
    ZwoSegment segment;
    segment.kind = kind;
    using Kind = ZwoSegment::Kind;
    // Slopes in percent, as treadmill tools write them; Incline is a share.
    const Bounds slope{-100, 100, " %"};
    const auto on_slope = attributes.number(kind == Kind::IntervalsT ? "OnSlope" : "Slope", slope);
    const auto off_slope = kind == Kind::IntervalsT ? attributes.number("OffSlope", slope) : std::nullopt;
    segment.sloped = on_slope || off_slope;
    // A hill session gives slopes for its pace to be the runner's steady one.
    const auto power = [&](const char* single, const char* low, const char* high) {
        return segment.sloped ? attributes.power(single, low, high) : attributes.required_power(single, low, high);
    };
    if (kind == Kind::IntervalsT) {
        const auto repeat = attributes.number("Repeat", {1, kZwoMostRepeats, ""});
        if (repeat && *repeat != std::floor(*repeat))
            return Result<ZwoSegment>::failure(
                filled(translated("imports", "Repeat %1 is not a whole number"), plans::number_text(*repeat)));
        segment.repeat = static_cast<int>(repeat.value_or(1));
        segment.duration = attributes.required("OnDuration", length);
        segment.off_duration = attributes.required("OffDuration", length);
        segment.power = power("OnPower", "PowerOnLow", "PowerOnHigh");
        segment.off_power = power("OffPower", "PowerOffLow", "PowerOffHigh");
    } else {
        segment.duration = attributes.required("Duration", length);
    }
    if (kind == Kind::SteadyState)
        segment.power = power("Power", "PowerLow", "PowerHigh");
    if (kind == Kind::Warmup || kind == Kind::Cooldown || kind == Kind::Ramp) {
        // Zwift runs a ramp from PowerLow to PowerHigh, whichever is higher:
        // a cool-down names its higher start "PowerLow".
        const auto single = attributes.number("Power", {0, kMostPower, ""});
        segment.power = attributes.number("PowerLow", {0, kMostPower, ""});
        segment.end_power = attributes.number("PowerHigh", {0, kMostPower, ""});
        segment.power = segment.power ? segment.power : single;
        segment.end_power = segment.end_power ? segment.end_power : single;
        if (attributes.problem().empty() && !segment.sloped && (!segment.power || !segment.end_power))
            return Result<ZwoSegment>::failure(translated("imports", "PowerLow and PowerHigh (or Power) are missing"));
    }
    const double incline = 100 * attributes.number("Incline", {-1, 1, TREVALO_NOOP("imports", " (a share: 0.03 is 3 %)")}).value_or(0);
    segment.incline_pct = on_slope.value_or(incline);
    segment.off_incline_pct = off_slope.value_or(incline);
    if (!attributes.problem().empty())
        return Result<ZwoSegment>::failure(attributes.problem());
    return segment;
}

}  // namespace trevalo::imports
