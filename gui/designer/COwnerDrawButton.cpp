// Two frame lines on each side: the outer pair and the inner pair swap their colours
// between the raised and the sunken look.
#include "designer/COwnerDrawButton.h"

#include <QPainter>

namespace orv {

namespace {
constexpr int kLabelMargin = 6;

void frameLines(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight)
{
    p.setPen(topLeft);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(bottomRight);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}
} // namespace

COwnerDrawButton::COwnerDrawButton(QWidget* parent) : QAbstractButton(parent) {}

void COwnerDrawButton::setAlignment(Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void COwnerDrawButton::setBackColor(const QColor& color)
{
    m_backColor = color;
    update();
}

void COwnerDrawButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const bool pressed = isDown();
    const bool enabled = isEnabled();
    p.fillRect(rect(), enabled ? m_backColor : m_disabledBackColor);
    const QRect outer = rect();
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    if (pressed) {
        frameLines(p, outer, m_darkShadowColor, m_highlightColor);
        frameLines(p, inner, m_shadowColor, m_lightColor);
    } else {
        frameLines(p, outer, m_lightColor, m_darkShadowColor);
        frameLines(p, inner, m_highlightColor, m_shadowColor);
    }
    int flags = Qt::AlignVCenter | Qt::TextSingleLine;
    flags |= m_alignment == Alignment::left ? Qt::AlignLeft
             : m_alignment == Alignment::right ? Qt::AlignRight
                                               : Qt::AlignHCenter;
    QRect label = rect().adjusted(kLabelMargin, 0, -kLabelMargin, 0);
    if (pressed)
        label.translate(1, 1);
    p.setFont(font());
    if (!enabled) {
        p.setPen(QColor(0xFF, 0xFF, 0xFF));
        p.drawText(label.translated(1, 1), flags, text());
        p.setPen(QColor(0x80, 0x80, 0x80));
    } else {
        p.setPen(m_textColor);
    }
    p.drawText(label, flags, text());
}

} // namespace orv
