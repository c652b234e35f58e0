// The option as 0 or 1 in the profile.
#include "settings/ElementNamesOption.h"

#include "settings/Profile.h"

namespace orv {

bool readElementNamesOption(const Profile& profile)
{
    return profile.readInt(kElementNamesSection, kElementNamesKey, 0) == 1;
}

bool writeElementNamesOption(Profile& profile, bool writeNames)
{
    return profile.writeInt(kElementNamesSection, kElementNamesKey, writeNames ? 1 : 0);
}

} // namespace orv
