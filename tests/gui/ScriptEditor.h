// A MEL script editor for the GUI tests: a script document with one view, shown and focused.
#pragma once

#include "ScriptedPrompts.h"

#include "editor/CMELEditorView.h"
#include "editor/CScriptDoc.h"
#include "settings/Profile.h"
#include "settings/SettingsRecord.h"

#include <QtTest>

#include <memory>
#include <string>

namespace orv::test {

// A script document with one view, shown and focused, as a document window holds it.
class Editor {
public:
    explicit Editor(const QByteArray& initial = {}, const QString& path = {})
    {
        if (path.isEmpty()) {
            doc.onNewDocument();
            if (!initial.isEmpty())
                doc.buffer().LoadBytes(std::string_view(initial.constData(), static_cast<std::size_t>(initial.size())));
        } else {
            doc.onOpenDocument(path);
        }
        view = std::make_unique<CMELEditorView>(&doc, settings, profile, prompts);
        view->onInitialUpdate();
        view->resize(640, 400);
        view->show();
        view->activateWindow();
        text()->setFocus();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    }

    MelTextView* text() const { return view->textView(); }
    QWidget* port() const { return text()->viewport(); }
    std::string line(int n) { return std::string(doc.buffer().LineText(n)); }
    QString indicator(int id) const { return view->indicatorText(id); }
    // The viewport point in the middle of a character cell.
    QPoint at(TextPos pos) const
    {
        const QPoint p = text()->pointOf(pos);
        return p + QPoint(qRound(text()->cellWidth() / 4), text()->lineHeight() / 2);
    }

    SettingsRecord settings;
    MemoryProfile profile;
    ScriptedPrompts prompts;
    CScriptDoc doc;
    std::unique_ptr<CMELEditorView> view;
};

} // namespace orv::test
