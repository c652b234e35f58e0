// A quiet page: the document's title, its type and its size, centred on white.
#include "app/PlaceholderView.h"

#include "app/PlaceholderDocument.h"

#include <QPainter>

namespace orv {

PlaceholderView::PlaceholderView(CDocument* document, QString typeName, QWidget* parent)
    : CView(document, parent), m_typeName(std::move(typeName))
{
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setMinimumSize(120, 80);
}

void PlaceholderView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const CDocument* doc = document();
    if (!doc)
        return;
    QString text = doc->title() + QStringLiteral("\n") + m_typeName;
    if (const auto* placeholder = qobject_cast<const PlaceholderDocument*>(doc); placeholder && !doc->pathName().isEmpty())
        text += QStringLiteral("\n%1 bytes").arg(placeholder->content().size());
    text += QStringLiteral("\n\nThis build opens the document but has no editor for its type yet.");
    p.setPen(QColor(0x60, 0x66, 0x70));
    p.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap, text);
}

} // namespace orv
