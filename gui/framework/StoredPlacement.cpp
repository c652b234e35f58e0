// Window placements in the profile.
#include "framework/StoredPlacement.h"

#include "settings/AppSettings.h"
#include "settings/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>

namespace orv {

std::optional<QRect> storedPlacement(const Profile& profile, const char* key)
{
    const auto blob = profile.readBinary(profile_names::kSettings, key);
    const auto placement = blob ? WindowPlacement::parse(*blob) : std::nullopt;
    if (!placement)
        return std::nullopt;
    const WindowGeometry g = placement->toGeometry();
    const QRect r(g.x, g.y, g.width, g.height);
    if (!r.isValid())
        return std::nullopt;
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().intersects(r))
            return r;
    return std::nullopt;
}

bool storePlacement(Profile& profile, const char* key, const QRect& geometry)
{
    const WindowGeometry g{geometry.x(), geometry.y(), geometry.width(), geometry.height(), false, false};
    const auto blob = WindowPlacement::fromGeometry(g).serialize();
    return profile.writeBinary(profile_names::kSettings, key, Bytes(blob.begin(), blob.end()));
}

} // namespace orv
