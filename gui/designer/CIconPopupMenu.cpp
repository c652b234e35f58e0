// Menu items keep their command id in the action's data; the selection look is a style sheet.
#include "designer/CIconPopupMenu.h"

namespace orv {

CIconPopupMenu::CIconPopupMenu(QWidget* parent) : QMenu(parent)
{
    applyStyle();
}

QAction* CIconPopupMenu::appendItem(int id, const QString& text, const QIcon& icon, bool grayed)
{
    QAction* action = addAction(icon, text);
    action->setData(id);
    action->setEnabled(!grayed);
    return action;
}

CIconPopupMenu* CIconPopupMenu::appendSubmenu(const QString& text, const QIcon& icon)
{
    auto* submenu = new CIconPopupMenu(this);
    submenu->setTitle(text);
    submenu->setIcon(icon);
    submenu->setSelectionStyle(m_style);
    submenu->setHighlightColor(m_highlight);
    addMenu(submenu);
    return submenu;
}

void CIconPopupMenu::appendSeparator()
{
    addSeparator();
}

QAction* CIconPopupMenu::findItem(int id) const
{
    for (QAction* action : actions())
        if (itemId(action) == id)
            return action;
    return nullptr;
}

void CIconPopupMenu::setDefaultItem(int id)
{
    for (QAction* action : actions()) {
        QFont f = action->font();
        f.setBold(itemId(action) == id);
        action->setFont(f);
    }
}

void CIconPopupMenu::setSelectionStyle(SelectionStyle style)
{
    m_style = style;
    applyStyle();
}

void CIconPopupMenu::setHighlightColor(const QColor& color)
{
    m_highlight = color;
    applyStyle();
}

void CIconPopupMenu::applyStyle()
{
    // Submenus look like the menu they open from.
    for (CIconPopupMenu* submenu : findChildren<CIconPopupMenu*>(Qt::FindDirectChildrenOnly)) {
        submenu->m_style = m_style;
        submenu->m_highlight = m_highlight;
        submenu->applyStyle();
    }
    setStyleSheet(styleSheetText());
}

int CIconPopupMenu::itemId(const QAction* action)
{
    return action && !action->isSeparator() && !action->menu() ? action->data().toInt() : 0;
}

int CIconPopupMenu::track(const QPoint& globalPos)
{
    return itemId(exec(globalPos));
}

QString CIconPopupMenu::styleSheetText() const
{
    QString selected;
    switch (m_style) {
    case SelectionStyle::raisedEdge:
        selected = QStringLiteral("background: palette(window); color: palette(window-text);"
                                  " border: 1px outset palette(mid);");
        break;
    case SelectionStyle::none:
        selected = QStringLiteral("background: palette(window); color: palette(window-text);"
                                  " border: 1px solid transparent;");
        break;
    case SelectionStyle::framed:
        selected = QStringLiteral("background: palette(window); color: %1; border: 1px solid %1;")
                       .arg(m_highlight.name());
        break;
    }
    return QStringLiteral("QMenu { background: palette(window); border: 1px solid palette(mid); }"
                                 " QMenu::item { padding: 3px 18px 3px 6px; border: 1px solid transparent; }"
                                 " QMenu::item:disabled { color: palette(mid); }"
                                 " QMenu::icon { padding-left: 4px; }"
                                 " QMenu::separator { height: 1px; background: palette(mid); margin: 3px 4px; }"
                          " QMenu::item:selected { %1 }")
        .arg(selected);
}

} // namespace orv
