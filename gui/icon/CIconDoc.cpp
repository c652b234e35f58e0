// Opening reads nothing; saving writes zero bytes through the safe writer.
#include "icon/CIconDoc.h"

#include "files/SafeFileWriter.h"
#include "framework/ByteText.h"

#include <QFileInfo>

namespace orv {

FileError CIconDoc::onOpenDocument(const QString& path)
{
    // Nothing of the content is read, but a file that is not there is not an icon.
    if (!QFileInfo::exists(path))
        return FileError::notFound;
    return CDocument::onOpenDocument(path);
}

FileError CIconDoc::onSaveDocument(const QString& path)
{
    std::string error;
    if (!writeWholeFile(pathToBytes(path), {}, error))
        return FileError::failed;
    return CDocument::onSaveDocument(path);
}

} // namespace orv
