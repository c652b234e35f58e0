// The edit view of a MEL script: MEL colouring by the settings' switch, the findings of the
// checks underlined, and completion of commands and flags.
#pragma once

#include "editor/CTextEditView.h"
#include "editor/MelCheckRunner.h"

namespace orv {

class CompletionPopup;

class MelTextView final : public CTextEditView {
    Q_OBJECT

public:
    explicit MelTextView(const SettingsRecord& settings, QWidget* parent = nullptr, MelChecker checker = defaultMelChecker());

    std::uint32_t ScanLineColors(std::uint32_t state, std::string_view line, std::vector<ColourBlock>* blocks) override;
    bool onCommand(int id, bool execute) override;

    MelCheckRunner& checks() { return *m_checks; }
    CompletionPopup* completionPopup() const { return m_completion; }

signals:
    // "Send to Maya" is the document view's; the text view asks for it.
    void sendRequested();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void onViewReset() override;

private:
    // Opens the list for the word at the cursor; `flagsOnly` after a typed "-".
    void openCompletion(bool flagsOnly);
    // After a key while the list is open: narrowed to the word as typed now, or closed.
    void refreshCompletion();
    void acceptCompletion();
    bool completionShown() const;

    MelCheckRunner* m_checks;
    CompletionPopup* m_completion;
};

} // namespace orv
