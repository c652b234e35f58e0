// Indicator panes that follow the active view.
#include "app/ViewIndicators.h"

#include "framework/CDocManager.h"
#include "framework/CMDIChildWnd.h"
#include "framework/CView.h"

#include <QLabel>
#include <QStatusBar>

namespace orv {

ViewIndicators::ViewIndicators(QStatusBar* bar, CDocManager& docs) : QObject(bar), m_docs(docs)
{
    for (std::size_t i = 0; i < kIds.size(); ++i) {
        auto* label = new QLabel(bar);
        label->setObjectName(QStringLiteral("Indicator%1").arg(kIds[i]));
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(i == 0 ? QStringLiteral("Ln 99999, Col 999") : QStringLiteral("UNIX")) + 8);
        label->hide();
        bar->addPermanentWidget(label);
        m_panes[i] = label;
    }
    connect(&docs, &CDocManager::activeFrameChanged, this, &ViewIndicators::follow);
}

QLabel* ViewIndicators::pane(int id) const
{
    for (std::size_t i = 0; i < kIds.size(); ++i)
        if (kIds[i] == id)
            return m_panes[i];
    return nullptr;
}

void ViewIndicators::follow(CMDIChildWnd* frame)
{
    if (m_view)
        disconnect(m_view, nullptr, this, nullptr);
    m_view = frame ? frame->activeView() : nullptr;
    if (m_view)
        connect(m_view, &CView::indicatorsChanged, this, &ViewIndicators::refresh);
    refresh();
}

void ViewIndicators::refresh()
{
    // The panes show while the active view fills the position pane, i.e. while it is a text view.
    const bool textView = m_view && !m_view->indicatorText(kIds[0]).isEmpty();
    for (std::size_t i = 0; i < kIds.size(); ++i) {
        const QString text = textView ? m_view->indicatorText(kIds[i]) : QString();
        m_panes[i]->setText(text);
        m_panes[i]->setVisible(textView);
    }
}

} // namespace orv
