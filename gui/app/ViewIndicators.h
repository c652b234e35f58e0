// The status bar panes a view fills while it is active: the cursor's line and column, the
// line-end style, read-only and overwrite; each pane shows while its view gives it a text.
#pragma once

#include <QObject>
#include <QPointer>

#include <array>

class QLabel;
class QStatusBar;

namespace orv {

class CDocManager;
class CMDIChildWnd;
class CView;

class ViewIndicators : public QObject {
    Q_OBJECT

public:
    // The panes in the order they stand, left of the lock indicators.
    static constexpr std::array<int, 4> kIds = {37903, 37902, 37901, 59140};

    ViewIndicators(QStatusBar* bar, CDocManager& docs);

    // The pane of an indicator id (for tests and tools), or null.
    QLabel* pane(int id) const;
    void refresh();

private:
    void follow(CMDIChildWnd* frame);

    std::array<QLabel*, kIds.size()> m_panes{};
    QPointer<CView> m_view;
    CDocManager& m_docs;
};

} // namespace orv
