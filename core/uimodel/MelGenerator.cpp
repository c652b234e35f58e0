// Writing the element tree as MEL.
#include "uimodel/MelGenerator.h"

#include "mel/MelVocabulary.h"
#include "uimodel/ElementNames.h"
#include "uimodel/MelText.h"
#include "uimodel/ScriptWalk.h"

namespace orv {
namespace {

void trimTrailingWhiteSpace(std::string& out)
{
    const std::size_t end = out.find_last_not_of(" \t\r\n");
    out.erase(end == std::string::npos ? 0 : end + 1);
}

// One line per call, TAB-indented by depth: "command -flag value ...;".
class MelWriter final : public ScriptWriter {
public:
    explicit MelWriter(std::string& out) : m_out(out) {}

    void beginCall(const std::string& command, int depth) override
    {
        m_out.append(static_cast<std::size_t>(depth), '\t');
        m_out += command;
        m_out += ' ';
    }
    void addFlag(const TypedFlag& flag, const std::string& name, const std::string& value) override
    {
        if (flag.typeIndex == mel_type::kString) {
            addQuoted(name, value);
            return;
        }
        m_out += '-';
        m_out += name;
        m_out += ' ';
        m_out += value;
        m_out += ' ';
    }
    void addRepeatedText(const std::string& name, const std::vector<std::string>& items) override
    {
        for (const std::string& item : items)
            addQuoted(name, item);
    }
    void endCall(const std::string& name) override
    {
        trimTrailingWhiteSpace(m_out);
        if (!name.empty()) {
            m_out += ' ';
            m_out += name;
        }
        m_out += ";\n";
    }
    void closeContainer(int depth) override
    {
        m_out.append(static_cast<std::size_t>(depth), '\t');
        m_out += mel_export::kSetParent;
    }

private:
    void addQuoted(const std::string& name, const std::string& text)
    {
        m_out += '-';
        m_out += name;
        m_out += " \"";
        m_out += escapeMelString(text);
        m_out += "\" ";
    }

    std::string& m_out;
};

} // namespace

void GenerateElementMel(const CUIElement& element, std::string& out, int depth, bool shortFlags,
                        std::vector<std::string>* leftOut, bool writeNames)
{
    MelWriter writer(out);
    WalkElementScript(element, depth, {shortFlags, writeNames}, writer, leftOut);
}

std::string GenerateWindowScript(const CUIWindow& window, bool shortFlags, std::vector<std::string>* leftOut, bool writeNames)
{
    std::string script = std::string(mel_export::kBannerRule) + mel_export::kBannerTitle + mel_export::kBannerRule;
    const bool named = writeNames && isMelName(window.name());
    if (named)
        script += withName(mel_export::kDeleteOpenWindow, window.name());
    GenerateElementMel(window, script, 0, shortFlags, leftOut, writeNames);
    script += named ? withName(mel_export::kShowNamedWindow, window.name()) : mel_export::kShowWindow;
    return script;
}

} // namespace orv
