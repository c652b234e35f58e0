// Where "Export script" and "Export Python script" send the script: a file chosen through the
// prompts, the clipboard.
#pragma once

#include "uimodel/MelExport.h"

#include <functional>

namespace orv {

class Prompts;

class ScriptExport final : public ExportTarget {
public:
    ScriptExport(Prompts& prompts, std::function<void(const std::string&)> copy,
                 ScriptLanguage language = ScriptLanguage::mel)
        : m_prompts(prompts), m_copy(std::move(copy)), m_language(language)
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
    std::function<void(const std::string&)> m_copy;
    ScriptLanguage m_language;
};

} // namespace orv
