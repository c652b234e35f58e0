// Centred text on white, redrawn when the document is renamed by Save As.
#include "project/CProjectView.h"

#include <QDir>
#include <QPainter>

namespace orv {

namespace {
constexpr const char* kNoFilesYet = "Projects hold no files yet in this version.";
constexpr const char* kNotSaved = "(not saved yet)";
} // namespace

CProjectView::CProjectView(CDocument* document, QWidget* parent) : CView(document, parent)
{
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setMinimumSize(160, 80);
    if (document)
        connect(document, &CDocument::titleChanged, this, qOverload<>(&QWidget::update));
}

QStringList CProjectView::lines() const
{
    const CDocument* doc = document();
    if (!doc)
        return {};
    const QString path = doc->pathName().isEmpty() ? QString::fromLatin1(kNotSaved)
                                                   : QDir::toNativeSeparators(doc->pathName());
    return {doc->title(), path, QString(), QString::fromLatin1(kNoFilesYet)};
}

void CProjectView::onUpdate(CView*, int)
{
    update();
}

void CProjectView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(QColor(0x40, 0x44, 0x4c));
    p.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap, lines().join(QLatin1Char('\n')));
}

} // namespace orv
