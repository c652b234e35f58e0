// A builder of stand-alone popup menus with icons (the designer's insertion menu): items with
// icons, grayed items, submenus, separators, a bold default item, and three selection styles.
#pragma once

#include <QColor>
#include <QMenu>

namespace orv {

class CIconPopupMenu : public QMenu {
    Q_OBJECT

public:
    // How the selected item is marked: a raised edge on the menu colour, nothing, or a frame in
    // the highlight colour.
    enum class SelectionStyle { raisedEdge = 0, none = 1, framed = 2 };

    static constexpr int kImageSize = 16;

    explicit CIconPopupMenu(QWidget* parent = nullptr);

    QAction* appendItem(int id, const QString& text, const QIcon& icon = {}, bool grayed = false);
    // The submenu belongs to this menu and goes with it.
    CIconPopupMenu* appendSubmenu(const QString& text, const QIcon& icon = {});
    void appendSeparator();

    // The item shown in bold, as the one a double click would choose.
    void setDefaultItem(int id);
    QAction* findItem(int id) const;

    void setSelectionStyle(SelectionStyle style);
    SelectionStyle selectionStyle() const { return m_style; }
    void setHighlightColor(const QColor& color);
    QColor highlightColor() const { return m_highlight; }

    // The command id of an item made by appendItem; 0 for anything else.
    static int itemId(const QAction* action);
    // Shows the menu at a screen position and returns the chosen command id, 0 when dismissed.
    int track(const QPoint& globalPos);

private:
    void applyStyle();
    QString styleSheetText() const;

    SelectionStyle m_style = SelectionStyle::raisedEdge;
    QColor m_highlight{0x00, 0x00, 0xC0};
};

} // namespace orv
