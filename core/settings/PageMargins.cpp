// Reading and writing the print margins.
#include "settings/PageMargins.h"

namespace orv {

namespace {
int readMargin(const Profile& profile, const char* key)
{
    using namespace page_setup_profile;
    const int value = profile.readInt(kSection, key, kDefaultMargin);
    return value >= 0 && value <= kMaxMargin ? value : kDefaultMargin;
}
} // namespace

PageMargins readPageMargins(const Profile& profile)
{
    using namespace page_setup_profile;
    return {readMargin(profile, kLeft), readMargin(profile, kRight), readMargin(profile, kTop),
            readMargin(profile, kBottom)};
}

void writePageMargins(Profile& profile, const PageMargins& margins)
{
    using namespace page_setup_profile;
    profile.writeInt(kSection, kLeft, margins.left);
    profile.writeInt(kSection, kRight, margins.right);
    profile.writeInt(kSection, kTop, margins.top);
    profile.writeInt(kSection, kBottom, margins.bottom);
}

} // namespace orv
