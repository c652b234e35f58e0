// The page of a module whose options are not built yet.
#include "framework/SettingsPage.h"

#include <QLabel>
#include <QVBoxLayout>

namespace orv {

void UnderConstructionPage::fill(QWidget& page, QVBoxLayout& layout, SettingsFormControls&)
{
    auto* label = new QLabel(QStringLiteral("UNDER CONSTRUCTION"), &page);
    label->setAlignment(Qt::AlignCenter);
    layout.addWidget(label);
}

} // namespace orv
