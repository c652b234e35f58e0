// Which parts of the record a change touched, field by field.
#include "framework/SettingsService.h"

#include <tuple>

namespace orv {

namespace {

constexpr std::uint16_t mask(std::initializer_list<SettingsFlag> flags)
{
    std::uint16_t m = 0;
    for (SettingsFlag f : flags)
        m = static_cast<std::uint16_t>(m | static_cast<std::uint16_t>(f));
    return m;
}

constexpr std::uint16_t kColouringFlags = mask({SettingsFlag::syntaxColoring});
constexpr std::uint16_t kGridFlags = mask({SettingsFlag::designerGrid});
constexpr std::uint16_t kWindowStateFlags = mask({SettingsFlag::mainMaximized, SettingsFlag::childMaximized});

auto colours(const SettingsRecord& r)
{
    return std::tie(r.colorDefault, r.colorComments, r.colorCommands, r.colorKeywords, r.colorFlags, r.colorStrings);
}

auto sizes(const SettingsRecord& r)
{
    return std::tie(r.windowWidth, r.windowHeight, r.buttonWidth, r.buttonHeight, r.checkBoxWidth, r.checkBoxHeight,
                    r.radioButtonWidth, r.radioButtonHeight, r.sliderWidth, r.sliderHeight, r.textFieldWidth,
                    r.textFieldHeight, r.listWidth, r.listHeight, r.textWidth, r.textHeight);
}

auto otherOptions(const SettingsRecord& r)
{
    return std::tie(r.version, r.recentFileCount, r.booleanStyle, r.reserved);
}

} // namespace

SettingsChanges settingsDifference(const SettingsRecord& before, const SettingsRecord& after)
{
    SettingsChanges what;
    const auto flagsDiffer = [&](std::uint16_t m) { return (before.flags & m) != (after.flags & m); };
    if (colours(before) != colours(after))
        what |= SettingsChange::colours;
    if (before.indentSize != after.indentSize)
        what |= SettingsChange::tabSize;
    if (flagsDiffer(kColouringFlags))
        what |= SettingsChange::syntaxColoring;
    if (flagsDiffer(kGridFlags) || before.gridWidth != after.gridWidth || before.gridHeight != after.gridHeight)
        what |= SettingsChange::grid;
    if (sizes(before) != sizes(after))
        what |= SettingsChange::sizes;
    if (flagsDiffer(kWindowStateFlags))
        what |= SettingsChange::windowStates;
    const auto otherFlags = static_cast<std::uint16_t>(~(kColouringFlags | kGridFlags | kWindowStateFlags));
    if (flagsDiffer(otherFlags) || otherOptions(before) != otherOptions(after))
        what |= SettingsChange::options;
    return what;
}

SettingsService::SettingsService(SettingsRecord& record, QObject* parent) : QObject(parent), m_record(record) {}

void SettingsService::apply(const SettingsRecord& next)
{
    const SettingsChanges what = settingsDifference(m_record, next);
    m_record = next;
    if (what)
        emit changed(what);
}

void SettingsService::change(const std::function<void(SettingsRecord&)>& edit)
{
    SettingsRecord next = m_record;
    edit(next);
    apply(next);
}

void SettingsService::setFlag(SettingsFlag flag, bool on)
{
    change([flag, on](SettingsRecord& r) { r.setFlag(flag, on); });
}

} // namespace orv
