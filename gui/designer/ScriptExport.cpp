// The file goes through the safe writer, so a failed write keeps the old script.
#include "designer/ScriptExport.h"

#include "files/SafeFileWriter.h"
#include "framework/ByteText.h"
#include "framework/CopyTextToClipboard.h"
#include "framework/Prompts.h"
#include "uimodel/UIModelConstants.h"

#include <QFileInfo>

namespace orv {

namespace {
constexpr const char* kMelFilter = "MEL Scripts (*.mel)";
constexpr const char* kMelExtension = ".mel";
constexpr const char* kPythonFilter = "Python Scripts (*.py)";
constexpr const char* kPythonExtension = ".py";
} // namespace

std::optional<std::string> ScriptExport::chooseScriptPath()
{
    const bool python = m_language == ScriptLanguage::python;
    QString path = m_prompts.chooseFileToSave(QString(), QString(), QString::fromLatin1(python ? kPythonFilter : kMelFilter));
    if (path.isEmpty())
        return std::nullopt;
    if (QFileInfo(path).suffix().isEmpty())
        path += QString::fromLatin1(python ? kPythonExtension : kMelExtension);
    return pathToBytes(path);
}

bool ScriptExport::writeScriptFile(const std::string& path, const std::string& bytes, std::string& error)
{
    if (writeWholeFile(path, bytes, error))
        return true;
    // The words the log gives, without their line end; the reason names the path as the file
    // system spells it.
    m_prompts.showError(
        QString::fromLatin1(mel_export::kNotSaved).replace(QStringLiteral("%s"), pathFromBytes(error)).trimmed());
    return false;
}

void ScriptExport::copyToClipboard(const std::string& text)
{
    CopyTextToClipboard(text);
}

} // namespace orv
