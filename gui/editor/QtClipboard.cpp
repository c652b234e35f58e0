// The clipboard through QClipboard.
#include "editor/QtClipboard.h"

#include "framework/ByteText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace orv {

bool QtClipboard::hasText() const
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

std::string QtClipboard::text() const
{
    return textToUtf8(QGuiApplication::clipboard()->text());
}

void QtClipboard::setText(const std::string& text)
{
    QGuiApplication::clipboard()->setText(textFromUtf8(text));
}

} // namespace orv
