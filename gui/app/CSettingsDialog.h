// The Settings dialog: a list of pages at the left, the chosen page at the right. "General" is
// the shell's own page; the others come from the document modules, each in its place. Every
// control is loaded from the settings record when the dialog opens, all written back at once
// on OK.
#pragma once

#include "framework/SettingsFormControls.h"
#include "framework/SettingsPage.h"

#include <QDialog>

#include <memory>
#include <vector>

class QListWidget;
class QStackedWidget;

namespace orv {

class Prompts;
class SettingsService;

class CSettingsDialog : public QDialog {
    Q_OBJECT

public:
    // The pages' places, as the dialog lists them.
    enum Page { general, melEditor, uiEditor, iconsEditor, projects, melExport, pageCount };

    // prompts choose the swatches' colours; titleFont is the pages' title face; pages are the
    // modules' own.
    CSettingsDialog(SettingsService& settings, Prompts& prompts, const QFont& titleFont,
                    std::vector<std::unique_ptr<SettingsPage>> pages, QWidget* parent = nullptr);
    ~CSettingsDialog() override;

    QListWidget* pageList() const { return m_list; }
    // The page shown now.
    int currentPage() const;

    // Reads every control back and hands the new record to the settings service.
    void accept() override;

private:
    QWidget* makePage(SettingsPage& page, const QFont& titleFont);

    SettingsService& m_settings;
    SettingsFormControls m_controls;
    std::vector<std::unique_ptr<SettingsPage>> m_pages;
    QListWidget* m_list;
    QStackedWidget* m_stack;
};

} // namespace orv
