// Where "Export script" and "Export Python script" send the script: a file chosen through the
// prompts, the clipboard.
#pragma once

#include "uimodel/MelExport.h"

namespace orv {

class Prompts;

class ScriptExport final : public ExportTarget {
public:
    explicit ScriptExport(Prompts& prompts, ScriptLanguage language = ScriptLanguage::mel)
        : m_prompts(prompts), m_language(language)
    {
    }

    // "MEL Scripts (*.mel)" or "Python Scripts (*.py)"; a name without an extension gets
    // ".mel" or ".py".
    std::optional<std::string> chooseScriptPath() override;
    // A file that cannot be written is reported with the writer's reason.
    bool writeScriptFile(const std::string& path, const std::string& bytes, std::string& error) override;
    void copyToClipboard(const std::string& text) override;

private:
    Prompts& m_prompts;
    ScriptLanguage m_language;
};

} // namespace orv
