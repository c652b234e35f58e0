// Writing the element tree as Python.
#include "uimodel/PythonGenerator.h"

#include "mel/MelVocabulary.h"
#include "uimodel/ElementNames.h"
#include "uimodel/MelText.h"
#include "uimodel/PythonText.h"
#include "uimodel/ScriptFlags.h"
#include "uimodel/ScriptWalk.h"

#include <algorithm>

namespace orv {
namespace {

// One keyword argument: one value, or a list of them for a flag given once per item.
struct Argument {
    std::string name;
    std::vector<std::string> values;
    bool list = false;
};

class PythonWriter final : public ScriptWriter {
public:
    explicit PythonWriter(std::string& out) : m_out(out) {}

    void beginCall(const std::string& command, int) override
    {
        m_command = command;
        m_arguments.clear();
    }
    void addFlag(const TypedFlag& flag, const std::string& name, const std::string& value) override
    {
        Argument& a = argument(name);
        // A multi-use flag is a list of its uses, also when it is given once.
        a.list = a.list || isMultiUseType(flag.typeText);
        // maya.cmds runs a text callback as Python; the MEL it holds goes to MEL.
        if (flag.typeIndex == mel_type::kString && isScriptFlag(m_command, flag.longName)) {
            a.values.push_back(python_export::kMelCallbackStart + pythonStringLiteral(value) +
                               python_export::kMelCallbackEnd);
            m_usesMel = true;
            return;
        }
        a.values.push_back(pythonFlagValue(flag, value));
    }
    void addRepeatedText(const std::string& name, const std::vector<std::string>& items) override
    {
        Argument& a = argument(name);
        a.list = true;
        for (const std::string& item : items)
            a.values.push_back(pythonStringLiteral(item));
    }
    void endCall(const std::string& name) override
    {
        m_out += "cmds.";
        m_out += m_command;
        m_out += '(';
        bool first = name.empty();
        if (!first)
            m_out += pythonStringLiteral(name);
        for (const Argument& a : m_arguments) {
            if (!first)
                m_out += ", ";
            first = false;
            // A reserved word such as "in" (the window's short -iconName) cannot stand as a
            // keyword argument; the same argument goes through a dictionary.
            const bool plain = isPythonKeywordArgument(a.name);
            m_out += plain ? a.name + '=' : "**{" + pythonStringLiteral(a.name) + ": ";
            appendValue(a);
            if (!plain)
                m_out += '}';
        }
        m_out += ")\n";
    }
    void closeContainer(int) override { m_out += python_export::kSetParent; }
    bool usesMel() const { return m_usesMel; }

private:
    // A flag met twice in one call (a list's own -append value beside its items) is one
    // argument with a list of values: Python refuses a repeated keyword.
    Argument& argument(const std::string& name)
    {
        auto it = std::find_if(m_arguments.begin(), m_arguments.end(), [&](const Argument& a) { return a.name == name; });
        if (it != m_arguments.end()) {
            it->list = true;
            return *it;
        }
        return m_arguments.emplace_back(Argument{name, {}, false});
    }
    void appendValue(const Argument& a)
    {
        if (!a.list) {
            m_out += a.values.front();
            return;
        }
        m_out += '[';
        for (std::size_t i = 0; i < a.values.size(); ++i) {
            if (i > 0)
                m_out += ", ";
            m_out += a.values[i];
        }
        m_out += ']';
    }

    std::string& m_out;
    std::string m_command;
    std::vector<Argument> m_arguments;
    bool m_usesMel = false;
};

} // namespace

std::string GenerateWindowPython(const CUIWindow& window, bool shortFlags, std::vector<std::string>* leftOut, bool writeNames)
{
    std::string calls;
    PythonWriter writer(calls);
    WalkElementScript(window, 0, {shortFlags, writeNames}, writer, leftOut);
    std::string script = std::string(python_export::kBannerRule) + python_export::kBannerTitle +
                         python_export::kBannerRule + python_export::kImport;
    if (writer.usesMel())
        script += python_export::kImportMel;
    script += "\n";
    const bool named = writeNames && isMelName(window.name());
    const std::string name = pythonStringLiteral(window.name());
    if (named)
        script += withName(python_export::kDeleteOpenWindow, name);
    script += calls;
    script += named ? withName(python_export::kShowNamedWindow, name) : python_export::kShowWindow;
    return script;
}

} // namespace orv
