// The ways bytes and text meet in the front end. File paths are spelled as the file system
// spells them (QFile::encodeName / decodeName: UTF-8 on any current Linux), so "скрипт.mel" opens,
// saves and comes back from the recent file list. The editor's text from and for the outside
// (typed keys, the clipboard, drops, search texts and their messages) is UTF-8; the core turns it
// into a script's own encoding. What the core keeps for display and export (the window model's
// names and values, the output log, exported scripts) is UTF-8 too. The other byte strings are one
// byte one character (Latin-1), so every byte round-trips.
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

inline QString textFromUtf8(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string textToUtf8(const QString& text)
{
    return text.toStdString();
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

} // namespace orv
