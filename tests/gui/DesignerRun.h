// One run of the application with a new window document in a real designer view, driven
// as a user drives it: palette clicks, the tracker, the hierarchy tree.
#pragma once

#include "AppTestSupport.h"

#include "app/Panes.h"
#include "designer/CInterfaceEditorView.h"
#include "designer/CNavigatorTreeCtrl.h"
#include "designer/COrvanteWnd.h"
#include "designer/CToolsDialog.h"
#include "designer/CWindowDoc.h"
#include "designer/DesignMode.h"
#include "framework/CDocManager.h"
#include "framework/CDocTemplate.h"
#include "settings/Profile.h"

#include <QFileInfo>
#include <QMenu>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>

namespace orv::test {

constexpr int kColumnLayoutButton = 1038;
constexpr int kRowLayoutButton = 1039;
constexpr int kButtonsButton = 1029;
constexpr int kCheckBoxesButton = 1031;
constexpr int kListsButton = 1033;
constexpr int kSlidersButton = 1034;
constexpr int kMiscButton = 1037;

// One run of the application with a new window document open in a designer view.
struct Designer {
    MemoryProfile profile;
    // The command database of the build, so that exports write flags.
    bool databaseNamed = [this] {
        const QString dataDir = QFileInfo(QStringLiteral(ORVANTE_DATABASE_DIR "/..")).absoluteFilePath();
        profile.writeString("Settings", "InstallDir", dataDir.toStdString());
        return true;
    }();
    test::AppRun run{profile};

    Designer(const QString& path = {})
    {
        DesignMode::setEditMode(false);
        CDocTemplate* window = nullptr;
        for (CDocTemplate* t : run.app().docManager().templates())
            if (t->resourceId() == 130)
                window = t;
        window->openDocumentFile(path);
    }
    // The designer's edits leave documents modified; the test's end discards them.
    ~Designer()
    {
        for (CDocument* doc : run.app().docManager().documents())
            doc->setModifiedFlag(false);
    }
    CInterfaceEditorView* view() { return qobject_cast<CInterfaceEditorView*>(run.app().docManager().activeView()); }
    CWindowDoc* doc() { return view()->windowDoc(); }
    CUIWindow& window() { return view()->window(); }
    CNavigatorTreeCtrl* tree() { return static_cast<CNavigatorTreeCtrl*>(run.frame()->windowHierarchyPane()->widget()); }
    CToolsDialog* tools() { return toolsPalette(run.frame()); }
    void click(int id, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers keys = {})
    {
        QToolButton* b = tools()->button(id);
        QVERIFY(b);
        QTest::mouseClick(b, button, keys);
    }
    void select(const CUIElement* element) { tree()->selectElement(element); }
    // A column layout under the window and one button in it, by palette clicks.
    CUIElement& columnWithButton()
    {
        select(&window());
        click(kColumnLayoutButton);
        click(kButtonsButton);
        return *window().children().front();
    }
    void setEditMode(bool on)
    {
        if (tools()->editButton()->isChecked() != on)
            QTest::mouseClick(tools()->editButton(), Qt::LeftButton);
    }
    CDesignTracker* tracker() { return view()->windowPreview()->tracker(); }
    // The widget of element's preview in the active view.
    QWidget& previewOf(const CUIElement& element)
    {
        return dynamic_cast<PreviewWidget*>(view()->previewOf(element))->widget();
    }
    void drag(QWidget* widget, QPoint from, QPoint to)
    {
        QTest::mousePress(widget, Qt::LeftButton, {}, from);
        QTest::mouseMove(widget, (from + to) / 2);
        QTest::mouseMove(widget, to);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, to);
    }
    // Drags the tracker's bottom-right handle by delta.
    void dragCorner(QPoint delta)
    {
        const QRect r = *tracker()->trackRect();
        const QPoint from = r.bottomRight() - QPoint(2, 2);
        drag(tracker(), from, from + delta);
    }
};

// Runs what the next popup menu should do, once it is open.
inline void whenMenuOpens(std::function<void(QMenu*)> act)
{
    QTimer::singleShot(10, [act] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
            act(menu);
        else
            whenMenuOpens(act);
    });
}

} // namespace orv::test
