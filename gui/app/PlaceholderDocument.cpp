// Reading whole files, and writing through a temporary file that replaces the old one only
// once the new content is complete.
#include "app/PlaceholderDocument.h"

#include <QFile>
#include <QSaveFile>

namespace orv {

bool PlaceholderDocument::onNewDocument()
{
    m_content.clear();
    return CDocument::onNewDocument();
}

FileError PlaceholderDocument::onOpenDocument(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fileErrorOf(file.error(), path, true);
    m_content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return FileError::failed;
    return CDocument::onOpenDocument(path);
}

FileError PlaceholderDocument::onSaveDocument(const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fileErrorOf(file.error(), path, false);
    if (file.write(m_content) != m_content.size() || !file.commit())
        return FileError::failed;
    return CDocument::onSaveDocument(path);
}

} // namespace orv
