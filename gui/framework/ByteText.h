// The ways bytes and text meet in the front end. File paths are spelled as the file system
// spells them (QFile::encodeName / decodeName: UTF-8 on any current Linux), so "скрипт.mel" opens,
// saves and comes back from the recent file list. Script text and the other byte strings of the
// core (find text) are one byte one character (Latin-1), so every byte round-trips; the texts
// the core holds as UTF-8 (the output log) convert as UTF-8.
#pragma once

#include <QFile>
#include <QString>

#include <string>
#include <string_view>

namespace orv {

inline QString pathFromBytes(std::string_view bytes)
{
    return QFile::decodeName(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

inline std::string pathToBytes(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

inline QString textFromBytes(std::string_view bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// Characters beyond Latin-1 have no byte and become '?'.
inline std::string textToBytes(const QString& text)
{
    return text.toLatin1().toStdString();
}

// The core's UTF-8 texts: the output log, what Maya answers.
inline QString textFromUtf8(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string textToUtf8(const QString& text)
{
    return text.toUtf8().toStdString();
}

} // namespace orv
