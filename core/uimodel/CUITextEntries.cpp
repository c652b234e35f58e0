// Text entries: shown text, number rewriting, insert rule, enable and editable flags.
#include "uimodel/CUITextEntries.h"

#include "uimodel/FlagText.h"

#include <algorithm>

namespace orv {

CUITextEntry::CUITextEntry(CUIElement& parent, const char* command, const char* namePattern,
                           const TextEntryFlagPositions& positions)
    : CUIElement(parent.context(), &parent, command, ElementTypeCode::textEntry), m_positions(positions)
{
    m_name = context().takeName(namePattern);
    const SettingsRecord& s = settings();
    m_rect = {0, 0, static_cast<int>(s.textFieldWidth), static_cast<int>(s.textFieldHeight)};
    switch (positions.kind) {
    case TextEntryKind::text:
        m_previewText = m_name;
        break;
    case TextEntryKind::integer:
        m_previewText = formatFlagInt(0);
        break;
    case TextEntryKind::decimal:
        m_previewText = formatFlagFloat(0.0, kDefaultPrecision);
        break;
    }
}

void CUITextEntry::applyShownText()
{
    switch (m_positions.kind) {
    case TextEntryKind::integer: {
        std::string& value = m_flags[m_positions.value];
        value = formatFlagInt(readFlagInt(value));
        m_previewText = value;
        break;
    }
    case TextEntryKind::decimal: {
        int precision = readFlagInt(flags()[m_positions.precision]);
        if (precision <= 0)
            precision = kDefaultPrecision;
        std::string& value = m_flags[m_positions.value];
        value = formatFlagFloat(readFlagFloat(value), std::min(precision, kMaxPrecision));
        m_previewText = value;
        break;
    }
    case TextEntryKind::text: {
        m_previewText = flags()[m_positions.text];
        const std::string& insert = flags()[m_positions.insertText];
        if (!insert.empty()) {
            const int at = readFlagInt(flags()[m_positions.insertPosition]);
            const bool append = at <= 0 || static_cast<std::size_t>(at) >= m_previewText.size();
            m_previewText.insert(append ? m_previewText.size() : static_cast<std::size_t>(at), insert);
        }
        break;
    }
    }
}

void CUITextEntry::ApplyFlags(const FlagValueTable& table)
{
    m_flags = table;
    applyShownText();
    applySize(m_positions.width, m_positions.height);
    applyEnabled(m_positions.enable);
    m_disabledByEnable = !m_enabled;
    if (!m_disabledByEnable) {
        m_editable = flagOn(m_positions.editable);
        setStyle(PreviewStyle::readOnly, !m_editable);
    }
    applyVisible(m_positions.visible);
    finishApply();
}

bool CUITextEntry::previewEnabled() const
{
    return m_enabled && (m_disabledByEnable || m_editable);
}

void CUITextEntry::StoreFlags(FlagValueTable& table) const
{
    table = m_flags;
    storeSize(table, m_positions.width, m_positions.height);
}

CUITextField::CUITextField(CUIElement& parent) : CUITextEntry(parent, "textField", "TextField%d", kPositions)
{
    finishConstruction();
}

CUIScrollField::CUIScrollField(CUIElement& parent) : CUITextEntry(parent, "scrollField", "ScrollField%d", kPositions)
{
    finishConstruction();
}

CUIIntField::CUIIntField(CUIElement& parent) : CUITextEntry(parent, "intField", "IntField%d", kPositions)
{
    finishConstruction();
}

CUIFloatField::CUIFloatField(CUIElement& parent) : CUITextEntry(parent, "floatField", "FloatField%d", kPositions)
{
    finishConstruction();
}

} // namespace orv
