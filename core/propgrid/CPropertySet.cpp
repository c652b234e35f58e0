// Building the flag rows of a command and moving values between rows and flag table.
#include "propgrid/CPropertySet.h"

#include "mel/CommandDatabase.h"
#include "mel/MelVocabulary.h"
#include "uimodel/FlagText.h"
#include "uimodel/FlagWords.h"

#include <cstdio>

namespace orv {
namespace {

std::unique_ptr<CPropertyItem> itemFor(std::string_view command, const CommandFlag& flag,
                                       const std::array<std::string, 3>& booleanChoices)
{
    // A flag entry without a long name would give a blank row: its short name stands in.
    std::string name(flag.shownName());
    if (const auto words = flagWords(command, flag.longName); !words.empty())
        return std::make_unique<CPropertyItemWords>(std::move(name), std::vector<std::string>(words.begin(), words.end()));
    switch (flag.typeIndex) {
    case mel_type::kOnOff:
        return std::make_unique<CPropertyItemBool>(std::move(name), booleanChoices);
    case mel_type::kStringMultiUse:
        return std::make_unique<CPropertyItemMulti>(std::move(name));
    default:
        return std::make_unique<CPropertyItemString>(std::move(name));
    }
}

} // namespace

bool CPropertySet::Build(int commandIndex, int booleanStyle)
{
    if (commandIndex < 0 || commandIndex >= kMelCommandCount)
        return false;
    m_commandIndex = commandIndex;
    m_categories.clear();
    m_booleanChoices[CPropertyItemBool::kTrue] = MelTrueWord(booleanStyle);
    m_booleanChoices[CPropertyItemBool::kFalse] = MelFalseWord(booleanStyle);
    auto category = std::make_unique<CPropertyItemCategory>(kMelCommands[commandIndex]);
    for (const CommandFlag& flag : CommandTypedFlags(kMelCommands[commandIndex]))
        category->add(itemFor(kMelCommands[commandIndex], flag, m_booleanChoices));
    m_categories.push_back(std::move(category));
    m_itemCount = GetCommandFlagRecord(commandIndex).pairCount;
    return true;
}

void CPropertySet::SetValues(const FlagValueTable& table)
{
    for (const auto& category : m_categories) {
        int position = 0;
        for (const auto& item : category->items()) {
            if (position >= kFlagTableSize)
                break;
            const std::string& value = table[position++];
            item->setEdited(false);
            if (auto* text = dynamic_cast<CPropertyItemString*>(item.get())) {
                text->setValue(value);
            } else if (auto* boolean = dynamic_cast<CPropertyItemBool*>(item.get())) {
                const std::optional<bool> meaning = readBooleanWord(value);
                boolean->setValue(!meaning ? CPropertyItemBool::kDefault
                                  : *meaning ? CPropertyItemBool::kTrue
                                             : CPropertyItemBool::kFalse);
            } else if (auto* words = dynamic_cast<CPropertyItemWords*>(item.get())) {
                words->setValue(words->entryOf(value));
            }
        }
    }
}

void CPropertySet::GetValues(FlagValueTable& table) const
{
    for (const auto& category : m_categories) {
        int position = 0;
        for (const auto& item : category->items()) {
            if (position >= kFlagTableSize)
                break;
            std::string& value = table[position++];
            if (!item->edited())
                continue;
            if (const auto* text = dynamic_cast<const CPropertyItemString*>(item.get())) {
                value = text->value();
            } else if (const auto* boolean = dynamic_cast<const CPropertyItemBool*>(item.get())) {
                value = boolean->value() == CPropertyItemBool::kDefault
                            ? std::string()
                            : m_booleanChoices[static_cast<std::size_t>(boolean->value())];
            } else if (const auto* words = dynamic_cast<const CPropertyItemWords*>(item.get())) {
                value = words->valueText();
            }
        }
    }
}

void CPropertySet::ValuesTaken()
{
    for (const auto& category : m_categories)
        for (const auto& item : category->items())
            item->setEdited(false);
}

std::string CPropertySet::FlagTypeHint(int row) const
{
    if (m_commandIndex < 0)
        return {};
    const std::vector<CommandFlag> flags = CommandTypedFlags(kMelCommands[m_commandIndex]);
    const int index = row <= 1 ? 0 : row - 1;
    if (index >= static_cast<int>(flags.size()))
        return {};
    const CommandFlag& flag = flags[static_cast<std::size_t>(index)];
    const std::string name(flag.shownName());
    char text[512];
    std::snprintf(text, sizeof text, kFlagTypeHint, name.c_str(), flag.typeText);
    return text;
}

} // namespace orv
