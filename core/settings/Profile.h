// The per-user profile store: sections of binary, string and integer values.
#pragma once

#include "settings/Bytes.h"

#include <map>
#include <optional>
#include <string>
#include <variant>

namespace orv {

// Section names use backslashes as separators ("Bars\\ORVANTE-Bar123", "Editor\\Find");
// a value written under a name reads back under the same name.
class Profile {
public:
    virtual ~Profile() = default;

    virtual std::optional<Bytes> readBinary(const std::string& section, const std::string& key) const = 0;
    virtual std::string readString(const std::string& section, const std::string& key,
                                   const std::string& defaultValue) const = 0;
    // A missing value, or one that is not an integer, reads as the default.
    virtual int readInt(const std::string& section, const std::string& key, int defaultValue) const = 0;

    virtual bool writeBinary(const std::string& section, const std::string& key, const Bytes& value) = 0;
    virtual bool writeString(const std::string& section, const std::string& key, const std::string& value) = 0;
    virtual bool writeInt(const std::string& section, const std::string& key, int value) = 0;

    // Deletes one value, or with an empty key the whole section.
    virtual void remove(const std::string& section, const std::string& key) = 0;
};

// A profile held in memory: used by tests and headless tools.
class MemoryProfile final : public Profile {
public:
    using Value = std::variant<Bytes, std::string, int>;

    std::optional<Bytes> readBinary(const std::string& section, const std::string& key) const override;
    std::string readString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const override;
    int readInt(const std::string& section, const std::string& key, int defaultValue) const override;

    bool writeBinary(const std::string& section, const std::string& key, const Bytes& value) override;
    bool writeString(const std::string& section, const std::string& key, const std::string& value) override;
    bool writeInt(const std::string& section, const std::string& key, int value) override;

    void remove(const std::string& section, const std::string& key) override;

    const Value* find(const std::string& section, const std::string& key) const;

private:
    std::map<std::string, std::map<std::string, Value>> m_sections;
};

} // namespace orv
