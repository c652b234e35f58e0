// One row per page kind.
#include "projectmodel/WizardPage.h"

namespace orv {

WizardButtons wizardButtons(WizardPageKind kind)
{
    switch (kind) {
    case WizardPageKind::single:
        return {false, false, true};
    case WizardPageKind::first:
        return {false, true, false};
    case WizardPageKind::middle:
        return {true, true, false};
    case WizardPageKind::last:
        return {true, false, true};
    }
    return {false, false, true};
}

} // namespace orv
