// Why a document could not be read or written; each kind has its standard message.
#pragma once

#include <QFileDevice>
#include <QString>

namespace orv {

enum class FileError { none, notFound, badPath, accessDenied, failed };

// The kind of a Qt file error, for a file that was being read (reading true) or written.
FileError fileErrorOf(QFileDevice::FileError error, const QString& path, bool reading);

// The kind of a failed open of path, told by what is there: not found only when nothing is
// (a link that leads nowhere included), denied when the user may not read the file, failed
// for anything else (a folder, a device, a loop of links, a damaged file), whose reason the
// document gives as its detail.
FileError openFailureOf(const QString& path);

// The message shown for a failed open (reading true) or save (reading false).
QString fileErrorMessage(FileError error, const QString& path, bool reading);

} // namespace orv
