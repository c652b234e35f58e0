// The designer's floating tools palette "Tools": created hidden with the main frame, shown
// while a UI window view is active. Its buttons insert layouts and controls (a plain click
// the category's first command, a right click or Ctrl+click the category's menu), toggle the
// designer grid (checked as the option is, whoever changes it) and switch between edit and
// test mode.
#pragma once

#include <QDialog>

#include <cstdint>

class QToolButton;

namespace orv {

class SettingsService;

class CToolsDialog : public QDialog {
    Q_OBJECT

public:
    CToolsDialog(SettingsService& settings, QWidget* parent);

    QToolButton* gridButton() const { return m_grid; }
    QToolButton* editButton() const { return m_edit; }
    // The button of a control id of the palette (1029 "Buttons" ... 1042 "frameLayout").
    QToolButton* button(int id) const;
    // Checks the grid button as the designer grid option says, without changing the option.
    void setGridChecked(bool checked);
    // Whether the palette was on screen during this run: only then is its place worth keeping.
    bool wasShown() const { return m_wasShown; }

signals:
    // A category button or a layout button was used.
    void insertRequested(std::uint32_t categories, int defaultCommand, bool menuRequested, const QPoint& at);
    void editModeToggled(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void addInsertButton(int id, const char* caption, const QIcon& icon, std::uint32_t categories, int defaultCommand);
    void request(QToolButton* button, bool menuRequested);

    SettingsService& m_settings;
    QToolButton* m_grid;
    QToolButton* m_edit;
    QList<QToolButton*> m_insertButtons;
    bool m_wasShown = false;
};

} // namespace orv
