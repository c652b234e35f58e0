// The three remembered sizes of a docking pane and their profile values "<name>-Bar<id>".
#pragma once

#include "settings/Profile.h"

#include <string>

namespace orv {

struct BarSize {
    int cx = 0;
    int cy = 0;
    bool operator==(const BarSize&) const = default;
};

// Where a pane sits decides which of its sizes applies.
enum class BarOrientation { horizontal, vertical, floating };

struct BarSizes {
    static constexpr BarSize kMinimum{250, 100};

    BarSize horizontal{200, 200};  // docked at the top or bottom
    BarSize vertical{200, 200};    // docked at the left or right
    BarSize floating{200, 200};

    // All three sizes start as the size given at creation.
    static BarSizes withDefault(BarSize size) { return {size, size, size}; }

    BarSize& sizeFor(BarOrientation o);
    BarSize sizeFor(BarOrientation o) const;

    // "%s-Bar%d": the section of one pane below the profile name.
    static std::string sectionName(const std::string& profileName, int barId);

    // Reads the six integers, each defaulting to the current value, each raised to the minimum
    // (cx values to 250, cy values to 100).
    void load(const Profile& profile, const std::string& profileName, int barId);
    bool save(Profile& profile, const std::string& profileName, int barId) const;
};

// A size raised to the minimum in each dimension.
BarSize atLeastMinimum(BarSize size);

} // namespace orv
