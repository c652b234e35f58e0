// Only the text itself is the link: the rest of the label keeps the arrow cursor.
#include "app/CLinkLabel.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QPainter>

namespace orv {

namespace {
const QColor kLinkColor(0x00, 0x00, 0xFF);
}

CLinkLabel::CLinkLabel(const QString& text, const QUrl& address, QWidget* parent)
    : QWidget(parent), m_text(text), m_address(address)
{
    setMouseTracking(true);
    setToolTip(address.toString());
}

QFont CLinkLabel::linkFont() const
{
    QFont f = font();
    f.setUnderline(true);
    return f;
}

QRect CLinkLabel::textRect() const
{
    const QFontMetrics metrics(linkFont());
    return {0, 0, metrics.horizontalAdvance(m_text), metrics.height()};
}

QSize CLinkLabel::sizeHint() const
{
    return textRect().size();
}

void CLinkLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setFont(linkFont());
    p.setPen(kLinkColor);
    p.drawText(textRect(), Qt::AlignLeft | Qt::AlignTop, m_text);
}

void CLinkLabel::mouseMoveEvent(QMouseEvent* event)
{
    if (textRect().contains(event->position().toPoint()))
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void CLinkLabel::leaveEvent(QEvent*)
{
    unsetCursor();
}

void CLinkLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && textRect().contains(event->position().toPoint()))
        QDesktopServices::openUrl(m_address);
}

} // namespace orv
