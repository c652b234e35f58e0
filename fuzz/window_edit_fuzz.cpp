// The designer's edits in any order: the bytes spell inserts, deletes, moves, drops, renames,
// flag edits and resizes of elements picked by index. After each edit the tree keeps its
// rules (links, room, layouts only under the window), an edit that reports success did what
// it says, and the designed window reads back as the same tree, settles in one reading and
// exports.
#include "designer/InsertCommands.h"
#include "designer/WindowDesigner.h"
#include "mel/CommandDatabase.h"
#include "uimodel/CUIWindow.h"
#include "uimodel/ElementNames.h"
#include "uimodel/MelGenerator.h"
#include "uimodel/PythonGenerator.h"
#include "uimodel/WindowFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void check(bool condition, int line = __builtin_LINE())
{
    if (!condition) {
        std::fprintf(stderr, "check failed at line %d\n", line);
        std::abort();
    }
}

void loadDatabase()
{
    static const bool loaded = orv::LoadMelDatabases(ORVANTE_INSTALL_DIR).records == orv::LoadResult::ok;
    check(loaded);
}

// Every element in tree order, the window first.
void collect(orv::CUIElement& element, std::vector<orv::CUIElement*>& out)
{
    out.push_back(&element);
    for (const auto& child : element.children())
        collect(*child, out);
}

void checkTree(const orv::CUIElement& element)
{
    check(element.childCount() <= element.maxChildren());
    check(element.childCount() == 0 || element.IsContainer());
    const orv::UIRect& r = element.rect();
    check(r.right >= r.left && r.bottom >= r.top);
    check(element.depth() <= orv::kMaxElementDepth);
    for (const auto& child : element.children()) {
        check(child->parent() == &element);
        check(!element.childrenMustBeLayouts() || child->IsLayout());
        checkTree(*child);
    }
}

bool isWithin(const orv::CUIElement* element, const orv::CUIElement& ancestor)
{
    for (; element; element = element->parent())
        if (element == &ancestor)
            return true;
    return false;
}

class Bytes {
public:
    explicit Bytes(std::string_view bytes) : m_bytes(bytes) {}
    bool more() const { return m_at < m_bytes.size(); }
    unsigned next() { return more() ? static_cast<unsigned char>(m_bytes[m_at++]) : 0; }
    // A text of up to 31 bytes, any bytes.
    std::string text()
    {
        const std::size_t wanted = next() % 32;
        const std::size_t length = std::min(wanted, m_bytes.size() - m_at);
        std::string out(m_bytes.substr(m_at, length));
        m_at += length;
        return out;
    }

private:
    std::string_view m_bytes;
    std::size_t m_at = 0;
};

// The same elements, by command and name, in the same tree.
bool sameShape(const orv::CUIElement& a, const orv::CUIElement& b)
{
    if (a.command() != b.command() || a.name() != b.name() || a.childCount() != b.childCount())
        return false;
    for (std::size_t i = 0; i < a.children().size(); ++i)
        if (!sameShape(*a.children()[i], *b.children()[i]))
            return false;
    return true;
}

orv::WindowFileRead load(const std::string& file, orv::CUIWindow& window)
{
    orv::OutputLog log;
    return orv::ReadWindowFile(file, window, log);
}

// The designed window reads back as the same tree. Reading may settle what the designer left
// as it was (an int field's empty value reads as 0, a new layout takes the window's client
// area), but what was read once saves and reads to the very same bytes.
void checkSavesAndLoads(orv::CUIWindow& window, orv::UIModelContext& context)
{
    const std::string saved = orv::WriteWindowFile(window);
    orv::CUIWindow loaded(context);
    const orv::WindowFileRead read = load(saved, loaded);
    check(read && read.problem.empty());
    check(sameShape(window, loaded));
    const std::string settled = orv::WriteWindowFile(loaded);
    orv::CUIWindow again(context);
    check(static_cast<bool>(load(settled, again)));
    const std::string resaved = orv::WriteWindowFile(again);
    if (resaved != settled) {
        std::fprintf(stderr, "read once:\n");
        std::fwrite(settled.data(), 1, settled.size(), stderr);
        std::fprintf(stderr, "\nread twice:\n");
        std::fwrite(resaved.data(), 1, resaved.size(), stderr);
        check(false);
    }
    orv::GenerateWindowScript(window, false);
    orv::GenerateWindowPython(window, true);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    loadDatabase();
    Bytes bytes(std::string_view(reinterpret_cast<const char*>(data), size));
    orv::SettingsRecord settings;
    orv::UIModelContext context(settings);
    orv::CUIWindow window(context);
    orv::WindowDesigner designer(window);
    int changes = 0;
    designer.setChangedHandler([&changes] { ++changes; });
    orv::CUIElement* selected = &window;
    for (int step = 0; step < 400 && bytes.more(); ++step) {
        std::vector<orv::CUIElement*> elements;
        collect(window, elements);
        const auto pick = [&] { return elements[bytes.next() % elements.size()]; };
        const int changesBefore = changes;
        switch (bytes.next() % 10) {
        case 0:
            selected = pick();
            break;
        case 1:
        case 2: {
            const int command = orv::kFirstInsertCommand +
                                static_cast<int>(bytes.next() % (orv::kLastInsertCommand - orv::kFirstInsertCommand + 1));
            orv::CUIElement* target = orv::WindowDesigner::insertTarget(*selected);
            const std::uint32_t before = target ? target->childCount() : 0;
            if (orv::CUIElement* made = designer.insert(command, *selected)) {
                check(made->parent() == target && target->childCount() == before + 1);
                check(target->children().back().get() == made && changes == changesBefore + 1);
                selected = made;
            } else {
                check(!target || target->childCount() == before);
            }
            break;
        }
        case 3: {
            orv::CUIElement* next = designer.remove(*selected);
            check((next == nullptr) == (selected == &window));
            if (next)
                selected = next;
            break;
        }
        case 4: {
            orv::CUIElement* parent = selected->parent();
            const bool moved = designer.move(*selected, bytes.next() % 2 == 0 ? orv::WindowDesigner::MoveDirection::up
                                                                               : orv::WindowDesigner::MoveDirection::down);
            check(selected->parent() == parent && (moved || changes == changesBefore));
            break;
        }
        case 5: {
            orv::CUIElement* target = pick();
            const bool allowed = orv::WindowDesigner::canDrop(*selected, *target);
            orv::CUIElement* container = target->IsContainer() ? target : target->parent();
            check(designer.drop(*selected, *target) == allowed);
            if (allowed)
                check(selected->parent() == container && !isWithin(container, *selected));
            break;
        }
        case 6: {
            orv::FlagValueTable table = selected->flags();
            const int flags = 1 + static_cast<int>(bytes.next() % 4);
            for (int f = 0; f < flags; ++f)
                table[static_cast<int>(bytes.next() % orv::kFlagTableSize)] = bytes.text();
            designer.applyFlags(*selected, table);
            break;
        }
        case 7: {
            const std::string name = bytes.text();
            const std::string old = selected->name();
            const bool taken = !name.empty() && name != old && orv::elementNameRefusal(*selected, name).empty();
            check(designer.rename(*selected, name) == taken);
            check(selected->name() == (taken ? name : old));
            break;
        }
        case 8: {
            const int width = static_cast<int>(bytes.next() * 8);
            const int height = static_cast<int>(bytes.next() * 8);
            designer.resize(*selected, {width, height});
            break;
        }
        default: {
            const orv::UIRect client = window.clientArea();
            const orv::UIPoint at{static_cast<int>(bytes.next() * 4) - 16, static_cast<int>(bytes.next() * 4) - 16};
            if (orv::CUIElement* found = orv::WindowDesigner::elementAt(window, at)) {
                check(isWithin(found, window));
                check(at.x >= 0 && at.y >= 0 && at.x < client.width() && at.y < client.height());
            }
            break;
        }
        }
        checkTree(window);
        check(isWithin(selected, window));
    }
    checkSavesAndLoads(window, context);
    return 0;
}
