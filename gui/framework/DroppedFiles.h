// The files a drag carries: the local files of its URLs, as a file manager offers them.
#pragma once

#include <QMimeData>
#include <QStringList>
#include <QUrl>

namespace orv {

inline QStringList droppedFiles(const QMimeData* mime)
{
    QStringList files;
    if (mime && mime->hasUrls())
        for (const QUrl& url : mime->urls())
            if (url.isLocalFile())
                files << url.toLocalFile();
    return files;
}

} // namespace orv
