// Mapping of file errors to the framework's standard messages.
#include "framework/FileError.h"

#include "framework/FrameworkTexts.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace orv {

FileError openFailureOf(const QString& path)
{
    const QByteArray bytes = QFile::encodeName(path);
    struct stat info {};
    if (::stat(bytes.constData(), &info) != 0) {
        switch (errno) {
        case ENOENT:
            return FileError::notFound;
        case EACCES:
            return FileError::accessDenied;
        case ENOTDIR:
        case ENAMETOOLONG:
            return FileError::badPath;
        default:
            return FileError::failed;
        }
    }
    return S_ISREG(info.st_mode) && ::access(bytes.constData(), R_OK) != 0 ? FileError::accessDenied : FileError::failed;
}

FileError fileErrorOf(QFileDevice::FileError error, const QString& path, bool reading)
{
    const QFileInfo file(path);
    switch (error) {
    case QFileDevice::NoError:
        return FileError::none;
    case QFileDevice::OpenError:
        if (reading)
            return !file.exists() ? FileError::notFound : file.isReadable() ? FileError::failed : FileError::accessDenied;
        if (!file.absoluteDir().exists())
            return FileError::badPath;
        return file.exists() && !file.isWritable() ? FileError::accessDenied : FileError::failed;
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
    case FileError::badPath:
        return QString::fromLatin1(kBadPath).arg(shown);
    case FileError::accessDenied:
        return QString::fromLatin1(kAccessDenied).arg(shown);
    case FileError::none:
    case FileError::failed:
        break;
    }
    return QString::fromLatin1(reading ? kFailedToOpen : kFailedToSave);
}

} // namespace orv
