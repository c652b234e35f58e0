// The one place that turns a picture's SVG into pixels, so every module draws its pictures alike.
#include "framework/Pictures.h"

#include <QApplication>
#include <QDir>
#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <utility>

namespace orv {

namespace {

QString pathOf(const QString& name)
{
    return QStringLiteral(":/pictures/") + name + QStringLiteral(".svg");
}

QPixmap drawn(const QString& name, QSize pixels)
{
    QPixmap pixmap(pixels);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(pathOf(name));
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    return pixmap;
}

// An icon that draws its picture when a view asks for it, at the pixels it asks for: only the
// pictures on screen are drawn, each as sharp as the screen allows. Drawn pixmaps are kept in
// Qt's pixmap cache; the disabled and selected looks are the style's, as for any icon.
class PictureIconEngine final : public QIconEngine {
public:
    PictureIconEngine(QString name, QString checkedName, int size)
        : m_name(std::move(name)), m_checkedName(std::move(checkedName)), m_size(size)
    {
    }

    QIconEngine* clone() const override { return new PictureIconEngine(*this); }
    QString key() const override { return QStringLiteral("orv-picture"); }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {QSize(m_size, m_size)}; }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        const QString& name = state == QIcon::On && !m_checkedName.isEmpty() ? m_checkedName : m_name;
        const QString key = QStringLiteral("orv-picture:%1:%2x%3:%4")
                                .arg(name)
                                .arg(size.width())
                                .arg(size.height())
                                .arg(static_cast<int>(mode));
        QPixmap pixmap;
        if (QPixmapCache::find(key, &pixmap))
            return pixmap;
        pixmap = drawn(name, size);
        if (mode != QIcon::Normal && qobject_cast<QApplication*>(QCoreApplication::instance())) {
            QStyleOption option;
            option.palette = QApplication::palette();
            pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        }
        QPixmapCache::insert(key, pixmap);
        return pixmap;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal density = painter->device()->devicePixelRatioF();
        QPixmap pixmap = this->pixmap(rect.size() * density, mode, state);
        pixmap.setDevicePixelRatio(density);
        painter->drawPixmap(rect, pixmap);
    }

private:
    QString m_name;
    QString m_checkedName;
    int m_size;
};

} // namespace

QPixmap picture(const char* name, QSize size)
{
    return drawn(QLatin1String(name), size);
}

QPixmap picture(const char* name, int size)
{
    return drawn(QLatin1String(name), QSize(size, size));
}

QIcon pictureIcon(const char* name, int size, const char* checkedName)
{
    return QIcon(new PictureIconEngine(QLatin1String(name), checkedName ? QLatin1String(checkedName) : QString(), size));
}

QStringList pictureNames()
{
    QStringList names;
    for (const QString& file : QDir(QStringLiteral(":/pictures/")).entryList({QStringLiteral("*.svg")}, QDir::Files))
        names << file.chopped(4);
    names.sort();
    return names;
}

} // namespace orv
