// View registration with its document and the default update steps.
#include "framework/CView.h"

#include "framework/CDocManager.h"
#include "framework/CDocTemplate.h"
#include "framework/CDocument.h"
#include "framework/CMDIChildWnd.h"

namespace orv {

CView::CView(CDocument* document, QWidget* parent) : QWidget(parent), m_document(document)
{
    if (m_document)
        m_document->addView(this);
}

CView::~CView()
{
    if (m_document)
        m_document->removeView(this);
}

CMDIChildWnd* CView::parentFrame() const
{
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (auto* frame = qobject_cast<CMDIChildWnd*>(w))
            return frame;
    return nullptr;
}

bool CView::isActiveView() const
{
    const CDocTemplate* docTemplate = m_document ? m_document->docTemplate() : nullptr;
    return docTemplate && docTemplate->manager()->activeView() == this;
}

void CView::onInitialUpdate()
{
    onUpdate(nullptr, 0);
}

void CView::onUpdate(CView*, int)
{
    update();
}

void CView::onActivateView(bool) {}

void CView::onSettingsChanged(SettingsChanges)
{
    update();
}

void CView::requestCommandUpdate() const
{
    if (m_document && m_document->docTemplate())
        m_document->docTemplate()->manager()->commands().requestUpdate();
}

QString CView::indicatorText(int) const
{
    return {};
}

QString CView::menuText(int) const
{
    return {};
}

void CView::showPlace(int, int) {}

} // namespace orv
