// The file goes through a temporary file, so a failed write keeps the old script.
#include "designer/ScriptExport.h"

#include "uimodel/TextFile.h"

#include <QFile>
#include <QFileDialog>

namespace orv {

namespace {

QString askForPath(QWidget* owner)
{
    QFileDialog dialog(owner);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("MEL Scripts (*.mel)"));
    dialog.setDefaultSuffix(QStringLiteral("mel"));
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().front()
                                                                                   : QString();
}

} // namespace

std::optional<std::string> ScriptExport::chooseScriptPath()
{
    const QString path = s_choosePath ? s_choosePath(m_owner) : askForPath(m_owner);
    if (path.isEmpty())
        return std::nullopt;
    return QFile::encodeName(path).toStdString();
}

bool ScriptExport::writeScriptFile(const std::string& path, const std::string& bytes)
{
    return writeFileReplacing(path, bytes);
}

void ScriptExport::copyToClipboard(const std::string& text)
{
    if (m_copy)
        m_copy(text);
}

} // namespace orv
