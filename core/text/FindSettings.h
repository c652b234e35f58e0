// The stored values of the Find and Replace dialogs ("Editor\Find", "Editor\Replace").
#pragma once

#include "settings/Profile.h"

#include <string>

namespace orv {

namespace find_profile {
inline constexpr const char* kFindSection = "Editor\\Find";
inline constexpr const char* kReplaceSection = "Editor\\Replace";
inline constexpr const char* kMatchCase = "MatchCase";
inline constexpr const char* kWholeWord = "WholeWord";
inline constexpr const char* kFindWhat = "FindWhat";
inline constexpr const char* kReplaceWith = "ReplaceWith";
} // namespace find_profile

// The texts are UTF-8, whatever the encoding of the text searched.
struct FindValues {
    std::string findWhat;
    std::string replaceWith;  // the Replace dialog only
    bool matchCase = false;
    bool wholeWord = false;

    // The find flags of these values (the direction is the dialog's).
    unsigned flags() const;
};

FindValues readFindValues(const Profile& profile);
void writeFindValues(Profile& profile, const FindValues& values);
FindValues readReplaceValues(const Profile& profile);
void writeReplaceValues(Profile& profile, const FindValues& values);

} // namespace orv
