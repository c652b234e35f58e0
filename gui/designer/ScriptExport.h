// Where "Export script" sends the script: a file chosen in the save dialog, the clipboard.
#pragma once

#include "uimodel/MelExport.h"

#include <QString>

#include <functional>

class QWidget;

namespace orv {

class ScriptExport final : public ExportTarget {
public:
    ScriptExport(QWidget* owner, std::function<void(const std::string&)> copy)
        : m_owner(owner), m_copy(std::move(copy))
    {
    }

    // "MEL Scripts (*.mel)", default extension "mel", asking before replacing a file.
    std::optional<std::string> chooseScriptPath() override;
    bool writeScriptFile(const std::string& path, const std::string& bytes) override;
    void copyToClipboard(const std::string& text) override;

    // The dialog that chooses the path; tests put their own answer in its place.
    static inline std::function<QString(QWidget* owner)> s_choosePath;

private:
    QWidget* m_owner;
    std::function<void(const std::string&)> m_copy;
};

} // namespace orv
