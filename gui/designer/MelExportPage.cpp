// The page's boxes, and "Write element names" written back to the profile.
#include "designer/MelExportPage.h"

#include "framework/SettingsFormControls.h"
#include "settings/ElementNamesOption.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace orv {

void MelExportPage::fill(QWidget& page, QVBoxLayout& layout, SettingsFormControls& controls)
{
    controls.check(SettingsFlag::shortFlags, "Use short flags for MEL commands  (ex: \"-w\" instead of \"-width\")", page);
    controls.check(SettingsFlag::exportToFile, "Export to file", page);
    controls.check(SettingsFlag::exportToClipboard, "Copy to clipboard", page);
    controls.check(SettingsFlag::unixFormat, "Unix format (carriage return)", page, false);
    // After the page's own boxes.
    m_writeNames = new QCheckBox(QStringLiteral("Write element names"), &page);
    m_writeNames->setObjectName(QStringLiteral("writeElementNames"));
    m_writeNames->setChecked(readElementNamesOption(m_profile));
    layout.addWidget(m_writeNames);
}

void MelExportPage::accept()
{
    writeElementNamesOption(m_profile, m_writeNames->isChecked());
}

} // namespace orv
