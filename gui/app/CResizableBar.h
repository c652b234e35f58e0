// A docking pane that remembers a size per place (docked horizontally, vertically, floating),
// never goes below 250 x 100, and keeps its sizes in the profile beside the docking layout.
#pragma once

#include "app/AppIds.h"
#include "settings/BarSizes.h"

#include <QDockWidget>

namespace orv {

class CResizableBar : public QDockWidget {
    Q_OBJECT

public:
    CResizableBar(const QString& title, QWidget* parent, BarSize defaultSize, PaneId id);

    PaneId barId() const { return m_id; }
    BarOrientation orientation() const;
    const BarSizes& sizes() const { return m_sizes; }

    void LoadState(const Profile& profile, const std::string& profileName);
    bool SaveState(Profile& profile, const std::string& profileName) const;

    // The remembered size for where the pane sits now.
    QSize rememberedSize() const;
    // From now on, sizes the user gives the pane are remembered.
    void setTracking(bool tracking) { m_tracking = tracking; }

    QSize sizeHint() const override;

signals:
    // The pane's own close button hid it.
    void closedByUser();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    PaneId m_id;
    BarSizes m_sizes;
    bool m_tracking = false;
};

} // namespace orv
