// A left click inside the swatch asks for a new colour; the owner decides how.
#include "framework/CColorSwatch.h"

#include <QMouseEvent>
#include <QPainter>

namespace orv {

CColorSwatch::CColorSwatch(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
}

void CColorSwatch::setColor(ColorRef color, bool redraw)
{
    m_color = color;
    if (redraw)
        repaint();
    else
        update();
}

void CColorSwatch::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), toQColor(m_color));
}

void CColorSwatch::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

QColor toQColor(ColorRef color)
{
    return QColor(colorRed(color), colorGreen(color), colorBlue(color));
}

ColorRef toColorRef(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return makeColorRef(static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
                        static_cast<std::uint8_t>(rgb.blue()));
}

} // namespace orv
