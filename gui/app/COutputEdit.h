// The Output pane's text control: shows the message log, read-only, white, monospaced, always at
// its last line; the only key it acts on is Ctrl+C.
#pragma once

#include <QPlainTextEdit>

#include <string>

namespace orv {

class OutputLog;

class COutputEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit COutputEdit(OutputLog& log, QWidget* parent = nullptr);
    ~COutputEdit() override;

    // Puts the selection on the clipboard with LF line ends, as other programs on the desktop
    // take text.
    void copySelection() const;

signals:
    // A double click on a line that names a place in a file ("file:line:column: ...").
    void placeChosen(const QString& file, int line, int column);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showLog();

    OutputLog& m_log;
    std::string m_shown;  // the log text the control shows
};

} // namespace orv
