// Opening only checks that the file is a regular file that can be read (without waiting:
// a pipe is refused, not waited on); saving writes zero bytes through the safe writer, so
// links, special files and read-only files are treated as for every other file.
#include "framework/CEmptyDocument.h"

#include "files/FileReader.h"
#include "files/SafeFileWriter.h"
#include "framework/ByteText.h"

#include <limits>

namespace orv {

FileError CEmptyDocument::onOpenDocument(const QString& path)
{
    FileReader file;
    if (!file.open(pathToBytes(path), std::numeric_limits<std::int64_t>::max())) {
        m_fileProblem = file.error();
        return openFailureOf(path);
    }
    return CDocument::onOpenDocument(path);
}

FileError CEmptyDocument::onSaveDocument(const QString& path)
{
    if (!writeWholeFile(pathToBytes(path), {}, m_fileProblem))
        return FileError::failed;
    return CDocument::onSaveDocument(path);
}

QString CEmptyDocument::fileErrorDetail() const
{
    // The reason names the file as the file system spells it.
    return pathFromBytes(m_fileProblem);
}

} // namespace orv
