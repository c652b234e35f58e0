// The clipboard belongs to the running application object; without one nothing is copied.
#include "app/CopyTextToClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace orv {

bool CopyTextToClipboard(const std::string& text)
{
    QClipboard* clipboard = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
        ? QGuiApplication::clipboard()
        : nullptr;
    if (!clipboard)
        return false;
    clipboard->setText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    return true;
}

} // namespace orv
