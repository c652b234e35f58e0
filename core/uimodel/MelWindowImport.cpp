// The MEL window import: statements to an element tree, written as a window file and read back.
#include "uimodel/MelWindowImport.h"

#include "mel/CommandDatabase.h"
#include "mel/MelVocabulary.h"
#include "melparse/MelStatementReader.h"
#include "text/TextEncoding.h"
#include "uimodel/ElementFactory.h"
#include "uimodel/ElementNames.h"
#include "uimodel/FlagText.h"
#include "uimodel/MelText.h"
#include "log/OutputLog.h"
#include "uimodel/WindowDocument.h"
#include "uimodel/WindowFile.h"

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <unordered_map>

namespace orv {
namespace {

// One flag of a command's record: where the window file keeps its value and how many
// items it takes (0: a flag without value; kAnyItems: all up to the next flag, at least one).
constexpr int kAnyItems = -1;

struct FlagEntry {
    std::string shortName;
    std::string longName;
    int position = -1;
    int typeIndex = mel_type::kNone;
    int items = 0;
    bool multiUse = false;
};

int itemCount(std::string_view typeText, bool& multiUse)
{
    int count = 0;
    multiUse = false;
    std::size_t at = 0;
    while (at < typeText.size()) {
        const std::size_t end = std::min(typeText.find(' ', at), typeText.size());
        const std::string_view word = typeText.substr(at, end - at);
        if (word == "(multi-use)")
            multiUse = true;
        else if (word.ends_with("[...]"))
            return kAnyItems;
        else if (!word.empty())
            ++count;
        at = end + 1;
    }
    // A type of no item words ("(multi-use)") is written as texts, as many as given.
    return count == 0 ? kAnyItems : count;
}

// The flags of each command met, typed ones numbered as the window file numbers them.
class FlagRecords {
public:
    const FlagEntry* find(const std::string& command, std::string_view name)
    {
        auto it = m_commands.find(command);
        if (it == m_commands.end())
            it = m_commands.emplace(command, load(command)).first;
        for (const FlagEntry& entry : it->second)
            if (entry.longName == name || entry.shortName == name)
                return &entry;
        return nullptr;
    }

private:
    static std::vector<FlagEntry> load(const std::string& command)
    {
        std::vector<FlagEntry> entries;
        const int index = FindMelCommand(command.c_str());
        if (index < 0)
            return entries;
        const CommandFlagRecord& record = GetCommandFlagRecord(index);
        int position = 0;
        for (int j = 0; j < record.pairCount; ++j) {
            const FlagPair& pair = record.pairs[static_cast<std::size_t>(j)];
            if (pair.flagIndex < 0 || pair.flagIndex >= kMelFlagCount)
                continue;
            FlagEntry entry;
            SplitMelFlag(kMelFlags[pair.flagIndex], &entry.shortName, &entry.longName);
            if (pair.typeIndex != mel_type::kNone && pair.typeIndex >= 0 && pair.typeIndex < kMelFlagTypeCount) {
                entry.position = position++;
                entry.typeIndex = pair.typeIndex;
                entry.items = itemCount(kMelFlagTypes[pair.typeIndex], entry.multiUse);
            }
            entries.push_back(std::move(entry));
        }
        return entries;
    }

    std::map<std::string, std::vector<FlagEntry>, std::less<>> m_commands;
};

// One element to be: kept ones have a probe in a scratch tree (the model's word on whether
// the parent takes it, and its default name); skipped containers keep only their place, so
// that what the script puts in them is skipped too.
struct Node {
    std::string command;
    std::string name;
    bool kept = false;
    bool container = false;
    Node* parent = nullptr;
    int depth = 0;
    CUIElement* probe = nullptr;
    std::vector<std::string> items;
    std::map<int, std::string> flags;
    // Where each stored value's flag is written, to say so when the model drops it.
    std::map<int, std::pair<MelSourceSpan, std::string>> flagPlaces;
    bool state = true;
    bool named = false;  // the script gave the name
    std::vector<Node*> children;
};

// Arranging is off while the scratch tree grows, and back as it was after.
class ArrangementPause {
public:
    explicit ArrangementPause(UIModelContext& context)
        : m_context(context), m_was(context.arrangementDeferred())
    {
        m_context.setArrangementDeferred(true);
    }
    ~ArrangementPause() { m_context.setArrangementDeferred(m_was); }
    ArrangementPause(const ArrangementPause&) = delete;
    ArrangementPause& operator=(const ArrangementPause&) = delete;

private:
    UIModelContext& m_context;
    bool m_was;
};

// Every MEL layout command's name ends so; the model's layouts are among them.
bool isLayoutCommand(std::string_view command) { return command.ends_with("Layout"); }

bool isQuery(const MelStatement& st)
{
    return HasMelFlag(st, "query", "q") || HasMelFlag(st, "exists", "ex");
}
bool isEdit(const MelStatement& st) { return HasMelFlag(st, "edit", "e"); }

// The element's name argument: a last word or string that no flag takes. Found by the
// argument reading below; this only tells whether a statement names its window so.
std::string lastName(const MelStatement& st)
{
    if (st.arguments.empty())
        return {};
    const MelArgument& last = st.arguments.back();
    if (last.kind != MelArgumentKind::word && last.kind != MelArgumentKind::string)
        return {};
    if (st.arguments.size() >= 2 && st.arguments[st.arguments.size() - 2].kind == MelArgumentKind::flag)
        return {};  // more likely the flag's value; the full reading decides
    return last.text;
}

// A path's last part: setParent "win|column1" goes to column1.
std::string leafName(const std::string& path)
{
    const std::size_t bar = path.rfind('|');
    return bar == std::string::npos ? path : path.substr(bar + 1);
}

const char* describeValue(MelArgumentKind kind)
{
    switch (kind) {
    case MelArgumentKind::variable: return "a variable";
    case MelArgumentKind::expression: return "an expression";
    case MelArgumentKind::backquote: return "a command's result";
    default: return "not a plain value";
    }
}

bool isPlainValue(MelArgumentKind kind)
{
    return kind == MelArgumentKind::string || kind == MelArgumentKind::number || kind == MelArgumentKind::word;
}

// Whether the model keeps a value as given, spelt otherwise or not: item by item, the same
// text, the same number (2 and 2.0000) or the same boolean (0 and off).
bool sameValue(const std::string& given, const std::string& kept)
{
    std::istringstream a(given);
    std::istringstream b(kept);
    std::string x;
    std::string y;
    while (true) {
        const bool moreA = static_cast<bool>(a >> x);
        const bool moreB = static_cast<bool>(b >> y);
        if (!moreA || !moreB)
            return moreA == moreB;
        if (x == y)
            continue;
        char* endX = nullptr;
        char* endY = nullptr;
        const double numberX = std::strtod(x.c_str(), &endX);
        const double numberY = std::strtod(y.c_str(), &endY);
        const bool numbers = *endX == '\0' && *endY == '\0';
        const std::optional<bool> booleanX = readBooleanWord(x);
        if (!(numbers && numberX == numberY) && !(booleanX && booleanX == readBooleanWord(y)))
            return false;
    }
}

// How many of the arguments from first on, at most wanted, come before the next flag.
std::size_t valuesBeforeFlag(const std::vector<MelArgument>& args, std::size_t first, std::size_t wanted)
{
    std::size_t count = 0;
    while (count < wanted && first + count < args.size() && args[first + count].kind != MelArgumentKind::flag)
        ++count;
    return count;
}

class Importer {
public:
    Importer(std::string_view script, CUIWindow& window)
        : m_script(script), m_encoding(DetectTextEncoding(script)), m_window(window),
          m_probeContext(window.context().settings())
    {
    }

    MelWindowImport run(std::string_view windowName)
    {
        const std::optional<MelSourceSpan> windowWord = readWindowTree(windowName);
        if (!windowWord) {
            m_result.problem = windowName.empty() ? "the script makes no window"
                                                  : "the script makes no window named \"" + std::string(windowName) + "\"";
            sortWarnings();
            return std::move(m_result);
        }
        takeColumnWidths(m_nodes.front());
        const std::string file = windowFile();
        // The scratch tree has said what it had to; the window's own tree replaces it.
        m_probeWindow.reset();
        OutputLog log;
        const WindowFileRead loaded = ReadWindowFile(file, m_window, log);
        if (!loaded.problem.empty())
            warn(*windowWord, "the window file left out a part: " + loaded.problem);
        m_result.built = loaded.windowFile;
        // Compared as the designer shows the window, its sizes as they will be seen, on a copy:
        // the window itself stays what its file reads as.
        if (m_result.built) {
            CUIWindow arranged(m_probeContext);
            OutputLog scratch;
            ReadWindowFile(file, arranged, scratch);
            arrangeWindowForDisplay(arranged);
            reportChangedValues(m_nodes.front(), arranged);
        } else
            m_result.problem = "the window could not be built";
        sortWarnings();
        return std::move(m_result);
    }

private:
    // Reads the script's statements and builds the tree of the window it makes; where the
    // window's command stands, or nothing without such a window. The statements go before
    // the window's elements are made, which hold what they need.
    std::optional<MelSourceSpan> readWindowTree(std::string_view windowName)
    {
        const MelScript read = ReadMelStatements(m_script);
        for (const MelLexicalProblem& problem : read.problems)
            warn(problem.span, problem.text);
        const int start = findWindow(read, windowName);
        if (start < 0)
            return std::nullopt;
        buildTree(read, start);
        return read.statements[static_cast<std::size_t>(start)].wordSpan;
    }

    void warn(const MelSourceSpan& span, std::string text)
    {
        MelDiagnostic d;
        d.line = span.line;
        d.column = span.column;
        d.length = static_cast<int>(std::max<std::size_t>(1, std::min<std::size_t>(span.length, 1u << 20)));
        d.severity = MelSeverity::warning;
        // The texts quote the script: in UTF-8 like everything the import gives.
        d.text = m_encoding == TextEncoding::windows1252 ? Windows1252ToUtf8(text) : std::move(text);
        m_result.warnings.push_back(std::move(d));
    }
    void sortWarnings()
    {
        std::stable_sort(m_result.warnings.begin(), m_result.warnings.end(),
                         [](const MelDiagnostic& a, const MelDiagnostic& b) {
                             return a.line != b.line ? a.line < b.line : a.column < b.column;
                         });
    }

    static bool inCondition(const MelScript& read, const MelStatement& st)
    {
        return st.enclosing >= 0
               && read.statements[static_cast<std::size_t>(st.enclosing)].kind == MelStatementKind::control;
    }
    static bool makesWindow(const MelScript& read, const MelStatement& st)
    {
        return st.kind == MelStatementKind::command && st.word == "window" && !isQuery(st) && !isEdit(st)
               && !inCondition(read, st);
    }

    int findWindow(const MelScript& read, std::string_view windowName)
    {
        for (std::size_t i = 0; i < read.statements.size(); ++i) {
            const MelStatement& st = read.statements[i];
            if (makesWindow(read, st) && (windowName.empty() || leafName(lastName(st)) == windowName))
                return static_cast<int>(i);
        }
        return -1;
    }

    void buildTree(const MelScript& read, int start)
    {
        const MelStatement& windowStatement = read.statements[static_cast<std::size_t>(start)];
        Node& root = m_nodes.emplace_back();
        root.command = "window";
        root.kept = true;
        root.container = true;
        root.name = m_window.name();
        root.state = m_window.stateFlag();
        readArguments(windowStatement, root);
        labelFromName(root);
        writeWindowSizeAsTheModelReadsIt(root);
        if (!root.name.empty())
            m_containers[root.name] = &root;
        m_current = &root;

        ArrangementPause pause(m_probeContext);
        m_probeWindow = std::make_unique<CUIWindow>(m_probeContext);
        root.probe = m_probeWindow.get();
        // A window made in a proc ends with the proc's body; one made outside any proc goes on
        // past the procs defined after it, whose bodies do not run there.
        std::size_t end = read.statements.size();
        if (windowStatement.proc >= 0) {
            const MelProc& proc = read.procs[static_cast<std::size_t>(windowStatement.proc)];
            end = static_cast<std::size_t>(proc.firstStatement + proc.statementCount);
        }
        for (std::size_t i = static_cast<std::size_t>(start) + 1; i < end; ++i) {
            const MelStatement& st = read.statements[i];
            if (st.proc != windowStatement.proc)
                continue;
            if (makesWindow(read, st))
                break;
            if (st.kind == MelStatementKind::command && st.word == "showWindow")
                break;
            statement(read, st, windowStatement.conditions);
        }
    }

    void statement(const MelScript& read, const MelStatement& st, int windowConditions)
    {
        if (st.kind == MelStatementKind::call) {
            warn(st.wordSpan, "call of \"" + st.word + "\" skipped: it makes no element here");
            return;
        }
        if (st.kind != MelStatementKind::command || inCondition(read, st) || isQuery(st))
            return;
        if (st.word == "setParent") {
            setParent(st);
            return;
        }
        if (isEdit(st)) {
            warn(st.wordSpan, "edit of an existing element skipped");
            return;
        }
        const bool element = isElementCommand(st.word);
        const bool container = isLayoutCommand(st.word);
        if (!m_current->kept) {
            // Inside a skipped container: skipped with it, already reported.
            if (container)
                enter(st.word, false);
            return;
        }
        if (!element) {
            warn(st.wordSpan, container ? st.word + " makes no element of the window model: skipped with what it holds"
                                        : st.word + " makes no element of the window model: skipped");
            if (container)
                enter(st.word, false);
            return;
        }
        // A window made under a condition (if the window does not exist yet) builds what that
        // body makes; a loop or condition inside it makes its elements any number of times.
        if (st.conditions > windowConditions) {
            warn(st.wordSpan, st.word + " runs only under a condition or in a loop: skipped"
                                  + (container ? " with what it holds" : ""));
            if (container)
                enter(st.word, false);
            return;
        }
        addElement(st);
    }

    // A skipped container: what the script puts in it until it leaves it is skipped too.
    void enter(const std::string& command, bool kept)
    {
        Node& node = m_nodes.emplace_back();
        node.command = command;
        node.kept = kept;
        node.container = true;
        node.parent = m_current;
        node.depth = m_current->depth + 1;
        m_current = &node;
    }

    void addElement(const MelStatement& st)
    {
        const bool container = isLayoutCommand(st.word);
        const std::string where = m_current->command + " \"" + m_current->name + "\"";
        if (m_current->depth + 1 > kMaxElementDepth) {
            warn(st.wordSpan, st.word + " nested deeper than " + std::to_string(kMaxElementDepth)
                                  + " levels: skipped" + (container ? " with what it holds" : ""));
        } else if (m_keptCount >= kMaxElementsPerFile) {
            if (!m_reportedTooMany)
                warn(st.wordSpan, "more than " + std::to_string(kMaxElementsPerFile)
                                      + " elements: this one and the rest are skipped");
            m_reportedTooMany = true;
        } else {
            std::unique_ptr<CUIElement> probe = createElement(st.word, *m_current->probe);
            CUIElement* raw = probe.get();
            if (m_current->probe->AddChild(std::move(probe))) {
                Node& node = m_nodes.emplace_back();
                node.command = st.word;
                node.kept = true;
                node.container = raw->IsContainer();
                node.parent = m_current;
                node.depth = m_current->depth + 1;
                node.probe = raw;
                node.name = raw->name();
                node.state = raw->stateFlag();
                readArguments(st, node);
                keepDefaultSize(node, *raw);
                labelFromName(node);
                m_current->children.push_back(&node);
                ++m_keptCount;
                if (node.container) {
                    m_containers[node.name] = &node;
                    m_current = &node;
                }
                return;
            }
            warn(st.wordSpan, where + " does not take this " + st.word + ": skipped"
                                  + (container ? " with what it holds" : ""));
        }
        if (container)
            enter(st.word, false);
    }

    void setParent(const MelStatement& st)
    {
        if (HasMelFlag(st, "menu", "m"))
            return;
        if (HasMelFlag(st, "upLevel", "u")) {
            up(st);
            return;
        }
        if (HasMelFlag(st, "topLevel", "top")) {
            m_current = &m_nodes.front();
            return;
        }
        const MelArgument* target = nullptr;
        for (const MelArgument& a : st.arguments)
            if (a.kind != MelArgumentKind::flag)
                target = &a;
        if (!target)
            return;
        if (!isPlainValue(target->kind)) {
            warn(target->span, std::string("setParent to ") + describeValue(target->kind) + ": the parent stays");
            return;
        }
        if (target->text == "..") {
            up(st);
            return;
        }
        const auto it = m_containers.find(leafName(target->text));
        if (it == m_containers.end()) {
            warn(target->span, "no layout named \"" + target->text + "\" was made: the parent stays");
            return;
        }
        m_current = it->second;
    }
    void up(const MelStatement& st)
    {
        if (m_current->parent)
            m_current = m_current->parent;
        else
            warn(st.wordSpan, "setParent .. above the window: the parent stays");
    }

    // Flags, their values, list items and the name from a statement's arguments.
    void readArguments(const MelStatement& st, Node& node)
    {
        const auto& args = st.arguments;
        std::set<int> seen;  // the places given so far
        for (std::size_t i = 0; i < args.size(); ++i) {
            const MelArgument& a = args[i];
            if (a.kind != MelArgumentKind::flag) {
                if (i + 1 == args.size() && isPlainValue(a.kind) && a.kind != MelArgumentKind::number) {
                    setName(node, a);
                } else if (i + 1 == args.size() && !isPlainValue(a.kind)) {
                    warn(a.span, std::string("the name is ") + describeValue(a.kind)
                                     + ": the element keeps a name of its own");
                } else {
                    warn(a.span, "extra argument skipped");
                }
                continue;
            }
            const std::string flagName = a.text.substr(1);
            if (node.command == "textScrollList" && (flagName == "append" || flagName == "a")) {
                if (i + 1 < args.size() && args[i + 1].kind != MelArgumentKind::flag) {
                    const MelArgument& item = args[++i];
                    if (isPlainValue(item.kind))
                        node.items.push_back(fitted(item.text, item.span, "a list item"));
                    else
                        warn(item.span, std::string("the list item is ") + describeValue(item.kind) + ": skipped");
                } else {
                    warn(a.span, a.text + " lacks its item: skipped");
                }
                continue;
            }
            const FlagEntry* entry = m_flags.find(node.command, flagName);
            if (!entry) {
                // How many values it takes is unknown: all up to the next flag go with it, so
                // that none of them is taken for the name.
                const std::size_t values = valuesBeforeFlag(args, i + 1, args.size());
                i += values;
                warn(a.span, a.text + " is not a flag of " + node.command + ": skipped"
                                 + (values == 0 ? "" : values == 1 ? " with its value" : " with its values"));
                continue;
            }
            const std::size_t first = i + 1;
            const std::size_t wanted = entry->items == kAnyItems ? args.size() : static_cast<std::size_t>(entry->items);
            const std::size_t count = valuesBeforeFlag(args, first, wanted);
            i += count;
            if (entry->items == 0 || entry->position < 0 || entry->position >= kFlagTableSize) {
                warn(a.span, a.text + " is not kept by the window model: skipped");
                continue;
            }
            if (count == 0 || (entry->items != kAnyItems && count < wanted)) {
                warn(a.span, a.text + " lacks its value: skipped");
                continue;
            }
            const MelArgument* computed = nullptr;
            for (std::size_t k = first; k < first + count && !computed; ++k)
                if (!isPlainValue(args[k].kind))
                    computed = &args[k];
            if (computed) {
                warn(computed->span, "the value of " + a.text + " is " + describeValue(computed->kind) + ": flag skipped");
                continue;
            }
            // A multi-use flag given again adds its value to the ones before, as the export
            // writes them back one use each; any other flag given again replaces its value.
            std::string value = valueText(args, first, count, entry->typeIndex);
            if (!seen.insert(entry->position).second && entry->multiUse)
                value = node.flags[entry->position] + " " + value;
            node.flags[entry->position] = fitted(value, args[first].span, "the value of " + a.text);
            node.flagPlaces[entry->position] = {a.span, a.text};
        }
    }

    int position(const std::string& command, std::string_view longName)
    {
        const FlagEntry* entry = m_flags.find(command, longName);
        return entry && entry->position >= 0 && entry->position < kFlagTableSize ? entry->position : -1;
    }

    // The model reads a size it is not given as 0: an element the script does not size keeps
    // the size a new element of its kind has.
    void keepDefaultSize(Node& node, const CUIElement& probe)
    {
        FlagValueTable defaults;
        probe.StoreFlags(defaults);
        for (const char* flag : {"width", "height"}) {
            const int at = position(node.command, flag);
            if (at >= 0 && !node.flags.contains(at) && !defaults[at].empty())
                node.flags[at] = defaults[at];
        }
    }

    // A window's size is kept either as -widthHeight or as -width and -height, as the
    // settings say, and the other form is dropped: a script's other form is moved to the one
    // kept (MEL gives both the same meaning). The place flags are kept in both forms.
    void writeWindowSizeAsTheModelReadsIt(Node& root)
    {
        const bool pairs = m_window.context().settings().useWidthHeight();
        moveWindowPair(root, "widthHeight", "width", "height", pairs);
    }
    void moveWindowPair(Node& root, const char* pairFlag, const char* firstFlag, const char* secondFlag, bool toPair)
    {
        const int pair = position("window", pairFlag);
        const int first = position("window", firstFlag);
        const int second = position("window", secondFlag);
        if (pair < 0 || first < 0 || second < 0)
            return;
        if (toPair && (root.flags.contains(first) || root.flags.contains(second)) && !root.flags.contains(pair)) {
            root.flags[pair] = (root.flags.contains(first) ? root.flags[first] : "0") + " "
                               + (root.flags.contains(second) ? root.flags[second] : "0");
            root.flagPlaces[pair] = root.flagPlaces.contains(first) ? root.flagPlaces[first] : root.flagPlaces[second];
        } else if (!toPair && root.flags.contains(pair) && !root.flags.contains(first) && !root.flags.contains(second)) {
            const auto [firstText, secondText] = splitAtFirstBlank(root.flags[pair]);
            root.flags[first] = firstText;
            root.flags[second] = secondText;
            root.flagPlaces[first] = root.flagPlaces[second] = root.flagPlaces[pair];
        } else {
            return;
        }
        root.flags.erase(toPair ? first : pair);
        if (toPair)
            root.flags.erase(second);
    }

    // Maya labels a button, check box, text or frame made without -label with its name, and
    // titles a window made without -title so.
    void labelFromName(Node& node)
    {
        const bool labelled = node.command == "button" || node.command == "checkBox" || node.command == "text" ||
                              node.command == "frameLayout";
        const char* flag = node.command == "window" ? "title" : labelled ? "label" : nullptr;
        const int at = flag ? position(node.command, flag) : -1;
        if (node.named && at >= 0 && !node.flags.contains(at))
            node.flags[at] = node.name;
    }

    // The columns of a layout size the children that the script does not size itself: a
    // row layout's column widths (-columnWidth2 100 200, -columnWidth 1 100) and a column
    // layout's -columnWidth, which is what the model keeps of them.
    void takeColumnWidths(Node& node)
    {
        std::map<std::size_t, std::string> widths;  // by column, from 1
        if (node.command == "rowLayout") {
            for (int columns = 1; columns <= static_cast<int>(kRowLayoutMaxChildren); ++columns) {
                const int at = position("rowLayout", "columnWidth" + std::to_string(columns));
                if (at >= 0 && node.flags.contains(at)) {
                    const std::vector<std::string_view> items = flagUses(node.flags[at], "Int (multi-use)");
                    for (std::size_t i = 0; i < items.size(); ++i)
                        widths[i + 1] = std::string(items[i]);
                }
            }
            const int pairs = position("rowLayout", "columnWidth");
            if (pairs >= 0 && node.flags.contains(pairs))
                for (const std::string_view use : flagUses(node.flags[pairs], "Int Int (multi-use)")) {
                    const auto [column, width] = splitAtFirstBlank(std::string(use));
                    widths[static_cast<std::size_t>(std::max(readFlagInt(column), 0))] = width;
                }
        } else if (node.command == "columnLayout") {
            const int at = position("columnLayout", "columnWidth");
            const int adjustable = position("columnLayout", "adjustableColumn");
            const bool stretched = adjustable >= 0 && node.flags.contains(adjustable) &&
                                   readBooleanWord(node.flags[adjustable]).value_or(false);
            if (at >= 0 && node.flags.contains(at) && !stretched)
                for (std::size_t column = 1; column <= node.children.size(); ++column)
                    widths[column] = node.flags[at];
        }
        for (std::size_t i = 0; i < node.children.size(); ++i) {
            Node& child = *node.children[i];
            const int width = position(child.command, "width");
            if (width >= 0 && !child.flagPlaces.contains(width) && widths.contains(i + 1) && !widths[i + 1].empty())
                child.flags[width] = widths[i + 1];
            takeColumnWidths(child);
        }
    }

    // A value the model did not keep (a flag it rewrites from other ones), or one it keeps
    // otherwise (a size the layout arranges), is reported at its flag.
    void reportChangedValues(const Node& node, const CUIElement& element)
    {
        FlagValueTable kept;
        element.StoreFlags(kept);
        for (const auto& [at, place] : node.flagPlaces) {
            const auto given = node.flags.find(at);
            if (given == node.flags.end() || given->second.empty())
                continue;
            if (kept[at].empty())
                warn(place.first, place.second + " is not kept by the window model: skipped");
            else if (!sameValue(given->second, kept[at]))
                warn(place.first, place.second + " " + given->second + " became " +
                                      kept[at].substr(0, kept[at].find_last_not_of(' ') + 1) + " in the window model");
        }
        const auto& children = element.children();
        for (std::size_t i = 0; i < node.children.size() && i < children.size(); ++i)
            reportChangedValues(*node.children[i], *children[i]);
    }

    void setName(Node& node, const MelArgument& a)
    {
        if (!isMelName(a.text)) {
            warn(a.span, "the name is not an element name (letters, digits and underscores, not starting with a "
                         "digit): the element keeps a name of its own");
            return;
        }
        node.name = fitted(a.text, a.span, "the name");
        node.named = true;
        if (node.container && !node.name.empty())
            m_containers[node.name] = &node;
    }

    // A "String" value is its text; any other is the items as written, with the blanks
    // between them when those are plain spaces.
    std::string valueText(const std::vector<MelArgument>& args, std::size_t first, std::size_t count, int typeIndex) const
    {
        if (count == 1 && typeIndex == mel_type::kString)
            return args[first].text;
        std::string value;
        for (std::size_t k = first; k < first + count; ++k) {
            const MelSourceSpan& span = args[k].span;
            if (k > first) {
                const MelSourceSpan& previous = args[k - 1].span;
                const std::size_t gapStart = previous.offset + previous.length;
                const std::string_view gap = m_script.substr(gapStart, span.offset - gapStart);
                value += gap.find_first_not_of(' ') == std::string_view::npos && !gap.empty() ? std::string(gap) : " ";
            }
            value += m_script.substr(span.offset, span.length);
        }
        return value;
    }

    // A text on one window file line, in UTF-8 as the model keeps it: line breaks and TABs
    // become blanks, and it holds at most wnd_file::kMaxValueBytes.
    std::string fitted(std::string text, const MelSourceSpan& span, const std::string& what)
    {
        if (m_encoding == TextEncoding::windows1252)
            text = Windows1252ToUtf8(text);
        if (blankWindowFileSeparators(text))
            warn(span, what + " holds line breaks or TABs: written as blanks");
        if (text.size() > wnd_file::kMaxValueBytes) {
            text.resize(Utf8CutLength(text, wnd_file::kMaxValueBytes));
            warn(span, what + " is longer than a window file line holds: cut to " + std::to_string(text.size()) + " bytes");
        }
        return text;
    }

    std::string windowFile() const
    {
        const std::string end = wnd_file::kLineEnd;
        std::string out = std::string(wnd_file::kHeader) + end + wnd_file::kWindowSection + end;
        writeNode(m_nodes.front(), out);
        out += std::string(wnd_file::kEnd) + end;
        return out;
    }
    static void writeNode(const Node& node, std::string& out)
    {
        const std::string end = wnd_file::kLineEnd;
        const std::string prefix(static_cast<std::size_t>(node.depth), '\t');
        out += prefix + "[" + node.command + "]" + end;
        out += prefix + node.name + end;
        for (const std::string& item : node.items)
            out += prefix + wnd_file::kItemPrefix + item + end;
        out += prefix + (node.state ? "1" : "0") + end;
        for (const auto& [position, value] : node.flags)
            if (!value.empty())
                out += prefix + formatFlagInt(position) + "\t" + value + end;
        for (const Node* child : node.children)
            writeNode(*child, out);
    }

    std::string_view m_script;
    // A script that is not UTF-8 was written in Windows-1252: its texts are converted as
    // they are taken, so that every place in the report is a place in the script's bytes.
    TextEncoding m_encoding;
    CUIWindow& m_window;
    MelWindowImport m_result;
    FlagRecords m_flags;
    std::deque<Node> m_nodes;
    std::unordered_map<std::string, Node*> m_containers;
    Node* m_current = nullptr;
    // The probes take their default names from counters of their own: the document's counters
    // are for the elements read back, whose default labels come from them.
    UIModelContext m_probeContext;
    std::unique_ptr<CUIWindow> m_probeWindow;
    std::size_t m_keptCount = 0;
    bool m_reportedTooMany = false;
};

} // namespace

MelWindowImport ImportMelWindow(std::string_view script, CUIWindow& window, std::string_view windowName)
{
    return Importer(script, window).run(windowName);
}

} // namespace orv
