// Each preview sets up its widget to look like the control and mirrors what it is told.
#include "designer/ControlPreviews.h"

#include "designmodel/PreviewFrame.h"

#include <QPainter>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace orv {

namespace {

constexpr int kThumbLength = 12;

Qt::Alignment labelAlignment(std::uint32_t styles)
{
    if (hasStyle(styles, PreviewStyle::alignLeft))
        return Qt::AlignLeft | Qt::AlignVCenter;
    if (hasStyle(styles, PreviewStyle::alignRight))
        return Qt::AlignRight | Qt::AlignVCenter;
    return Qt::AlignCenter;
}

// A sunken edge with a border: three pixels on each side, as the element's size counts it.
const char* const kFieldStyle = "border-style: inset; border-width: 3px; border-color: #808080 #ffffff #ffffff #808080;"
                                " background: white; padding: 0px;";

// Static texts and check boxes draw in black, and in the grayed text colour when disabled,
// whatever the surface's palette says.
void useWindowTextColours(QWidget& widget)
{
    QPalette pal = widget.palette();
    pal.setColor(QPalette::Active, QPalette::WindowText, Qt::black);
    pal.setColor(QPalette::Inactive, QPalette::WindowText, Qt::black);
    pal.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    widget.setPalette(pal);
}

} // namespace

COrvanteLayout::COrvanteLayout(const CUIElement& element, QWidget* parent)
    : QWidget(parent), PreviewWidget(*this, element), m_color(toQColor(element.backColor()))
{
}

void COrvanteLayout::setBackColor(ColorRef color)
{
    m_color = toQColor(color);
    update();
}

void COrvanteLayout::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), m_color);
}

COrvanteFrameLayout::COrvanteFrameLayout(const CUIElement& element, QWidget* parent, const QFont& titleFont)
    : COrvanteLayout(element, parent), m_titleFont(titleFont)
{
    m_titleFont.setBold(true);
}

void COrvanteFrameLayout::setText(const std::string& text)
{
    m_label = textFromUtf8(text);
    update();
}

void COrvanteFrameLayout::setStyles(std::uint32_t styles)
{
    m_styles = styles;
    update();
}

void COrvanteFrameLayout::paintEvent(QPaintEvent* event)
{
    COrvanteLayout::paintEvent(event);
    QPainter p(this);
    if (hasStyle(m_styles, PreviewStyle::border)) {
        p.setPen(QColor(0x80, 0x80, 0x80));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (hasStyle(m_styles, PreviewStyle::titleHidden))
        return;
    const QRect title(0, 0, width(), metrics::kFrameTitleHeight);
    p.fillRect(title, QColor(0xA0, 0xA0, 0xA0));
    // Grayed as the element's enable flag says, not by the edit mode that disables every preview.
    const QColor ink = element().enabled() ? QColor(Qt::black) : QColor(0x80, 0x80, 0x80);
    int textLeft = 6;
    if (hasStyle(m_styles, PreviewStyle::collapsable)) {
        // A triangle pointing down while the frame is open, right while it is collapsed.
        const int cx = 10;
        const int cy = title.height() / 2;
        const QPolygon arrow = hasStyle(m_styles, PreviewStyle::collapsed)
                                   ? QPolygon({QPoint(cx - 2, cy - 4), QPoint(cx + 2, cy), QPoint(cx - 2, cy + 4)})
                                   : QPolygon({QPoint(cx - 4, cy - 2), QPoint(cx + 4, cy - 2), QPoint(cx, cy + 2)});
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPolygon(arrow);
        textLeft = 18;
    }
    p.setPen(ink);
    p.setFont(m_titleFont);
    p.drawText(title.adjusted(textLeft, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_label);
}

COrvanteButton::COrvanteButton(const CUIElement& element, QWidget* parent)
    : COwnerDrawButton(parent), PreviewWidget(*this, element)
{
    COwnerDrawButton::setBackColor(toQColor(element.backColor()));
}

void COrvanteButton::setStyles(std::uint32_t styles)
{
    setAlignment(hasStyle(styles, PreviewStyle::alignLeft)    ? Alignment::left
                 : hasStyle(styles, PreviewStyle::alignRight) ? Alignment::right
                                                              : Alignment::centre);
}

COrvanteCheckBox::COrvanteCheckBox(const CUIElement& element, QWidget* parent)
    : QCheckBox(parent), PreviewWidget(*this, element)
{
    useWindowTextColours(*this);
}

void COrvanteCheckBox::setStyles(std::uint32_t styles)
{
    m_alignment = labelAlignment(styles) & Qt::AlignHorizontal_Mask;
    update();
}

QRect COrvanteCheckBox::contentRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const int drawn = style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this) +
                      style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this) +
                      fontMetrics().horizontalAdvance(text());
    const int width = std::min(drawn, this->width());
    int left = (this->width() - width) / 2;
    if (m_alignment & Qt::AlignLeft)
        left = 0;
    else if (m_alignment & Qt::AlignRight)
        left = this->width() - width;
    return QRect(left, 0, width, height());
}

void COrvanteCheckBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = contentRect();
    painter.drawControl(QStyle::CE_CheckBox, option);
}

bool COrvanteCheckBox::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

COrvanteList::COrvanteList(const CUIElement& element, QWidget* parent) : QListWidget(parent), PreviewWidget(*this, element)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setStyleSheet(QStringLiteral("QListWidget { border: %1px solid black; background: white; }").arg(metrics::kBorder));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalScrollBar()->setFixedWidth(metrics::kScrollBar);
}

void COrvanteList::setListItems(const std::vector<std::string>& items)
{
    clear();
    for (const std::string& item : items)
        addItem(textFromUtf8(item));
}

COrvanteSlider::COrvanteSlider(const CUIElement& element, QWidget* parent)
    : QSlider(Qt::Horizontal, parent), PreviewWidget(*this, element)
{
    setTickPosition(QSlider::NoTicks);
    setStyleSheet(QStringLiteral(
                      "QSlider::groove:horizontal { height: 4px; background: #ffffff; border: 1px solid #808080; }"
                      " QSlider::groove:vertical { width: 4px; background: #ffffff; border: 1px solid #808080; }"
                      " QSlider::handle:horizontal { width: %1px; margin: -6px 0; background: #c0c0c0;"
                      " border: 1px solid #404040; }"
                      " QSlider::handle:vertical { height: %1px; margin: 0 -6px; background: #c0c0c0;"
                      " border: 1px solid #404040; }")
                      .arg(kThumbLength));
}

void COrvanteSlider::setStyles(std::uint32_t styles)
{
    setOrientation(hasStyle(styles, PreviewStyle::vertical) ? Qt::Vertical : Qt::Horizontal);
}

COrvanteTextField::COrvanteTextField(const CUIElement& element, QWidget* parent)
    : QLineEdit(parent), PreviewWidget(*this, element)
{
    setStyleSheet(QString::fromLatin1("QLineEdit { %1 }").arg(QString::fromLatin1(kFieldStyle)));
    if (element.command() == "intField")
        setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
}

COrvanteScrollField::COrvanteScrollField(const CUIElement& element, QWidget* parent)
    : QPlainTextEdit(parent), PreviewWidget(*this, element)
{
    setStyleSheet(QString::fromLatin1("QPlainTextEdit { %1 }").arg(QString::fromLatin1(kFieldStyle)));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    verticalScrollBar()->setFixedWidth(metrics::kScrollBar);
}

COrvanteText::COrvanteText(const CUIElement& element, QWidget* parent) : QLabel(parent), PreviewWidget(*this, element)
{
    setAlignment(Qt::AlignCenter);
    useWindowTextColours(*this);
}

void COrvanteText::setStyles(std::uint32_t styles)
{
    setAlignment(labelAlignment(styles));
}

COrvanteSeparator::COrvanteSeparator(const CUIElement& element, QWidget* parent)
    : QWidget(parent), PreviewWidget(*this, element)
{
}

void COrvanteSeparator::setStyles(std::uint32_t styles)
{
    m_styles = styles;
    update();
}

void COrvanteSeparator::paintEvent(QPaintEvent*)
{
    if (hasStyle(m_styles, PreviewStyle::lineHidden))
        return;
    QPainter p(this);
    const bool horizontal = height() <= width();
    const int length = horizontal ? width() : height();
    const int middle = (horizontal ? height() : width()) / 2;
    // One pixel line across at offset from the middle, in colour, dashed or not.
    const auto line = [&](int offset, const QColor& colour) {
        const int step = hasStyle(m_styles, PreviewStyle::lineDashed) ? 4 : length;
        for (int at = 0; at < length; at += 2 * step) {
            const int run = std::min(step, length - at);
            if (horizontal)
                p.fillRect(at, middle + offset, run, 1, colour);
            else
                p.fillRect(middle + offset, at, 1, run, colour);
        }
    };
    const QColor shadow(0x80, 0x80, 0x80);
    const QColor highlight(0xFF, 0xFF, 0xFF);
    if (hasStyle(m_styles, PreviewStyle::lineFlat)) {
        const bool twice = hasStyle(m_styles, PreviewStyle::lineDouble);
        line(twice ? -1 : 0, Qt::black);
        if (twice)
            line(1, Qt::black);
    } else {
        const bool raised = hasStyle(m_styles, PreviewStyle::lineRaised);
        line(0, raised ? highlight : shadow);
        line(1, raised ? shadow : highlight);
    }
}

} // namespace orv
