// Mapping of file errors to the framework's standard messages.
#include "framework/FileError.h"

#include "framework/FrameworkTexts.h"

#include <QDir>
#include <QFileInfo>

namespace orv {

FileError fileErrorOf(QFileDevice::FileError error, const QString& path)
{
    switch (error) {
    case QFileDevice::NoError:
        return FileError::none;
    case QFileDevice::OpenError:
        if (!QFileInfo::exists(path))
            return FileError::notFound;
        return QFileInfo(path).isReadable() ? FileError::failed : FileError::accessDenied;
    case QFileDevice::PermissionsError:
        return FileError::accessDenied;
    default:
        return FileError::failed;
    }
}

QString fileErrorMessage(FileError error, const QString& path, bool reading)
{
    using namespace framework_texts;
    const QString shown = QDir::toNativeSeparators(path);
    switch (error) {
    case FileError::notFound:
        return QString::fromLatin1(kFileNotFound).arg(shown);
    case FileError::accessDenied:
        return QString::fromLatin1(kAccessDenied).arg(shown);
    case FileError::none:
    case FileError::failed:
        break;
    }
    return QString::fromLatin1(reading ? kFailedToOpen : kFailedToSave);
}

} // namespace orv
