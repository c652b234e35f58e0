// A page of the Settings dialog as a module gives it: its place among the pages, its title
// and picture, and its controls, bound to the settings form through the dialog's controls.
#pragma once

#include "framework/CommandIds.h"

#include <optional>

class QVBoxLayout;
class QWidget;

namespace orv {

class SettingsFormControls;

class SettingsPage {
public:
    virtual ~SettingsPage() = default;

    // Where the dialog lists the page: 0 "General", 1 "MEL Editor", 2 "UI Editor",
    // 3 "Icons Editor", 4 "Projects", 5 "MEL Export".
    virtual int position() const = 0;
    virtual const char* title() const = 0;
    // The document type whose picture heads the page; none: the Settings command's own.
    virtual std::optional<MenuId> picture() const = 0;
    // Adds the page's controls below its title row; the dialog closes the page with a stretch.
    virtual void fill(QWidget& page, QVBoxLayout& layout, SettingsFormControls& controls) = 0;
    // OK: writes back what the page keeps beside the settings record.
    virtual void accept() {}
};

// A page of a module whose options are not built yet: "UNDER CONSTRUCTION".
class UnderConstructionPage final : public SettingsPage {
public:
    UnderConstructionPage(int position, const char* title, MenuId picture)
        : m_position(position), m_title(title), m_picture(picture)
    {
    }

    int position() const override { return m_position; }
    const char* title() const override { return m_title; }
    std::optional<MenuId> picture() const override { return m_picture; }
    void fill(QWidget& page, QVBoxLayout& layout, SettingsFormControls& controls) override;

private:
    int m_position;
    const char* m_title;
    MenuId m_picture;
};

} // namespace orv
