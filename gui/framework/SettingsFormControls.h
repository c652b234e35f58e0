// The controls of the Settings dialog that show the settings record, whichever page holds
// them: the edit boxes, the check boxes, the six colour swatches and the boolean style. Loaded
// from the record when the dialog opens and read back whole when it is accepted.
#pragma once

#include "settings/SettingsForm.h"

#include <array>
#include <map>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;

namespace orv {

class CColorSwatch;
class Prompts;

class SettingsFormControls {
public:
    // prompts choose the swatches' colours.
    explicit SettingsFormControls(Prompts& prompts) : m_prompts(prompts) {}

    // A box of digits for field; whatever it holds is stored on OK.
    QLineEdit* edit(FormText field, QWidget& page);
    // A box for flag, added to the page's layout; a disabled box is still read back, so its
    // bit keeps the value loaded.
    QCheckBox* check(SettingsFlag flag, const char* text, QWidget& page, bool enabled = true);
    // The swatch of MEL colour index (0 default ... 5 strings); a click chooses its colour.
    CColorSwatch* swatch(int index, const char* name, QWidget& page);
    // The boolean style's choice.
    QComboBox* booleanStyle(QWidget& page);
    // The six swatches back to the default colours.
    void resetColours();

    // Every control as the form has it.
    void load(const SettingsForm& form);
    // Every control into form; form keeps what no page shows.
    void read(SettingsForm& form) const;

private:
    void chooseColour(CColorSwatch* swatch);

    Prompts& m_prompts;
    std::array<QLineEdit*, kFormTextCount> m_edits{};
    std::map<SettingsFlag, QCheckBox*> m_checks;
    std::array<CColorSwatch*, kMelColourCount> m_swatches{};
    QComboBox* m_booleanStyle = nullptr;
};

} // namespace orv
