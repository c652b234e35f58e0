// The text-entry controls: text field, scroll field, int field and float field.
#pragma once

#include "uimodel/CUIElement.h"

namespace orv {

enum class TextEntryKind { text, integer, decimal };

struct TextEntryFlagPositions {
    TextEntryKind kind;
    int enable;
    int editable;
    int height;
    int visible;
    int width;
    int text;             // text kind: the text, insertion position and text to insert
    int insertPosition;
    int insertText;
    int value;            // number kinds: the value; decimal kind: its precision
    int precision;
};

class CUITextEntry : public CUIElement {
public:
    void ApplyFlags(const FlagValueTable& table) override;
    void StoreFlags(FlagValueTable& table) const override;

    // Set while the enable flag holds the false word.
    bool disabledByEnable() const { return m_disabledByEnable; }

    // Decimals of a float field whose precision reads as 0 or less.
    static constexpr int kDefaultPrecision = 4;
    // Most decimals written; keeps a hostile precision from making a huge text.
    static constexpr int kMaxPrecision = 64;

protected:
    CUITextEntry(CUIElement& parent, const char* command, const char* namePattern,
                 const TextEntryFlagPositions& positions);

protected:
    bool previewEnabled() const override;

private:
    void applyShownText();

    TextEntryFlagPositions m_positions;
    bool m_disabledByEnable = false;
    bool m_editable = true;
};

class CUITextField final : public CUITextEntry {
public:
    static constexpr TextEntryFlagPositions kPositions{TextEntryKind::text, 8, 9, 12, 20, 21, 18, 13, 14, -1, -1};
    explicit CUITextField(CUIElement& parent);
};

class CUIScrollField final : public CUITextEntry {
public:
    static constexpr TextEntryFlagPositions kPositions{TextEntryKind::text, 9, 10, 12, 21, 22, 19, 13, 14, -1, -1};
    explicit CUIScrollField(CUIElement& parent);
};

class CUIIntField final : public CUITextEntry {
public:
    static constexpr TextEntryFlagPositions kPositions{TextEntryKind::integer, 9, 10, 11, 20, 21, -1, -1, -1, 19, -1};
    explicit CUIIntField(CUIElement& parent);
};

class CUIFloatField final : public CUITextEntry {
public:
    static constexpr TextEntryFlagPositions kPositions{TextEntryKind::decimal, 9, 10, 11, 21, 22, -1, -1, -1, 20, 16};
    explicit CUIFloatField(CUIElement& parent);
};

} // namespace orv
