// The one place that turns a picture's SVG into pixels, so every module draws its pictures alike.
#include "framework/Pictures.h"

#include <QDir>
#include <QPainter>
#include <QSvgRenderer>

namespace orv {

namespace {

const QString kFolder = QStringLiteral(":/pictures/");

QPixmap drawn(const char* name, QSize size, qreal density)
{
    QPixmap pixmap(size * density);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(kFolder + QLatin1String(name) + QLatin1String(".svg"));
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(density);
    return pixmap;
}

} // namespace

QPixmap picture(const char* name, QSize size)
{
    return drawn(name, size, 1);
}

QPixmap picture(const char* name, int size)
{
    return drawn(name, QSize(size, size), 1);
}

QIcon pictureIcon(const char* name, int size, const char* checkedName)
{
    QIcon icon;
    for (const qreal density : {1, 2}) {
        icon.addPixmap(drawn(name, QSize(size, size), density), QIcon::Normal, QIcon::Off);
        if (checkedName)
            icon.addPixmap(drawn(checkedName, QSize(size, size), density), QIcon::Normal, QIcon::On);
    }
    return icon;
}

QStringList pictureNames()
{
    QStringList names;
    for (const QString& file : QDir(kFolder).entryList({QStringLiteral("*.svg")}, QDir::Files))
        names << file.chopped(4);
    names.sort();
    return names;
}

} // namespace orv
