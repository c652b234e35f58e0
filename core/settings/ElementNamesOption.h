// The export option "Write element names", kept in the profile beside the other settings; a
// missing or unusable stored value reads as off, the export as the other settings describe it.
#pragma once

namespace orv {

class Profile;

inline constexpr const char* kElementNamesSection = "Settings";
inline constexpr const char* kElementNamesKey = "WriteElementNames";

bool readElementNamesOption(const Profile& profile);
// False when the profile refused the value.
bool writeElementNamesOption(Profile& profile, bool writeNames);

} // namespace orv
