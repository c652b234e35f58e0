// Loading and saving of the application's settings values.
#include "settings/AppSettings.h"

namespace orv {

void AppSettings::load(const Profile& profile)
{
    using namespace profile_names;
    const auto prm = profile.readBinary(kSettings, kPrm);
    const auto parsed = prm ? SettingsRecord::parse(*prm) : std::nullopt;
    if (parsed)
        record = *parsed;
    else
        ResetSettings(record);

    installDir = profile.readString(kSettings, kInstallDir, kDefaultInstallDir);

    const auto icm = profile.readBinary(kSettings, kIconParams);
    const auto icmParsed = icm ? IconEditorParams::parse(*icm) : std::nullopt;
    iconParams = icmParsed ? *icmParsed : IconEditorParams{};
}

bool AppSettings::save(Profile& profile) const
{
    using namespace profile_names;
    const auto prm = record.serialize();
    const auto icm = iconParams.serialize();
    const bool prmOk = profile.writeBinary(kSettings, kPrm, Bytes(prm.begin(), prm.end()));
    const bool icmOk = profile.writeBinary(kSettings, kIconParams, Bytes(icm.begin(), icm.end()));
    return prmOk && icmOk;
}

} // namespace orv
