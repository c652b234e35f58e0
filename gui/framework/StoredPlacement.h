// Window placements kept in the profile as 44-byte blobs ("Settings" section), read back only
// when they still lie on a screen.
#pragma once

#include <QRect>

#include <optional>

namespace orv {

class Profile;

// A stored placement's rectangle, when it can be used: a window placed where no screen is now
// (another monitor, a damaged value) would open out of reach, so it keeps its default place.
std::optional<QRect> storedPlacement(const Profile& profile, const char* key);
bool storePlacement(Profile& profile, const char* key, const QRect& geometry);

} // namespace orv
