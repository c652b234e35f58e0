// The clipboard through QClipboard, and the Latin-1 conversions of the editor.
#include "editor/QtClipboard.h"

#include "framework/ByteText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace orv {

std::string latin1Bytes(const QString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // A pair of surrogates is one character, so one "?".
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        bytes += c.unicode() <= 0xFF ? static_cast<char>(c.unicode()) : '?';
    }
    return bytes;
}

bool QtClipboard::hasText() const
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

std::string QtClipboard::text() const
{
    return latin1Bytes(QGuiApplication::clipboard()->text());
}

void QtClipboard::setText(const std::string& text)
{
    QGuiApplication::clipboard()->setText(textFromBytes(text));
}

} // namespace orv
