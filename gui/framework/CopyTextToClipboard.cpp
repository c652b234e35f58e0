// The clipboard belongs to the running application object; without one nothing is copied.
#include "framework/CopyTextToClipboard.h"

#include "framework/ByteText.h"

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
    clipboard->setText(textFromUtf8(text));
    return true;
}

} // namespace orv
