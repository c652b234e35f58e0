// Profile values on QSettings. Section names keep their backslashes as group separators,
// so "Bars\\ORVANTE-Bar123" is the group "Bars/ORVANTE-Bar123" and reads back as written.
// Strings are stored one byte one character, so paths (UTF-8 bytes) and script text (Latin-1
// bytes) alike read back byte for byte.
#include "app/QSettingsProfile.h"

#include "framework/ByteText.h"

#include <algorithm>

namespace orv {

namespace {

QString settingsKey(const std::string& section, const std::string& key)
{
    QString path = QString::fromLatin1(section.data(), static_cast<qsizetype>(section.size()));
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!key.empty())
        path += QLatin1Char('/') + QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size()));
    return path;
}

} // namespace

QSettingsProfile::QSettingsProfile()
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tessaly Studios"),
                 QStringLiteral("ORVANTE"))
{
}

QVariant QSettingsProfile::value(const std::string& section, const std::string& key) const
{
    return m_settings.value(settingsKey(section, key));
}

bool QSettingsProfile::store(const std::string& section, const std::string& key, const QVariant& value)
{
    if (!m_settings.isWritable())
        return false;
    m_settings.setValue(settingsKey(section, key), value);
    return true;
}

std::optional<Bytes> QSettingsProfile::readBinary(const std::string& section, const std::string& key) const
{
    const QVariant v = value(section, key);
    if (v.typeId() != QMetaType::QByteArray)
        return std::nullopt;
    const QByteArray b = v.toByteArray();
    return Bytes(b.begin(), b.end());
}

std::string QSettingsProfile::readString(const std::string& section, const std::string& key,
                                         const std::string& defaultValue) const
{
    const QVariant v = value(section, key);
    if (!v.isValid() || v.typeId() == QMetaType::QByteArray)
        return defaultValue;
    const QString text = v.toString();
    // Characters beyond Latin-1 were not written here but typed into the file by hand: the
    // UTF-8 bytes are how such a value (a path, mostly) is spelled.
    const bool byHand = std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0xFF; });
    return byHand ? text.toUtf8().toStdString() : textToBytes(text);
}

int QSettingsProfile::readInt(const std::string& section, const std::string& key, int defaultValue) const
{
    bool ok = false;
    const int i = value(section, key).toInt(&ok);
    return ok ? i : defaultValue;
}

bool QSettingsProfile::writeBinary(const std::string& section, const std::string& key, const Bytes& value)
{
    return store(section, key,
                 QByteArray(reinterpret_cast<const char*>(value.data()), static_cast<qsizetype>(value.size())));
}

bool QSettingsProfile::writeString(const std::string& section, const std::string& key, const std::string& value)
{
    return store(section, key, textFromBytes(value));
}

bool QSettingsProfile::writeInt(const std::string& section, const std::string& key, int value)
{
    return store(section, key, value);
}

void QSettingsProfile::remove(const std::string& section, const std::string& key)
{
    m_settings.remove(settingsKey(section, key));
}

bool QSettingsProfile::sync()
{
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}

} // namespace orv
