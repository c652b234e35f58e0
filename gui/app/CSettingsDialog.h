// The Settings dialog: a list of six pages at the left, the chosen page at the right; every
// control loaded from the settings record when it opens, all written back at once on OK.
#pragma once

#include "settings/SettingsForm.h"

#include <QDialog>

#include <array>
#include <map>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QStackedWidget;

namespace orv {

class CColorSwatch;
class Profile;
class Prompts;
class SettingsService;

class CSettingsDialog : public QDialog {
    Q_OBJECT

public:
    enum Page { general, melEditor, uiEditor, iconsEditor, projects, melExport, pageCount };

    // prompts choose the swatches' colours; titleFont is the pages' title face.
    CSettingsDialog(SettingsService& settings, Prompts& prompts, const QFont& titleFont, QWidget* parent = nullptr);

    QListWidget* pageList() const { return m_list; }
    // The page shown now.
    int currentPage() const;

    // Adds the Maya command port's host and port to the MEL Editor page, loaded from the
    // profile and written back to it on OK (they are not part of the settings record).
    void addCommandPort(Profile& profile);
    // Adds "Write element names" to the MEL Export page, loaded from the profile and written
    // back to it on OK (it is not part of the settings record either).
    void addElementNamesOption(Profile& profile);

    // Reads every control back and hands the new record to the settings service.
    void accept() override;

private:
    QWidget* makePage(Page page, const QFont& titleFont);
    void fillGeneral(QWidget* page);
    void fillMelEditor(QWidget* page);
    void fillUiEditor(QWidget* page);
    void fillUnderConstruction(QWidget* page);
    void fillMelExport(QWidget* page);
    QLineEdit* makeEdit(FormText field, QWidget* page);
    QCheckBox* makeCheck(SettingsFlag flag, const char* text, QWidget* page, bool enabled = true);
    void load(const SettingsForm& form);
    SettingsForm read() const;
    void resetColours();
    void chooseColour(CColorSwatch* swatch);

    SettingsService& m_settings;
    Prompts& m_prompts;
    QListWidget* m_list;
    QStackedWidget* m_pages;
    std::array<QLineEdit*, kFormTextCount> m_edits{};
    std::map<SettingsFlag, QCheckBox*> m_checks;
    std::array<CColorSwatch*, kMelColourCount> m_swatches{};
    QComboBox* m_booleanStyle = nullptr;
    Profile* m_portProfile = nullptr;
    QLineEdit* m_portHost = nullptr;
    QLineEdit* m_portNumber = nullptr;
    Profile* m_namesProfile = nullptr;
    QCheckBox* m_writeNames = nullptr;
};

} // namespace orv
