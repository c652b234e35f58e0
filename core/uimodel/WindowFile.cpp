// Writing and reading window files.
#include "uimodel/WindowFile.h"

#include "text/TextEncoding.h"
#include "uimodel/CUITextScrollList.h"
#include "uimodel/ElementFactory.h"
#include "uimodel/ElementNames.h"
#include "uimodel/FlagText.h"

#include <cstdio>
#include <deque>
#include <map>
#include <string_view>
#include <utility>

namespace orv {
namespace {

// The flag values read for one element by position; a position given again replaces its
// value, so that a file repeating one flag line costs no more memory than one line.
using FlagLines = std::map<int, std::string>;

// The lines of a file as the reader sees them, split one at a time as they are first asked
// for. The reader tells which lines it is done with and those are dropped: memory holds the
// few lines around the reader's place, not the whole file split up.
class WindowFileLines {
public:
    explicit WindowFileLines(std::string_view bytes) : m_rest(bytes) {}

    bool has(std::size_t index)
    {
        while (index >= m_first + m_lines.size())
            if (!splitNext())
                return false;
        return index >= m_first;
    }
    // A line that has(index) found and that was not dropped yet.
    const std::string& at(std::size_t index) const { return m_lines[index - m_first]; }
    // The lines before index are never asked for again.
    void dropBefore(std::size_t index)
    {
        while (m_first < index && !m_lines.empty()) {
            m_lines.pop_front();
            ++m_first;
        }
    }
    // The index of the last line, once has() found the end of the file.
    std::size_t lastIndex() const { return m_first + m_lines.size() - 1; }
    // Whether a line split so far was longer than the reader takes.
    bool cutLongLine() const { return m_cutLongLine; }

private:
    // The next line, whole up to kMaxLineBytes after its TABs and cut there, between two
    // characters, beyond.
    bool splitNext()
    {
        if (m_rest.empty())
            return false;
        const std::size_t lf = m_rest.find('\n');
        std::string_view line = m_rest.substr(0, lf);
        m_rest.remove_prefix(lf == std::string_view::npos ? m_rest.size() : lf + 1);
        if (lf != std::string_view::npos && line.ends_with('\r'))
            line.remove_suffix(1);
        const std::size_t tabs = std::min(line.find_first_not_of('\t'), line.size());
        const std::string_view text = line.substr(tabs);
        if (text.size() > wnd_file::kMaxLineBytes) {
            line = line.substr(0, tabs + Utf8CutLength(text, wnd_file::kMaxLineBytes));
            m_cutLongLine = true;
        }
        m_lines.emplace_back(line);
        return true;
    }

    std::string_view m_rest;
    std::deque<std::string> m_lines;
    std::size_t m_first = 0;
    bool m_cutLongLine = false;
};

// A problem's text with its one number.
std::string formatProblem(const char* pattern, std::size_t number)
{
    char text[96];
    std::snprintf(text, sizeof text, pattern, number);
    return text;
}

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
    flags[position] = std::move(value);
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
    for (const auto& [p, value] : scratch)
        if (p >= 0 && p < kFlagTableSize && !value.empty())
            out += prefix + formatFlagInt(p) + "\t" + oneLine(value) + wnd_file::kLineEnd;
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
    // freshNamesWhereTaken: an element whose name another element of the window has keeps
    // the default name it was made with.
    Reader(WindowFileLines& lines, DeferredArrangement& deferral, bool freshNamesWhereTaken = false)
        : m_lines(lines), m_deferral(deferral), m_freshNamesWhereTaken(freshNamesWhereTaken)
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

    // The one block one TAB deep at the first line, under parent; what follows it is left
    // unread. Null when nothing was linked.
    CUIElement* readFirstBlock(CUIElement& parent)
    {
        std::size_t index = 0;
        CUIElement* made = nullptr;
        FlagLines flags;
        bool siblingFollows = false;
        readBlock(index, parent, 1, made, flags, siblingFollows);
        if (made)
            made->ApplyFlags(tableOf(flags));
        return made;
    }

    // Why parts of the file were left out, in the order met.
    const std::vector<std::string>& problems() const { return m_problems; }

private:
    bool hasLine(std::size_t index) { return m_lines.has(index); }
    bool isEnd(std::size_t index) const { return m_lines.at(index) == wnd_file::kEnd; }

    // One reason of each kind is kept: the first unknown tag stands for all of them.
    void leaveOut(std::string reason, std::string_view kind)
    {
        for (const std::string& problem : m_problems)
            if (problem.starts_with(kind))
                return;
        m_problems.push_back(std::move(reason));
    }

    // Walks the lines after index that belong to a block at depth: a deeper tag goes to
    // onChild (which reads on from it), any other line at depth or deeper to onFlag. Stops
    // before a shallower line, at "[EUI]", or on a tag at depth: a following sibling, which
    // sets siblingFollows.
    template <class OnChild, class OnFlag>
    void walkBlock(std::size_t& index, std::size_t depth, bool& siblingFollows, OnChild onChild, OnFlag onFlag)
    {
        while (hasLine(index + 1) && !isEnd(index)) {
            const std::string& next = m_lines.at(index + 1);
            const std::size_t t = leadingTabs(next);
            if (t < depth)
                return;
            ++index;
            m_lines.dropBefore(index);
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
        m_lines.dropBefore(index);
        const std::string_view tag = afterTabs(m_lines.at(index));
        std::string_view command;
        if (tag.size() > 2 && tag.front() == '[' && tag.back() == ']')
            command = tag.substr(1, tag.size() - 2);
        const bool known = tag == wnd_file::kRadioButtonTag || isElementCommand(command);
        const bool deeper = depth > static_cast<std::size_t>(kMaxElementDepth);
        if (!known)
            leaveOut(std::string(wnd_file::kUnknownTag).append("\"").append(tag).append("\""), wnd_file::kUnknownTag);
        else if (deeper)
            leaveOut(tooDeep(), tooDeep());
        else if (m_count >= kMaxElementsPerFile && tag != wnd_file::kRadioButtonTag)
            leaveOut(tooManyElements(), tooManyElements());
        if (!known || deeper || tag == wnd_file::kRadioButtonTag || m_count >= kMaxElementsPerFile) {
            skipBlockLines(index, depth, siblingFollows);
            return known;
        }
        // The name, the items of a list and the state line must all be there.
        const std::size_t nameIndex = index + 1;
        std::size_t lastItem = nameIndex;
        const bool isList = command == "textScrollList";
        while (isList && hasLine(lastItem + 1) && afterTabs(m_lines.at(lastItem + 1)).starts_with('{'))
            ++lastItem;
        const std::size_t stateIndex = lastItem + 1;
        if (!hasLine(stateIndex)) {
            leaveOut(wnd_file::kCutBlock, wnd_file::kCutBlock);
            index = m_lines.lastIndex();
            return true;
        }
        m_deferral.arrangeWayTo(parent);
        std::unique_ptr<CUIElement> element = createElement(command, parent);
        std::string name(afterTabs(m_lines.at(nameIndex)));
        if (!m_freshNamesWhereTaken || elementNameRefusal(*element, name).empty())
            element->setName(std::move(name));
        if (isList) {
            auto& list = static_cast<CUITextScrollList&>(*element);
            for (std::size_t i = nameIndex + 1; i <= lastItem; ++i) {
                const std::string_view line = afterTabs(m_lines.at(i));
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
        raw->setStateFlag(afterTabs(m_lines.at(stateIndex)).starts_with('1'));
        bool ok = true;
        walkBlock(
            index, depth, siblingFollows, [&] { ok = readRun(index, *raw, depth + 1) && ok; },
            [&](const std::string& line) { parseFlagLine(afterTabs(line), flags); });
        m_deferral.sizeFromChildren(*raw);
        return ok;
    }

    static std::string tooManyElements() { return formatProblem(wnd_file::kTooManyElements, kMaxElementsPerFile); }
    static std::string tooDeep() { return formatProblem(wnd_file::kTooDeep, static_cast<std::size_t>(kMaxElementDepth)); }

    WindowFileLines& m_lines;
    DeferredArrangement& m_deferral;
    bool m_freshNamesWhereTaken;
    std::size_t m_count = 0;
    std::vector<std::string> m_problems;
};

constexpr std::size_t kWindowTagLine = 2;
constexpr std::size_t kWindowNameLine = 3;
constexpr std::size_t kWindowStateLine = 4;
constexpr std::size_t kWindowFlagsLine = 5;

} // namespace

bool blankWindowFileSeparators(std::string& text)
{
    bool blanked = false;
    for (char& c : text) {
        if (c == '\r' || c == '\n' || c == '\t') {
            c = ' ';
            blanked = true;
        }
    }
    return blanked;
}

std::vector<std::string> splitWindowFileLines(std::string_view bytes)
{
    WindowFileLines source(bytes);
    std::vector<std::string> lines;
    for (std::size_t i = 0; source.has(i); ++i) {
        lines.push_back(source.at(i));
        source.dropBefore(i + 1);
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

WindowFileRead ReadWindowFile(std::string_view bytes, CUIWindow& window, OutputLog& log, WindowReading reading)
{
    // The program writes UTF-8; a file that is not UTF-8 was written in Windows-1252.
    std::string converted;
    if (DetectTextEncoding(bytes) == TextEncoding::windows1252) {
        converted = Windows1252ToUtf8(bytes);
        bytes = converted;
    }
    // Every line the program writes ends with CR LF: a last line without its line end was
    // cut off, and a cut value must not be taken for a whole one.
    std::string_view whole = bytes;
    std::vector<std::string> problems;
    if (!bytes.ends_with('\n') && !bytes.ends_with(std::string("\n") + wnd_file::kEnd)) {
        const std::size_t lastEnd = bytes.rfind('\n');
        whole = bytes.substr(0, lastEnd == std::string_view::npos ? 0 : lastEnd + 1);
        problems.emplace_back(wnd_file::kCutLine);
    }
    WindowFileLines lines(whole);
    if (!lines.has(kWindowStateLine) || lines.at(kWindowTagLine) != wnd_file::kWindowTag)
        return {};
    window.setName(lines.at(kWindowNameLine));
    window.setStateFlag(lines.at(kWindowStateLine).starts_with('1'));
    FlagLines windowFlags;
    std::size_t index = kWindowFlagsLine;
    for (; lines.has(index + 1); ++index) {
        lines.dropBefore(index);
        if (lines.at(index) == wnd_file::kEnd || lines.at(index).starts_with('\t'))
            break;
        parseFlagLine(lines.at(index), windowFlags);
    }
    if (lines.has(index + 1) && lines.at(index).starts_with('\t')) {
        // Deferring holds for a window that is not arranged yet: no layout, nothing fitted.
        const bool defer =
            reading == WindowReading::arrangeOnce && window.children().empty() && !window.fitToChildren();
        DeferredArrangement deferral(window.context(), defer);
        Reader reader(lines, deferral);
        if (!reader.readRun(index, window, 1))
            log.AppendText(wnd_file::kLoadError);
        problems.insert(problems.end(), reader.problems().begin(), reader.problems().end());
    }
    window.ApplyFlags(tableOf(windowFlags));

    // The tree ends on its last line or on the line before "[EUI]".
    const bool ended = (lines.has(index) && lines.at(index) == wnd_file::kEnd) ||
                       (lines.has(index + 1) && lines.at(index + 1) == wnd_file::kEnd);
    if (problems.empty() && !ended)
        problems.emplace_back(wnd_file::kNoEnd);
    if (lines.cutLongLine())
        problems.push_back(formatProblem(wnd_file::kLongLine, wnd_file::kMaxLineBytes));
    WindowFileRead read{true, {}};
    for (const std::string& problem : problems) {
        if (!problem.starts_with(wnd_file::kUnknownTag))
            log.AppendText(std::string(wnd_file::kLoadErrorBecause).append(problem).append("\n"));
        read.problem.append(read.problem.empty() ? "" : "; ").append(problem);
    }
    return read;
}

std::string WriteElementBlock(const CUIElement& element)
{
    std::string out;
    writeElement(element, 1, out);
    return out;
}

CUIElement* ReadElementBlock(std::string_view text, CUIElement& parent, BlockNames names)
{
    // Whatever comes before the first block (the header and window lines of a whole window
    // file, for one) is passed over.
    while (!text.starts_with("\t[")) {
        const std::size_t at = text.find("\n\t[");
        if (at == std::string_view::npos)
            return nullptr;
        text.remove_prefix(at + 1);
    }
    WindowFileLines lines(text);
    if (!lines.has(0) || !isTagAt(lines.at(0), 1))
        return nullptr;
    DeferredArrangement deferral(parent.context(), false);
    Reader reader(lines, deferral, names == BlockNames::freshWhereTaken);
    return reader.readFirstBlock(parent);
}

} // namespace orv
