// Opening only checks the file can be read; saving creates or empties it.
#include "project/CProjectDoc.h"

#include <QFile>
#include <QSaveFile>

namespace orv {

FileError CProjectDoc::onOpenDocument(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fileErrorOf(file.error(), path, true);
    return CDocument::onOpenDocument(path);
}

FileError CProjectDoc::onSaveDocument(const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fileErrorOf(file.error(), path, false);
    if (!file.commit())
        return FileError::failed;
    return CDocument::onSaveDocument(path);
}

} // namespace orv
