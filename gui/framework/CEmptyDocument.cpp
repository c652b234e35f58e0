// Opening only checks that the file can be read; saving writes zero bytes through the safe
// writer, so links, special files and read-only files are treated as for every other file.
#include "framework/CEmptyDocument.h"

#include "files/SafeFileWriter.h"
#include "framework/ByteText.h"

#include <QFile>

namespace orv {

FileError CEmptyDocument::onOpenDocument(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fileErrorOf(file.error(), path, true);
    return CDocument::onOpenDocument(path);
}

FileError CEmptyDocument::onSaveDocument(const QString& path)
{
    std::string error;
    if (!writeWholeFile(pathToBytes(path), {}, error))
        return FileError::failed;
    return CDocument::onSaveDocument(path);
}

} // namespace orv
