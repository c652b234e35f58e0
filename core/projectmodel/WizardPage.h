// The project wizard's page kinds and the buttons each kind offers.
#pragma once

#include <cstdint>

namespace orv {

enum class WizardPageKind : std::uint32_t { single = 0, first = 1, middle = 2, last = 3 };

struct WizardButtons {
    bool back = false;
    bool next = false;
    bool finish = false;
    bool operator==(const WizardButtons&) const = default;
};

// A single page finishes; the first goes on; a middle page goes either way; the last goes back
// or finishes.
WizardButtons wizardButtons(WizardPageKind kind);

} // namespace orv
