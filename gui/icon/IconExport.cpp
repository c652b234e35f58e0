// Encoding in memory with Qt's image writer, then one safe write.
#include "icon/IconExport.h"

#include "files/SafeFileWriter.h"
#include "framework/ByteText.h"
#include "icon/CIconPreviewDialog.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>

namespace orv {

bool exportIconImage(const IconImage& image, const QString& path, QString& error)
{
    const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    if (format != "png" && format != "bmp" && format != "xpm") {
        error = QStringLiteral("Cannot export the icon to \"%1\": name the file with .png, .bmp or .xpm.").arg(path);
        return false;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(toQImage(image))) {
        error = QStringLiteral("Cannot export the icon to \"%1\": %2.").arg(path, writer.errorString());
        return false;
    }
    std::string reason;
    if (!writeWholeFile(pathToBytes(path), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                        reason)) {
        error = QStringLiteral("Cannot export the icon: %1.").arg(QString::fromLocal8Bit(reason.c_str()));
        return false;
    }
    return true;
}

} // namespace orv
