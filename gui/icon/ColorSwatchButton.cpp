// The swatch paints its colour inside a sunken frame.
#include "icon/ColorSwatchButton.h"

#include <QColorDialog>
#include <QPainter>

namespace orv {

QColor toQColor(ColorRef color)
{
    return QColor(colorRed(color), colorGreen(color), colorBlue(color));
}

ColorRef toColorRef(const QColor& color)
{
    return makeColorRef(static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
                        static_cast<std::uint8_t>(color.blue()));
}

ColorSwatchButton::ColorSwatchButton(ColorRef color, QWidget* parent) : QAbstractButton(parent), m_color(color)
{
    setCursor(Qt::PointingHandCursor);
    connect(this, &QAbstractButton::clicked, this, &ColorSwatchButton::choose);
}

void ColorSwatchButton::setColor(ColorRef color)
{
    m_color = color;
    update();
}

QSize ColorSwatchButton::sizeHint() const
{
    return {40, 24};
}

void ColorSwatchButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    p.setPen(palette().color(QPalette::Dark));
    p.setBrush(toQColor(m_color));
    p.drawRect(r);
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(2, 2, -2, -2));
    }
}

void ColorSwatchButton::choose()
{
    const QColor chosen = QColorDialog::getColor(Qt::white, this);
    if (!chosen.isValid())
        return;
    setColor(toColorRef(chosen));
    emit colorChosen(m_color);
}

} // namespace orv
