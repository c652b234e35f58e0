// Files that a test puts on disk before the program reads them.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace orv::test {

// The file at path holding exactly bytes (made or replaced); false when it could not be.
inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace orv::test
