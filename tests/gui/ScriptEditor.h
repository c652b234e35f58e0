// A MEL script editor for the GUI tests: a script document with one view, shown and focused.
#pragma once

#include "ScriptedPrompts.h"

#include "editor/CMELEditorView.h"
#include "editor/CScriptDoc.h"
#include "editor/MelCheckRunner.h"
#include "settings/Profile.h"
#include "settings/SettingsRecord.h"
#include "uimodel/OutputLog.h"

#include <QtTest>

#include <memory>
#include <string>

namespace orv::test {

// A script document with one view, shown and focused, as a document window holds it; what the
// view sends to Maya is answered into its log.
class Editor {
public:
    explicit Editor(const QByteArray& initial = {}, const QString& path = {}) { open(initial, path, nullptr); }
    // With a checker of its own instead of the view's, set before the text arrives, as the
    // view's own is.
    Editor(const QByteArray& initial, MelChecker checker) { open(initial, {}, &checker); }

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
    OutputLog log;
    CScriptDoc doc;
    std::unique_ptr<CMELEditorView> view;

private:
    void open(const QByteArray& initial, const QString& path, MelChecker* checker)
    {
        if (path.isEmpty())
            doc.onNewDocument();
        else
            doc.onOpenDocument(path);
        view = std::make_unique<CMELEditorView>(&doc, settings, profile, prompts, &log);
        if (checker)
            text()->checks().setChecker(std::move(*checker));
        view->onInitialUpdate();
        if (!initial.isEmpty())
            doc.buffer().LoadBytes(std::string_view(initial.constData(), static_cast<std::size_t>(initial.size())));
        view->resize(640, 400);
        view->show();
        view->activateWindow();
        text()->setFocus();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    }
};

} // namespace orv::test
