// The list control: its items live in the element and are written as -append flags, one per item.
#pragma once

#include "uimodel/CUIElement.h"

namespace orv {

class CUITextScrollList final : public CUIElement {
public:
    static constexpr int kEnable = 14;
    static constexpr int kHeight = 16;
    static constexpr int kVisible = 27;
    static constexpr int kWidth = 28;

    explicit CUITextScrollList(CUIElement& parent);

    void AppendExtraFlags(ScriptWriter& out, bool shortFlags) const override;
    void ApplyFlags(const FlagValueTable& table) override;
    void StoreFlags(FlagValueTable& table) const override;

    void addItem(std::string item);
    // Replaces every item, in order.
    void setItems(std::vector<std::string> items);
};

} // namespace orv
