// Writing and reading window files.
#include "uimodel/WindowFile.h"

#include "uimodel/CUITextScrollList.h"
#include "uimodel/ElementFactory.h"
#include "uimodel/FlagText.h"

#include <string_view>
#include <utility>

namespace orv {
namespace {

using Lines = std::vector<std::string>;
using FlagLines = std::vector<std::pair<int, std::string>>;

std::size_t leadingTabs(const std::string& line)
{
    std::size_t t = 0;
    while (t < line.size() && line[t] == '\t')
        ++t;
    return t;
}

std::string_view afterTabs(const std::string& line)
{
    return std::string_view(line).substr(leadingTabs(line));
}

bool isTagAt(const std::string& line, std::size_t tabs)
{
    return tabs < line.size() && line[tabs] == '[';
}

// "<pos>\t<value>": the value ends at the next TAB; a line without TAB is all position.
// Positions outside the table are dropped.
void parseFlagLine(std::string_view text, FlagLines& flags)
{
    const std::size_t tab = text.find('\t');
    const int position = readFlagInt(std::string(text.substr(0, tab)));
    if (position < 0 || position >= kFlagTableSize)
        return;
    std::string value;
    if (tab != std::string_view::npos) {
        const std::string_view rest = text.substr(tab + 1);
        value = std::string(rest.substr(0, rest.find('\t')));
    }
    flags.emplace_back(position, std::move(value));
}

FlagValueTable tableOf(const FlagLines& flags)
{
    FlagValueTable table;
    for (const auto& [position, value] : flags)
        table[position] = value;
    return table;
}

// A line break inside a name, an item or a value would end its line early and let the
// rest be read as lines of their own (even as elements): it is written as a blank.
std::string oneLine(std::string text)
{
    for (char& c : text)
        if (c == '\r' || c == '\n')
            c = ' ';
    return text;
}

void writeElement(const CUIElement& element, std::size_t depth, std::string& out)
{
    const std::string prefix(depth, '\t');
    out += prefix + "[" + element.command() + "]" + wnd_file::kLineEnd;
    out += prefix + oneLine(element.name()) + wnd_file::kLineEnd;
    if (element.command() == "textScrollList")
        for (const auto& item : element.listItems())
            out += prefix + wnd_file::kItemPrefix + oneLine(item) + wnd_file::kLineEnd;
    out += prefix + (element.stateFlag() ? "1" : "0") + wnd_file::kLineEnd;
    FlagValueTable scratch;
    element.StoreFlags(scratch);
    for (int p = 0; p < kFlagTableSize; ++p)
        if (!scratch[p].empty())
            out += prefix + formatFlagInt(p) + "\t" + oneLine(scratch[p]) + wnd_file::kLineEnd;
    for (const auto& child : element.children())
        writeElement(*child, depth + 1, out);
}

// Arranging after every element of a file costs a pass over the whole tree each time. While
// it is deferred, the reader keeps exact only what the next element's construction reads,
// as arranging after every element would have left it: the sizes of the elements read so
// far and the places of the layouts on the way from the window to the new element's parent.
// The window's layout arranges the whole tree once as it takes its flags: places depend
// only on sizes and flags, so the result is the same.
class DeferredArrangement {
public:
    DeferredArrangement(UIModelContext& context, bool defer) : m_context(context), m_active(defer)
    {
        m_context.setArrangementDeferred(m_active);
    }
    ~DeferredArrangement() { end(); }
    DeferredArrangement(const DeferredArrangement&) = delete;
    DeferredArrangement& operator=(const DeferredArrangement&) = delete;

    void end()
    {
        m_active = false;
        m_context.setArrangementDeferred(false);
    }

    // A layout's extent from its children's sizes (it also places them), after they changed.
    void sizeFromChildren(CUIElement& element) const
    {
        if (m_active && element.isArranging())
            element.arrangeBeforeParent();
    }

    // Each layout from parent up to the window takes its extent, bottom up (a layout's
    // extent needs its newest child's); then each is placed across, top down. Only the
    // newest children change between two calls, and only they are visited.
    void arrangeWayTo(CUIElement& parent) const
    {
        if (!m_active)
            return;
        std::vector<CUIElement*> way;
        for (CUIElement* element = &parent; element->isArranging(); element = element->parent())
            way.push_back(element);
        for (CUIElement* element : way)
            element->arrangeNewestBeforeParent();
        for (auto it = way.rbegin(); it != way.rend(); ++it)
            (*it)->arrangeNewestAfterParent();
    }

private:
    UIModelContext& m_context;
    bool m_active;
};

class Reader {
public:
    Reader(const Lines& lines, PreviewFactory* previews, DeferredArrangement& deferral)
        : m_lines(lines), m_previews(previews), m_deferral(deferral)
    {
    }

    // The blocks at depth under parent from the tag line at index: one element with its
    // children, then its following siblings. Each element takes its flags once everything
    // after it at its depth is read, the last sibling first. index ends on the last line
    // consumed. False when an unknown tag was met.
    bool readRun(std::size_t& index, CUIElement& parent, std::size_t depth)
    {
        struct Pending {
            CUIElement* element;
            FlagLines flags;
        };
        std::vector<Pending> pending;
        bool ok = true;
        bool siblingFollows = true;
        while (siblingFollows) {
            Pending read{nullptr, {}};
            siblingFollows = false;
            ok = readBlock(index, parent, depth, read.element, read.flags, siblingFollows) && ok;
            if (read.element)
                pending.push_back(std::move(read));
        }
        // The window's layout takes its flags with arranging on, which arranges the tree.
        if (depth == 1)
            m_deferral.end();
        for (auto it = pending.rbegin(); it != pending.rend(); ++it) {
            it->element->ApplyFlags(tableOf(it->flags));
            m_deferral.sizeFromChildren(*it->element);
        }
        m_deferral.sizeFromChildren(parent);
        return ok;
    }

private:
    bool hasLine(std::size_t index) const { return index < m_lines.size(); }
    bool isEnd(std::size_t index) const { return m_lines[index] == wnd_file::kEnd; }

    // Walks the lines after index that belong to a block at depth: a deeper tag goes to
    // onChild (which reads on from it), any other line at depth or deeper to onFlag. Stops
    // before a shallower line, at "[EUI]", or on a tag at depth: a following sibling, which
    // sets siblingFollows.
    template <class OnChild, class OnFlag>
    void walkBlock(std::size_t& index, std::size_t depth, bool& siblingFollows, OnChild onChild, OnFlag onFlag)
    {
        while (hasLine(index + 1) && !isEnd(index)) {
            const std::string& next = m_lines[index + 1];
            const std::size_t t = leadingTabs(next);
            if (t < depth)
                return;
            ++index;
            if (!isTagAt(next, t)) {
                onFlag(next);
            } else if (t == depth) {
                siblingFollows = true;
                return;
            } else {
                onChild();
            }
        }
    }

    void skipBlockLines(std::size_t& index, std::size_t depth, bool& siblingFollows)
    {
        walkBlock(index, depth, siblingFollows, [] {}, [](const std::string&) {});
    }

    bool readBlock(std::size_t& index, CUIElement& parent, std::size_t depth, CUIElement*& made, FlagLines& flags,
                   bool& siblingFollows)
    {
        const std::string_view tag = afterTabs(m_lines[index]);
        std::string_view command;
        if (tag.size() > 2 && tag.front() == '[' && tag.back() == ']')
            command = tag.substr(1, tag.size() - 2);
        const bool known = tag == wnd_file::kRadioButtonTag || isElementCommand(command);
        if (!known || tag == wnd_file::kRadioButtonTag || m_count >= kMaxElementsPerFile) {
            skipBlockLines(index, depth, siblingFollows);
            return known && m_count < kMaxElementsPerFile;
        }
        // The name, the items of a list and the state line must all be there.
        const std::size_t nameIndex = index + 1;
        std::size_t lastItem = nameIndex;
        const bool isList = command == "textScrollList";
        while (isList && hasLine(lastItem + 1) && afterTabs(m_lines[lastItem + 1]).starts_with('{'))
            ++lastItem;
        const std::size_t stateIndex = lastItem + 1;
        if (!hasLine(stateIndex)) {
            index = m_lines.size() - 1;
            return true;
        }
        m_deferral.arrangeWayTo(parent);
        std::unique_ptr<CUIElement> element = createElement(command, parent);
        element->setName(std::string(afterTabs(m_lines[nameIndex])));
        if (m_previews)
            element->attachPreview(m_previews->createPreview(*element, parent.preview()));
        if (isList) {
            auto& list = static_cast<CUITextScrollList&>(*element);
            for (std::size_t i = nameIndex + 1; i <= lastItem; ++i) {
                const std::string_view line = afterTabs(m_lines[i]);
                const std::size_t close = line.find('}');
                list.addItem(std::string(close == std::string_view::npos ? std::string_view() : line.substr(close + 1)));
            }
        }
        CUIElement* raw = element.get();
        index = stateIndex;
        if (!parent.AddChild(std::move(element))) {
            skipBlockLines(index, depth, siblingFollows);
            return true;
        }
        ++m_count;
        made = raw;
        raw->setStateFlag(afterTabs(m_lines[stateIndex]).starts_with('1'));
        bool ok = true;
        walkBlock(
            index, depth, siblingFollows, [&] { ok = readRun(index, *raw, depth + 1) && ok; },
            [&](const std::string& line) { parseFlagLine(afterTabs(line), flags); });
        m_deferral.sizeFromChildren(*raw);
        return ok;
    }

    const Lines& m_lines;
    PreviewFactory* m_previews;
    DeferredArrangement& m_deferral;
    std::size_t m_count = 0;
};

constexpr std::size_t kWindowTagLine = 2;
constexpr std::size_t kWindowNameLine = 3;
constexpr std::size_t kWindowStateLine = 4;
constexpr std::size_t kWindowFlagsLine = 5;

} // namespace

std::vector<std::string> splitWindowFileLines(const std::string& bytes)
{
    Lines lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        const std::size_t next = end == std::string::npos ? bytes.size() : end + 1;
        if (end == std::string::npos)
            end = bytes.size();
        else if (end > start && bytes[end - 1] == '\r')
            --end;
        std::size_t piece = start;
        do {
            const std::size_t length = std::min(wnd_file::kReadBufferLength, end - piece);
            lines.push_back(bytes.substr(piece, length));
            piece += length;
        } while (piece < end);
        start = next;
    }
    return lines;
}

std::string WriteWindowFile(const CUIWindow& window)
{
    std::string out = std::string(wnd_file::kHeader) + wnd_file::kLineEnd + wnd_file::kWindowSection + wnd_file::kLineEnd;
    writeElement(window, 0, out);
    out += std::string(wnd_file::kEnd) + wnd_file::kLineEnd;
    return out;
}

bool ReadWindowFile(const std::string& bytes, CUIWindow& window, OutputLog& log, PreviewFactory* previews,
                    WindowReading reading)
{
    // Every line the program writes ends with CR LF: a last line without its line end was
    // cut off, and a cut value must not be taken for a whole one.
    std::size_t whole = bytes.size();
    if (!bytes.ends_with('\n') && !bytes.ends_with(std::string("\n") + wnd_file::kEnd)) {
        const std::size_t lastEnd = bytes.rfind('\n');
        whole = lastEnd == std::string::npos ? 0 : lastEnd + 1;
    }
    const Lines lines = splitWindowFileLines(bytes.substr(0, whole));
    if (lines.size() <= kWindowStateLine || lines[kWindowTagLine] != wnd_file::kWindowTag)
        return false;
    window.setName(lines[kWindowNameLine]);
    window.setStateFlag(lines[kWindowStateLine].starts_with('1'));
    FlagLines windowFlags;
    std::size_t index = kWindowFlagsLine;
    for (; index + 1 < lines.size(); ++index) {
        if (lines[index] == wnd_file::kEnd || lines[index].starts_with('\t'))
            break;
        parseFlagLine(lines[index], windowFlags);
    }
    if (previews && !window.preview())
        window.attachPreview(previews->createPreview(window, nullptr));
    if (index + 1 < lines.size() && lines[index].starts_with('\t')) {
        // Deferring holds for a window that is not arranged yet: no layout, nothing fitted.
        const bool defer =
            reading == WindowReading::arrangeOnce && window.children().empty() && !window.fitToChildren();
        DeferredArrangement deferral(window.context(), defer);
        Reader reader(lines, previews, deferral);
        if (!reader.readRun(index, window, 1))
            log.AppendText(wnd_file::kLoadError);
    }
    window.ApplyFlags(tableOf(windowFlags));
    return true;
}

} // namespace orv
