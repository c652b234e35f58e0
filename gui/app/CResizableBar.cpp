// Pane sizes follow the place the pane sits in; the dock layout enforces the minimum.
#include "app/CResizableBar.h"

#include <QCloseEvent>
#include <QMainWindow>

namespace orv {

CResizableBar::CResizableBar(const QString& title, QWidget* parent, BarSize defaultSize, PaneId id)
    : QDockWidget(title, parent), m_id(id), m_sizes(BarSizes::withDefault(defaultSize))
{
    setObjectName(QStringLiteral("Bar%1").arg(static_cast<int>(id)));
    setMinimumSize(BarSizes::kMinimum.cx, BarSizes::kMinimum.cy);
    setAllowedAreas(Qt::AllDockWidgetAreas);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
}

BarOrientation CResizableBar::orientation() const
{
    if (isFloating())
        return BarOrientation::floating;
    const auto* frame = qobject_cast<const QMainWindow*>(parentWidget());
    const Qt::DockWidgetArea area = frame ? frame->dockWidgetArea(const_cast<CResizableBar*>(this))
                                          : Qt::NoDockWidgetArea;
    if (area == Qt::TopDockWidgetArea || area == Qt::BottomDockWidgetArea)
        return BarOrientation::horizontal;
    if (area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea)
        return BarOrientation::vertical;
    return BarOrientation::floating;
}

void CResizableBar::LoadState(const Profile& profile, const std::string& profileName)
{
    m_sizes.load(profile, profileName, static_cast<int>(m_id));
}

bool CResizableBar::SaveState(Profile& profile, const std::string& profileName) const
{
    return m_sizes.save(profile, profileName, static_cast<int>(m_id));
}

QSize CResizableBar::rememberedSize() const
{
    const BarSize s = atLeastMinimum(m_sizes.sizeFor(orientation()));
    return {s.cx, s.cy};
}

QSize CResizableBar::sizeHint() const
{
    return rememberedSize();
}

void CResizableBar::closeEvent(QCloseEvent* event)
{
    QDockWidget::closeEvent(event);
    if (!event->isAccepted())
        return;
    // Hidden before the notice, so that the toolbar reads the new state.
    hide();
    emit closedByUser();
}

void CResizableBar::resizeEvent(QResizeEvent* event)
{
    QDockWidget::resizeEvent(event);
    if (!m_tracking || !isVisible())
        return;
    m_sizes.sizeFor(orientation()) = atLeastMinimum({width(), height()});
}

} // namespace orv
