// Reading and writing the find and replace dialogs' values.
#include "text/FindSettings.h"

#include "text/TextConstants.h"
#include "text/TextEncoding.h"

namespace orv {

unsigned FindValues::flags() const
{
    return (matchCase ? find_flag::kMatchCase : 0u) | (wholeWord ? find_flag::kWholeWord : 0u);
}

namespace {
FindValues readCommon(const Profile& profile, const char* section)
{
    using namespace find_profile;
    FindValues values;
    values.matchCase = profile.readInt(section, kMatchCase, 0) != 0;
    values.wholeWord = profile.readInt(section, kWholeWord, 0) != 0;
    // The texts are UTF-8; one stored by an older version in 8-bit text reads as Windows-1252.
    values.findWhat = ToUtf8(profile.readString(section, kFindWhat, ""));
    return values;
}

void writeCommon(Profile& profile, const char* section, const FindValues& values)
{
    using namespace find_profile;
    profile.writeInt(section, kMatchCase, values.matchCase ? 1 : 0);
    profile.writeInt(section, kWholeWord, values.wholeWord ? 1 : 0);
    profile.writeString(section, kFindWhat, values.findWhat);
}
} // namespace

FindValues readFindValues(const Profile& profile)
{
    return readCommon(profile, find_profile::kFindSection);
}

void writeFindValues(Profile& profile, const FindValues& values)
{
    writeCommon(profile, find_profile::kFindSection, values);
}

FindValues readReplaceValues(const Profile& profile)
{
    FindValues values = readCommon(profile, find_profile::kReplaceSection);
    values.replaceWith = ToUtf8(profile.readString(find_profile::kReplaceSection, find_profile::kReplaceWith, ""));
    return values;
}

void writeReplaceValues(Profile& profile, const FindValues& values)
{
    writeCommon(profile, find_profile::kReplaceSection, values);
    profile.writeString(find_profile::kReplaceSection, find_profile::kReplaceWith, values.replaceWith);
}

} // namespace orv
