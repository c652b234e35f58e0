// Caption and frame are drawn with the fixed metrics (caption 19, frame 4), so that the
// client area is the one the model computes.
#include "designer/COrvanteWnd.h"

#include "designer/PreviewFrame.h"
#include "uimodel/CUIWindow.h"

#include <QApplication>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

namespace orv {

namespace {

constexpr int kBoxWidth = 16;
constexpr int kBoxHeight = 14;
constexpr int kMinimizedWidth = 160;

// The client area paints the window's background colour.
class ClientArea final : public QWidget {
public:
    explicit ClientArea(QWidget* parent) : QWidget(parent) {}
    QColor color{0xC0, 0xC0, 0xC0};

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), color); }
};

void raisedEdge(QPainter& p, QRect r)
{
    const QColor colors[][2] = {{QColor(0xDF, 0xDF, 0xDF), QColor(0, 0, 0)},
                                {QColor(0xFF, 0xFF, 0xFF), QColor(0x80, 0x80, 0x80)}};
    for (const auto& pair : colors) {
        p.setPen(pair[0]);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(pair[1]);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        r.adjust(1, 1, -1, -1);
    }
}

enum class Glyph { close, maximize, minimize, restore };

// A small window of w x h at (x, y), its caption a thick top edge.
void smallWindow(QPainter& p, int x, int y, int w, int h, const QColor& ink)
{
    p.fillRect(x, y, w, h, QColor(0xC0, 0xC0, 0xC0));
    p.fillRect(x, y, w, 2, ink);
    p.fillRect(x, y, 1, h, ink);
    p.fillRect(x + w - 1, y, 1, h, ink);
    p.fillRect(x, y + h - 1, w, 1, ink);
}

// The box pictures are drawn, not written: no font holds all four at this size.
void drawGlyph(QPainter& p, const QRect& box, Glyph glyph, const QColor& ink)
{
    const int x = box.left() + 4;
    const int y = box.top() + 3;
    switch (glyph) {
    case Glyph::close:
        p.setPen(QPen(ink, 2));
        p.drawLine(x, y, x + 7, y + 7);
        p.drawLine(x + 7, y, x, y + 7);
        break;
    case Glyph::maximize:
        smallWindow(p, x - 1, y - 1, 10, 9, ink);
        break;
    case Glyph::minimize:
        p.fillRect(x, y + 6, 6, 2, ink);
        break;
    case Glyph::restore:
        // A window behind another.
        smallWindow(p, x + 2, y - 1, 7, 6, ink);
        smallWindow(p, x - 1, y + 2, 7, 6, ink);
        break;
    }
}

} // namespace

COrvanteWnd::COrvanteWnd(const CUIElement& window, std::function<GridSettings()> grid)
    : QWidget(nullptr), PreviewWidget(*this, window), m_client(new ClientArea(this)),
      m_tracker(new CDesignTracker(std::move(grid), this))
{
    setObjectName(QStringLiteral("COrvanteWnd"));
    m_client->setObjectName(QStringLiteral("client"));
    m_tracker->setObjectName(QStringLiteral("tracker"));
    m_tracker->hide();
    setMouseTracking(true);
    // The view around it is dark; the previews take their colours from a window's roles.
    setBackgroundRole(QPalette::Window);
    setForegroundRole(QPalette::WindowText);
}

int COrvanteWnd::frame() const
{
    return hasStyle(m_styles, PreviewStyle::sizingFrame) ? metrics::kFrame : 0;
}

int COrvanteWnd::captionHeight() const
{
    return hasStyle(m_styles, PreviewStyle::caption) ? metrics::kCaption : 0;
}

QRect COrvanteWnd::clientRect() const
{
    const int f = frame();
    return QRect(f, f + captionHeight(), std::max(0, width() - 2 * f), std::max(0, height() - 2 * f - captionHeight()));
}

QRect COrvanteWnd::captionRect() const
{
    return QRect(frame(), frame(), width() - 2 * frame(), captionHeight());
}

QRect COrvanteWnd::boxRect(CaptionBox box) const
{
    const QRect c = captionRect();
    const int y = c.top() + (c.height() - kBoxHeight) / 2;
    const int close = c.right() - 1 - kBoxWidth;
    switch (box) {
    case CaptionBox::close: return {close, y, kBoxWidth, kBoxHeight};
    case CaptionBox::maximize: return {close - 2 - kBoxWidth, y, kBoxWidth, kBoxHeight};
    case CaptionBox::minimize: return {close - 2 - 2 * kBoxWidth, y, kBoxWidth, kBoxHeight};
    case CaptionBox::none: break;
    }
    return {};
}

COrvanteWnd::CaptionBox COrvanteWnd::boxAt(const QPoint& pos) const
{
    if (!hasStyle(m_styles, PreviewStyle::caption) || !hasStyle(m_styles, PreviewStyle::systemMenu))
        return CaptionBox::none;
    if (boxRect(CaptionBox::close).contains(pos))
        return CaptionBox::close;
    const bool tool = hasStyle(m_styles, PreviewStyle::toolWindow);
    if (!tool && hasStyle(m_styles, PreviewStyle::minimizeBox) && boxRect(CaptionBox::minimize).contains(pos))
        return CaptionBox::minimize;
    if (!tool && hasStyle(m_styles, PreviewStyle::maximizeBox) && sizedByUser() &&
        boxRect(CaptionBox::maximize).contains(pos))
        return CaptionBox::maximize;
    return CaptionBox::none;
}

bool COrvanteWnd::sizedByUser() const
{
    return !element().isWindow() || !static_cast<const CUIWindow&>(element()).fitToChildren();
}

int COrvanteWnd::frameEdgesAt(const QPoint& pos) const
{
    // As on the desktop, a minimized or maximized window is not sized by its frame.
    if (shown() != WindowShow::normal || !sizedByUser())
        return 0;
    return orv::frameEdgesAt({width(), height()}, {pos.x(), pos.y()}, frame());
}

void COrvanteWnd::setText(const std::string& text)
{
    m_caption = textFromUtf8(text);
    update();
}

void COrvanteWnd::setGeometry(const UIRect& rect)
{
    m_show.sizeSet({rect.width(), rect.height()}, {width(), height()});
    if (shown() == WindowShow::minimized)
        return;
    QWidget::setGeometry(0, 0, rect.width(), rect.height());
}

void COrvanteWnd::setStyles(std::uint32_t styles)
{
    m_styles = styles;
    placeClient();
    update();
}

void COrvanteWnd::setBackColor(ColorRef color)
{
    static_cast<ClientArea*>(m_client)->color = toQColor(color);
    m_client->update();
}

void COrvanteWnd::pressBox(CaptionBox box)
{
    const WindowShow before = shown();
    const UISize current{width(), height()};
    WindowSizing sizing;
    if (box == CaptionBox::minimize) {
        sizing = m_show.pressMinimizeBox(current, {kMinimizedWidth, 2 * frame() + captionHeight()});
    } else {
        // Maximized, the window fills the view it is shown in.
        const QSize area = parentWidget() ? parentWidget()->size() : size();
        sizing = m_show.pressMaximizeBox(current, {area.width(), area.height()});
    }
    if ((before == WindowShow::minimized) != (shown() == WindowShow::minimized))
        if (const std::string* caption = windowCaptionAfterSizing(element(), shown() == WindowShow::minimized))
            m_caption = textFromUtf8(*caption);
    resize(sizing.size.width, sizing.size.height);
    m_client->setVisible(shown() != WindowShow::minimized);
    update();
    if (sizing.stored)
        emit resizedByFrame(clientRect().size());
}

void COrvanteWnd::placeClient()
{
    m_client->setGeometry(clientRect());
    m_tracker->setGeometry(clientRect());
}

void COrvanteWnd::resizeEvent(QResizeEvent*)
{
    placeClient();
}

void COrvanteWnd::moveEvent(QMoveEvent*)
{
    if (pos() != QPoint(0, 0))
        move(0, 0);
}

void COrvanteWnd::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0xC0, 0xC0, 0xC0));
    if (frame())
        raisedEdge(p, rect());
    if (!captionHeight())
        return;
    const QRect c = captionRect();
    QLinearGradient gradient(c.topLeft(), c.topRight());
    gradient.setColorAt(0, QColor(0x00, 0x00, 0x80));
    gradient.setColorAt(1, QColor(0x10, 0x84, 0xD0));
    p.fillRect(c, gradient);
    int textLeft = c.left() + 3;
    const bool systemMenu = hasStyle(m_styles, PreviewStyle::systemMenu);
    if (systemMenu && !hasStyle(m_styles, PreviewStyle::toolWindow)) {
        QApplication::windowIcon().paint(&p, QRect(c.left() + 2, c.top() + 1, 16, 16));
        textLeft += 18;
    }
    QFont bold = font();
    bold.setBold(true);
    bold.setPixelSize(11);
    p.setFont(bold);
    p.setPen(Qt::white);
    p.drawText(QRect(textLeft, c.top(), c.width() - textLeft - 3 * kBoxWidth, c.height()),
               Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, m_caption);
    if (!systemMenu)
        return;
    const bool tool = hasStyle(m_styles, PreviewStyle::toolWindow);
    const auto drawBox = [&](CaptionBox box, Glyph glyph, bool enabled) {
        const QRect r = boxRect(box);
        p.fillRect(r, QColor(0xC0, 0xC0, 0xC0));
        raisedEdge(p, r);
        drawGlyph(p, r, glyph, enabled ? QColor(0, 0, 0) : QColor(0x80, 0x80, 0x80));
    };
    drawBox(CaptionBox::close, Glyph::close, true);
    if (!tool && hasStyle(m_styles, PreviewStyle::maximizeBox))
        drawBox(CaptionBox::maximize, shown() == WindowShow::maximized ? Glyph::restore : Glyph::maximize,
                sizedByUser());
    if (!tool && hasStyle(m_styles, PreviewStyle::minimizeBox))
        drawBox(CaptionBox::minimize, shown() == WindowShow::minimized ? Glyph::restore : Glyph::minimize, true);
}

void COrvanteWnd::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    // The close box does nothing: the preview cannot be closed.
    if (const CaptionBox box = boxAt(pos); box == CaptionBox::minimize || box == CaptionBox::maximize) {
        pressBox(box);
        return;
    }
    m_resizeEdges = frameEdgesAt(pos);
    m_resizeStart = event->globalPosition().toPoint();
    m_resizeStartSize = size();
}

void COrvanteWnd::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_resizeEdges) {
        using namespace frame_edge;
        const int edges = frameEdgesAt(event->position().toPoint());
        const bool horizontal = edges & (left | right);
        const bool vertical = edges & (top | bottom);
        const bool falling = edges == (left | top) || edges == (right | bottom);
        setCursor(horizontal && vertical ? (falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor)
                  : horizontal           ? Qt::SizeHorCursor
                  : vertical             ? Qt::SizeVerCursor
                                         : Qt::ArrowCursor);
        return;
    }
    const QPoint d = event->globalPosition().toPoint() - m_resizeStart;
    const int minimum = 2 * frame() + captionHeight();
    const UISize size = draggedWindowSize({m_resizeStartSize.width(), m_resizeStartSize.height()}, m_resizeEdges,
                                          {d.x(), d.y()}, {minimum, minimum});
    resize(size.width, size.height);
}

void COrvanteWnd::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_resizeEdges)
        return;
    m_resizeEdges = 0;
    emit resizedByFrame(clientRect().size());
}

} // namespace orv
