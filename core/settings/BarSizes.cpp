// Profile storage of a pane's sizes: "WidthCX/CY" (horizontal), "HeightCX/CY" (vertical), "FloatCX/CY".
#include "settings/BarSizes.h"

#include <algorithm>
#include <array>

namespace orv {

namespace {

struct SizeKeys {
    const char* cx;
    const char* cy;
    BarOrientation orientation;
};

constexpr std::array<SizeKeys, 3> kKeys{{
    {"WidthCX", "WidthCY", BarOrientation::horizontal},
    {"HeightCX", "HeightCY", BarOrientation::vertical},
    {"FloatCX", "FloatCY", BarOrientation::floating},
}};

} // namespace

BarSize atLeastMinimum(BarSize size)
{
    return {std::max(size.cx, BarSizes::kMinimum.cx), std::max(size.cy, BarSizes::kMinimum.cy)};
}

BarSize& BarSizes::sizeFor(BarOrientation o)
{
    switch (o) {
    case BarOrientation::horizontal: return horizontal;
    case BarOrientation::vertical: return vertical;
    case BarOrientation::floating: break;
    }
    return floating;
}

BarSize BarSizes::sizeFor(BarOrientation o) const
{
    switch (o) {
    case BarOrientation::horizontal: return horizontal;
    case BarOrientation::vertical: return vertical;
    case BarOrientation::floating: break;
    }
    return floating;
}

std::string BarSizes::sectionName(const std::string& profileName, int barId)
{
    return profileName + "-Bar" + std::to_string(barId);
}

void BarSizes::load(const Profile& profile, const std::string& profileName, int barId)
{
    const std::string section = sectionName(profileName, barId);
    for (const SizeKeys& k : kKeys) {
        BarSize& size = sizeFor(k.orientation);
        size = atLeastMinimum({profile.readInt(section, k.cx, size.cx), profile.readInt(section, k.cy, size.cy)});
    }
}

bool BarSizes::save(Profile& profile, const std::string& profileName, int barId) const
{
    const std::string section = sectionName(profileName, barId);
    bool ok = true;
    for (const SizeKeys& k : kKeys) {
        const BarSize size = sizeFor(k.orientation);
        ok = profile.writeInt(section, k.cx, size.cx) && ok;
        ok = profile.writeInt(section, k.cy, size.cy) && ok;
    }
    return ok;
}

} // namespace orv
