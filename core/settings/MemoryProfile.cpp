// The in-memory profile.
#include "settings/Profile.h"

namespace orv {

const MemoryProfile::Value* MemoryProfile::find(const std::string& section, const std::string& key) const
{
    const auto s = m_sections.find(section);
    if (s == m_sections.end())
        return nullptr;
    const auto v = s->second.find(key);
    return v == s->second.end() ? nullptr : &v->second;
}

std::optional<Bytes> MemoryProfile::readBinary(const std::string& section, const std::string& key) const
{
    const Value* v = find(section, key);
    if (const auto* b = v ? std::get_if<Bytes>(v) : nullptr)
        return *b;
    return std::nullopt;
}

std::string MemoryProfile::readString(const std::string& section, const std::string& key,
                                      const std::string& defaultValue) const
{
    const Value* v = find(section, key);
    const auto* s = v ? std::get_if<std::string>(v) : nullptr;
    return s ? *s : defaultValue;
}

int MemoryProfile::readInt(const std::string& section, const std::string& key, int defaultValue) const
{
    const Value* v = find(section, key);
    const auto* i = v ? std::get_if<int>(v) : nullptr;
    return i ? *i : defaultValue;
}

bool MemoryProfile::writeBinary(const std::string& section, const std::string& key, const Bytes& value)
{
    m_sections[section][key] = value;
    return true;
}

bool MemoryProfile::writeString(const std::string& section, const std::string& key, const std::string& value)
{
    m_sections[section][key] = value;
    return true;
}

bool MemoryProfile::writeInt(const std::string& section, const std::string& key, int value)
{
    m_sections[section][key] = value;
    return true;
}

void MemoryProfile::remove(const std::string& section, const std::string& key)
{
    if (key.empty()) {
        m_sections.erase(section);
        return;
    }
    if (auto s = m_sections.find(section); s != m_sections.end())
        s->second.erase(key);
}

} // namespace orv
