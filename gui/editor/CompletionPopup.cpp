// The completion list: two columns (name, type), placed in the view where it fits.
#include "editor/CompletionPopup.h"

#include <QHeaderView>

#include <algorithm>

namespace orv {

namespace {
constexpr int kPopupWidth = 420;
constexpr int kNameColumnWidth = 240;
} // namespace

CompletionPopup::CompletionPopup(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("CompletionPopup"));
    setFocusPolicy(Qt::NoFocus);
    setColumnCount(2);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setColumnWidth(0, kNameColumnWidth);
    setFrameShape(QFrame::Box);
    setCursor(Qt::ArrowCursor);
    hide();
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this] { emit chosen(); });
}

void CompletionPopup::showItems(const CompletionContext& context, std::vector<CompletionItem> items, QPoint below,
                                int above)
{
    m_context = context;
    m_items = std::move(items);
    clear();
    for (const CompletionItem& item : m_items)
        new QTreeWidgetItem(this, {QString::fromLatin1(item.label), QString::fromLatin1(item.detail)});
    setCurrentItem(topLevelItem(0));
    const int rows = std::min<int>(kVisibleRows, static_cast<int>(m_items.size()));
    const int height = rows * sizeHintForRow(0) + 2 * frameWidth();
    const QWidget* area = parentWidget();
    const int x = std::clamp(below.x(), 0, std::max(0, area->width() - kPopupWidth));
    const int y = below.y() + height <= area->height() || above - height < 0 ? below.y() : above - height;
    setGeometry(x, y, kPopupWidth, height);
    show();
    raise();
}

const CompletionItem* CompletionPopup::currentCompletion() const
{
    const int row = currentIndex().row();
    return row >= 0 && row < static_cast<int>(m_items.size()) ? &m_items[static_cast<std::size_t>(row)] : nullptr;
}

bool CompletionPopup::moveByKey(int key)
{
    const int count = topLevelItemCount();
    const int row = currentIndex().row();
    int next = row;
    switch (key) {
    case Qt::Key_Up:
        next = row - 1;
        break;
    case Qt::Key_Down:
        next = row + 1;
        break;
    case Qt::Key_PageUp:
        next = row - kVisibleRows;
        break;
    case Qt::Key_PageDown:
        next = row + kVisibleRows;
        break;
    default:
        return false;
    }
    if (count > 0)
        setCurrentItem(topLevelItem(std::clamp(next, 0, count - 1)));
    return true;
}

} // namespace orv
