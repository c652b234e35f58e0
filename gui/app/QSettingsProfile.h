// The profile on QSettings: "Tessaly Studios" / "ORVANTE", an INI file in the user's config folder.
#pragma once

#include "settings/Profile.h"

#include <QSettings>

namespace orv {

class QSettingsProfile final : public Profile {
public:
    QSettingsProfile();

    std::optional<Bytes> readBinary(const std::string& section, const std::string& key) const override;
    std::string readString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const override;
    int readInt(const std::string& section, const std::string& key, int defaultValue) const override;

    bool writeBinary(const std::string& section, const std::string& key, const Bytes& value) override;
    bool writeString(const std::string& section, const std::string& key, const std::string& value) override;
    bool writeInt(const std::string& section, const std::string& key, int value) override;

    void remove(const std::string& section, const std::string& key) override;

    // Writes pending changes to disk; false when the file could not be written.
    bool sync();
    QString fileName() const { return m_settings.fileName(); }

private:
    QVariant value(const std::string& section, const std::string& key) const;
    bool store(const std::string& section, const std::string& key, const QVariant& value);

    mutable QSettings m_settings;
};

} // namespace orv
