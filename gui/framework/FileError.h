// Why a document could not be read or written; each kind has its standard message.
#pragma once

#include <QFileDevice>
#include <QString>

namespace orv {

enum class FileError { none, notFound, badPath, accessDenied, failed };

// The kind of a Qt file error, for a file that was being read (reading true) or written.
FileError fileErrorOf(QFileDevice::FileError error, const QString& path, bool reading);

// The message shown for a failed open (reading true) or save (reading false).
QString fileErrorMessage(FileError error, const QString& path, bool reading);

} // namespace orv
