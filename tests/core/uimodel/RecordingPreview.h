// A preview port that records what it is told, a factory that makes them, and a view's
// preview tree of recording ports.
#pragma once

#include "uimodel/CUIElement.h"
#include "designer/PreviewPort.h"
#include "designer/PreviewTree.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace orv::test {

struct PreviewRecord {
    std::string text;
    bool enabled = false;
    bool visible = false;
    UIRect geometry;
    std::uint32_t styles = 0;
    std::vector<std::string> items;
    ColorRef backColor = 0;
    int geometryCalls = 0;
    const PreviewRecord* parent = nullptr;
    bool destroyed = false;
};

class RecordingPreview final : public PreviewPort {
public:
    explicit RecordingPreview(PreviewRecord& record) : m_record(record) {}
    ~RecordingPreview() override { m_record.destroyed = true; }
    void setText(const std::string& text) override { m_record.text = text; }
    void setEnabled(bool enabled) override { m_record.enabled = enabled; }
    void setVisible(bool visible) override { m_record.visible = visible; }
    void setGeometry(const UIRect& rect) override
    {
        m_record.geometry = rect;
        ++m_record.geometryCalls;
    }
    void setStyles(std::uint32_t styles) override { m_record.styles = styles; }
    void setListItems(const std::vector<std::string>& items) override { m_record.items = items; }
    void setBackColor(ColorRef color) override { m_record.backColor = color; }
    PreviewRecord& record() const { return m_record; }

private:
    PreviewRecord& m_record;
};

// Keeps every record by element name, so that tests can look at previews after the fact.
class RecordingFactory final : public PreviewFactory {
public:
    std::unique_ptr<PreviewPort> createPreview(const CUIElement& element, PreviewPort* parentPreview) override
    {
        auto& record = m_records[element.name() + "#" + std::to_string(m_made++)];
        record = std::make_unique<PreviewRecord>();
        if (parentPreview)
            record->parent = &static_cast<RecordingPreview*>(parentPreview)->record();
        return std::make_unique<RecordingPreview>(*record);
    }
    int made() const { return m_made; }

private:
    std::map<std::string, std::unique_ptr<PreviewRecord>> m_records;
    int m_made = 0;
};

// One view's recorded previews of a window, made for its whole tree and following it.
struct RecordedView {
    explicit RecordedView(CUIWindow& window) : tree(window, factory) {}
    PreviewRecord& record(const CUIElement& element) const
    {
        return static_cast<RecordingPreview&>(*tree.port(element)).record();
    }

    RecordingFactory factory;   // the records outlive the ports
    PreviewTree tree;
};

} // namespace orv::test
