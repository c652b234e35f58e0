// The rows of a property grid: a category holding items, and one item class per way a
// value is shown and edited (a text, a choice out of a list, data edited in a dialog).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orv {

// The first entry of a choice row: the flag is not given.
inline constexpr const char* kDefaultChoice = "default";

// Kept in the item's kind byte; the grid picks the in-place editor from it.
enum class PropertyKind : std::uint8_t { none = 0, boolean = 1, text = 2, multi = 3, words = 4 };

class CPropertyItem {
public:
    CPropertyItem(std::string name, PropertyKind kind) : m_name(std::move(name)), m_kind(kind) {}
    virtual ~CPropertyItem() = default;
    CPropertyItem(const CPropertyItem&) = delete;
    CPropertyItem& operator=(const CPropertyItem&) = delete;

    const std::string& name() const { return m_name; }
    bool visible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }
    PropertyKind kind() const { return m_kind; }
    // Whether the user committed a value to this row since the set last loaded or took its
    // values: only such rows write back (the others keep what they were given, spelt so).
    bool edited() const { return m_edited; }
    void setEdited(bool edited) { m_edited = edited; }
    virtual bool isCategory() const { return false; }
    // What the value cell shows when the row is not being edited.
    virtual std::string valueText() const { return {}; }

private:
    std::string m_name;
    bool m_visible = true;
    bool m_edited = false;
    PropertyKind m_kind;
};

class CPropertyItemCategory final : public CPropertyItem {
public:
    explicit CPropertyItemCategory(std::string name) : CPropertyItem(std::move(name), PropertyKind::none) {}
    bool isCategory() const override { return true; }
    const std::vector<std::unique_ptr<CPropertyItem>>& items() const { return m_items; }
    CPropertyItem& add(std::unique_ptr<CPropertyItem> item);
    int visibleItemCount() const;
    bool expanded() const { return m_expanded; }
    void setExpanded(bool expanded) { m_expanded = expanded; }

private:
    std::vector<std::unique_ptr<CPropertyItem>> m_items;
    bool m_expanded = false;
};

// A value typed as text.
class CPropertyItemString final : public CPropertyItem {
public:
    explicit CPropertyItemString(std::string name) : CPropertyItem(std::move(name), PropertyKind::text) {}
    std::string valueText() const override { return m_value; }
    const std::string& value() const { return m_value; }
    void setValue(std::string value) { m_value = std::move(value); }

private:
    std::string m_value;
};

// A value chosen out of a list of texts; entry 0 stands for "not given" and shows nothing.
class CPropertyItemList : public CPropertyItem {
public:
    using CPropertyItem::CPropertyItem;
    std::string valueText() const override;
    // The text of entry i, or none past the last.
    virtual std::optional<std::string> choice(int index) const = 0;
    int choiceCount() const;
    int value() const { return m_value; }
    // An index outside the choices is not taken.
    void setValue(int index);

private:
    int m_value = 0;
};

// "default", then the true and the false word of the boolean style.
class CPropertyItemBool final : public CPropertyItemList {
public:
    static constexpr int kDefault = 0;
    static constexpr int kTrue = 1;
    static constexpr int kFalse = 2;

    CPropertyItemBool(std::string name, const std::array<std::string, 3>& choices)
        : CPropertyItemList(std::move(name), PropertyKind::boolean), m_choices(choices)
    {
    }
    std::optional<std::string> choice(int index) const override;

private:
    std::array<std::string, 3> m_choices;
};

// "default", then the words the flag takes (a separator's styles).
class CPropertyItemWords final : public CPropertyItemList {
public:
    CPropertyItemWords(std::string name, std::vector<std::string> words)
        : CPropertyItemList(std::move(name), PropertyKind::words), m_words(std::move(words))
    {
    }
    std::optional<std::string> choice(int index) const override;
    // The entry of a word, 0 ("default") for an empty or unknown one.
    int entryOf(const std::string& word) const;

private:
    std::vector<std::string> m_words;
};

// Data edited in a dialog of its own, not in the cell.
class CPropertyItemMulti final : public CPropertyItem {
public:
    explicit CPropertyItemMulti(std::string name) : CPropertyItem(std::move(name), PropertyKind::multi) {}
    std::string valueText() const override { return m_value; }
    const std::string& value() const { return m_value; }
    void setValue(std::string value) { m_value = std::move(value); }

private:
    std::string m_value;
};

} // namespace orv
