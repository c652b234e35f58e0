// A random user at the main window: keys, typed MEL, shortcuts, clicks, drags and wheel turns
// on the real widgets of the real main frame, through the window system's own path (so menus,
// drags, shortcuts and blocked windows behave as on a desktop). Every choice comes from one
// seeded generator and every event is logged, so a failing run replays from its seed and its
// number of events. Modal dialogs and menus that open are used for a while and then answered;
// a closed main window is started again; a watchdog ends a run whose event does not come back.
#pragma once

#include "Dice.h"
#include "EventLog.h"
#include "HangWatchdog.h"
#include "RandomPrompts.h"

#include "app/CMainFrame.h"
#include "app/COrvanteApp.h"
#include "designer/CWindowDoc.h"
#include "editor/CScriptDoc.h"
#include "framework/CDocManager.h"
#include "framework/CDocument.h"
#include "framework/CMDIChildWnd.h"
#include "icon/CIconDoc.h"
#include "project/CProjectDoc.h"
#include "settings/Profile.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDrag>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>
#include <QtTest>

#include <algorithm>
#include <chrono>
#include <list>
#include <memory>

namespace orv::test {

// The kinds of document, in the order of the New dialog.
enum class DocumentKind { script, window, icon, project };

class GuiExerciser {
public:
    // Documents are opened from, and saved into, folder; installDir is the program's data folder.
    GuiExerciser(DocumentKind kind, std::uint64_t seed, const QString& folder, const QString& installDir, EventLog& log,
                 HangWatchdog& watchdog)
        : m_kind(kind), m_dice(seed), m_log(log), m_watchdog(watchdog), m_folder(folder),
          m_prompts(m_dice, log, folder)
    {
        m_prompts.setNewFileKind(static_cast<int>(kind));
        m_profile.writeString("Settings", "InstallDir", installDir.toStdString());
    }
    ~GuiExerciser() { stopApp(); }
    GuiExerciser(const GuiExerciser&) = delete;
    GuiExerciser& operator=(const GuiExerciser&) = delete;

    // Runs steps until maxSteps were taken or time is up; false with failure() when the run
    // found a fault it can name (a crash or a hang ends the process instead).
    bool run(qint64 maxSteps, std::chrono::milliseconds time)
    {
        QElapsedTimer clock;
        clock.start();
        startApp();
        m_baseLoopLevel = QThread::currentThread()->loopLevel();
        scheduleAnswer();
        while (m_failure.isEmpty() && m_steps < maxSteps && clock.elapsed() < time.count()) {
            ++m_steps;
            m_nested = 0;
            step();
            beat();
        }
        stopApp();
        return m_failure.isEmpty();
    }

    qint64 steps() const { return m_steps; }
    // Every event sent, those inside dialogs and menus too.
    qint64 events() const { return m_events; }
    const QString& failure() const { return m_failure; }

private:
    enum class Action { type, key, shortcut, click, drag, wheel, menuBar, inputMethod, wait };

    static constexpr int kAnswerMs = 20;
    static constexpr qsizetype kMostDocuments = 12;
    // A dialog or menu that is still up after this many attempts to close it does not close.
    static constexpr int kCloseAttempts = 50;

    void beat() { m_watchdog.beat(); }

    void say(const QString& text)
    {
        ++m_events;
        m_log.write(QStringLiteral("#%1%2 %3")
                        .arg(m_steps)
                        .arg(m_nested ? QStringLiteral(".%1").arg(m_nested) : QString(), text));
        beat();
    }

    // The application -----------------------------------------------------------------------

    void startApp()
    {
        m_app = std::make_unique<COrvanteApp>(m_profile, m_prompts);
        QApplication::setQuitOnLastWindowClosed(false);
        if (!m_app->InitInstance({QStringLiteral("orvante"), QStringLiteral("--no-splash")}))
            m_failure = QStringLiteral("the application did not start");
        else if (CMainFrame* frame = m_app->mainFrame()) {
            frame->activateWindow();
            (void)QTest::qWaitForWindowActive(frame);
        }
        say(QStringLiteral("start the application"));
    }

    // What a click-to-focus window manager does when a window is clicked.
    static void activate(QWidget* window)
    {
        if (!window || !window->windowHandle() || QGuiApplication::focusWindow() == window->windowHandle())
            return;
        window->windowHandle()->requestActivate();
        (void)QTest::qWaitForWindowActive(window, 200);
    }

    void stopApp()
    {
        if (!m_app)
            return;
        // The run's own end asks nothing: what was typed is dropped.
        for (CDocument* doc : m_app->docManager().documents())
            doc->setModifiedFlag(false);
        if (CMainFrame* frame = m_app->mainFrame())
            frame->close();
        m_app->ExitInstance();
        m_app.reset();
        beat();
    }

    bool isOfKind(const CDocument* doc) const
    {
        return m_kind == DocumentKind::script   ? qobject_cast<const CScriptDoc*>(doc) != nullptr
               : m_kind == DocumentKind::window ? qobject_cast<const CWindowDoc*>(doc) != nullptr
               : m_kind == DocumentKind::icon   ? qobject_cast<const CIconDoc*>(doc) != nullptr
                                                : qobject_cast<const CProjectDoc*>(doc) != nullptr;
    }

    bool hasDocumentOfKind() const
    {
        const QList<CDocument*> docs = m_app->docManager().documents();
        return std::any_of(docs.begin(), docs.end(), [this](const CDocument* doc) { return isOfKind(doc); });
    }

    // The frame a step uses most: the active one when it shows the run's kind, else one that does.
    CMDIChildWnd* frameOfKind() const
    {
        CMDIChildWnd* active = m_app->docManager().activeFrame();
        if (active && isOfKind(active->activeDocument()))
            return active;
        for (CMDIChildWnd* frame : m_app->mainFrame()->findChildren<CMDIChildWnd*>())
            if (frame->isVisible() && isOfKind(frame->activeDocument()))
                return frame;
        return active;
    }

    // The main window closed by the user starts again; a run keeps a document of its kind open
    // (new or from the folder) and no more than kMostDocuments.
    void keepTheStage()
    {
        if (!m_app->mainFrame() || !m_app->mainFrame()->isVisible()) {
            say(QStringLiteral("the main window closed: start again"));
            stopApp();
            startApp();
        }
        // Offscreen no window manager gives the keyboard back when a dialog or window closes:
        // the main window takes it, as it does on a desktop.
        if (!QGuiApplication::focusWindow() && !openedTop()) {
            say(QStringLiteral("no window has the keyboard: activate the main window"));
            activate(m_app->mainFrame());
        }
        CDocManager& docs = m_app->docManager();
        const QList<CDocument*> open = docs.documents();
        for (qsizetype oldest = 0; oldest < open.size() - kMostDocuments; ++oldest) {
            say(QStringLiteral("close \"%1\" (too many documents)").arg(open[oldest]->title()));
            open[oldest]->setModifiedFlag(false);
            open[oldest]->onCloseDocument();
        }
        // A document goes with its last frame, which is deleted from the event loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (hasDocumentOfKind())
            return;
        static const char* const extensions[] = {"mel", "wnd", "icm", "mp"};
        const QString extension = QLatin1String(extensions[static_cast<int>(m_kind)]);
        const bool canBeNew = m_kind == DocumentKind::script || m_kind == DocumentKind::window;
        if (canBeNew && m_dice.chance(50)) {
            say(QStringLiteral("new document"));
            m_app->mainFrame()->action(CommandId::fileNew)->trigger();
            return;
        }
        const QStringList files = QDir(m_folder).entryList({QStringLiteral("*.") + extension}, QDir::Files, QDir::Name);
        if (files.isEmpty())
            return;
        const QString path = QDir(m_folder).filePath(m_dice.pick(files));
        say(QStringLiteral("open %1").arg(path));
        m_app->openDocumentFile(path);
    }

    // One step -------------------------------------------------------------------------------

    void step()
    {
        keepTheStage();
        // A menu or dialog left open by the last step takes this one.
        if (QWidget* top = openedTop()) {
            useOrAnswer(top);
        } else {
            // Weights: type, key, shortcut, click, drag, wheel, menu bar, input method, wait.
            static const QList<int> weights[] = {
                {30, 22, 12, 14, 6, 5, 4, 3, 4},   // script
                {6, 16, 12, 30, 18, 5, 6, 1, 6},   // window
                {4, 16, 16, 30, 22, 4, 5, 1, 2},   // icon
                {4, 20, 20, 28, 12, 5, 8, 1, 2},   // project
            };
            act(static_cast<Action>(m_dice.weighted(weights[static_cast<int>(m_kind)])), nullptr);
        }
        QCoreApplication::processEvents();
    }

    static QWidget* openedTop()
    {
        QWidget* popup = QApplication::activePopupWidget();
        return popup ? popup : QApplication::activeModalWidget();
    }

    // Something a user does in a menu or a dialog that is up.
    void actIn(QWidget* top)
    {
        if (auto* menu = qobject_cast<QMenu*>(top); menu && m_dice.chance(40)) {
            const QList<QAction*> actions = menu->actions();
            if (!actions.isEmpty()) {
                QAction* chosen = m_dice.pick(actions);
                const QRect place = menu->actionGeometry(chosen);
                if (place.isValid()) {
                    say(QStringLiteral("click menu item \"%1\"").arg(chosen->text()));
                    QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, place.center());
                    return;
                }
            }
        }
        static const QList<int> weights = {10, 30, 5, 30, 10, 5, 0, 1, 0};
        act(static_cast<Action>(m_dice.weighted(weights)), top);
    }

    void act(Action action, QWidget* top)
    {
        switch (action) {
        case Action::type:
            typeSnippet();
            break;
        case Action::key:
            pressKey(top);
            break;
        case Action::shortcut:
            pressShortcut();
            break;
        case Action::click:
            click(target(top));
            break;
        case Action::drag:
            drag(target(top));
            break;
        case Action::wheel:
            turnWheel(target(top));
            break;
        case Action::menuBar:
            openMenuBar();
            break;
        case Action::inputMethod:
            composeText();
            break;
        case Action::wait: {
            const int ms = m_dice.between(20, 700);
            say(QStringLiteral("wait %1 ms").arg(ms));
            QTest::qWait(ms);
            break;
        }
        }
    }

    // Targets --------------------------------------------------------------------------------

    static QString describe(const QWidget* widget)
    {
        if (!widget)
            return QStringLiteral("no widget");
        QString text = QString::fromLatin1(widget->metaObject()->className());
        if (!widget->objectName().isEmpty())
            text += QLatin1Char('/') + widget->objectName();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget); button && !button->text().isEmpty())
            text += QStringLiteral(" \"%1\"").arg(button->text());
        return text;
    }

    static void addVisible(QWidget* root, QList<QWidget*>& into)
    {
        if (!root->isVisible() || root->width() <= 0 || root->height() <= 0)
            return;
        into << root;
        for (QWidget* child : root->findChildren<QWidget*>())
            if (child->isVisible() && child->width() > 0 && child->height() > 0 && child->window() == root->window())
                into << child;
    }

    // A widget to use: inside top when a dialog or menu is up, else mostly in a document
    // window of the run's kind, otherwise anywhere in the main window or a window of its own beside it.
    QWidget* target(QWidget* top)
    {
        QList<QWidget*> widgets;
        if (top) {
            addVisible(top, widgets);
        } else {
            CMDIChildWnd* frame = frameOfKind();
            if (frame && m_dice.chance(60)) {
                addVisible(frame, widgets);
                widgets.removeAll(frame->window());
            }
            if (widgets.isEmpty())
                for (QWidget* window : QApplication::topLevelWidgets())
                    if (window->windowType() != Qt::Popup && window->windowType() != Qt::ToolTip)
                        addVisible(window, widgets);
        }
        return widgets.isEmpty() ? nullptr : m_dice.pick(widgets);
    }

    QPoint pointIn(const QWidget* widget)
    {
        return {m_dice.below(widget->width()), m_dice.below(widget->height())};
    }

    // A point of widget in its window's terms, inside the window (a scrolled widget can be
    // larger than its window).
    static QPoint windowPoint(const QWidget* widget, QPoint local)
    {
        const QRect window = widget->window()->rect();
        const QPoint point = widget->mapTo(widget->window(), local);
        return {std::clamp(point.x(), 0, window.right()), std::clamp(point.y(), 0, window.bottom())};
    }

    Qt::KeyboardModifiers anyModifiers()
    {
        static const QList<Qt::KeyboardModifiers> choices = {
            Qt::NoModifier,      Qt::NoModifier,   Qt::NoModifier, Qt::NoModifier,
            Qt::ShiftModifier,   Qt::ControlModifier, Qt::AltModifier,
            Qt::ControlModifier | Qt::ShiftModifier,  Qt::AltModifier | Qt::ShiftModifier,
            Qt::ControlModifier | Qt::AltModifier};
        return m_dice.pick(choices);
    }

    static QString describe(Qt::KeyboardModifiers modifiers, const QString& key)
    {
        QString text;
        if (modifiers & Qt::ControlModifier)
            text += QStringLiteral("Ctrl+");
        if (modifiers & Qt::AltModifier)
            text += QStringLiteral("Alt+");
        if (modifiers & Qt::ShiftModifier)
            text += QStringLiteral("Shift+");
        return text + key;
    }

    // Keys -----------------------------------------------------------------------------------

    // Where the keyboard is: the menu or dialog that is up, else the window with the focus.
    QWindow* keyWindow() const
    {
        if (QWidget* popup = QApplication::activePopupWidget())
            return popup->windowHandle();
        if (QWidget* modal = QApplication::activeModalWidget())
            return modal->windowHandle();
        if (QWindow* focus = QGuiApplication::focusWindow())
            return focus;
        return m_app->mainFrame()->windowHandle();
    }

    void sendKey(Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers)
    {
        if (QWindow* window = keyWindow())
            QTest::sendKeyEvent(QTest::Click, window, key, text, modifiers);
        // The watchdog times each event, not a step of many (a typed line is dozens of keys).
        beat();
    }

    // One character as the keyboard gives it.
    void typeCharacter(QChar character)
    {
        if (character == QLatin1Char('\n')) {
            sendKey(Qt::Key_Return, QStringLiteral("\r"), {});
            return;
        }
        if (character == QLatin1Char('\t')) {
            sendKey(Qt::Key_Tab, QStringLiteral("\t"), {});
            return;
        }
        const QChar upper = character.toUpper();
        const bool shifted = character.isLetter() && character != character.toLower();
        const auto key = upper.unicode() < 0x80 ? static_cast<Qt::Key>(upper.unicode()) : Qt::Key_unknown;
        sendKey(key, QString(character), shifted ? Qt::ShiftModifier : Qt::NoModifier);
    }

    void typeSnippet()
    {
        static const QList<QString> snippets = {
            QStringLiteral("proc hello() {\n}\n"), QStringLiteral("global proc string f(string $a) { return $a; }"),
            QStringLiteral("default :"), QStringLiteral("case 1:"), QStringLiteral("switch ($x) {\ncase 1:\nbreak;\n}"),
            QStringLiteral("`ls -sl`"), QStringLiteral("button -label \"Go\" -command \"f\";"),
            QStringLiteral("window -title \"W\" w;\nshowWindow w;"), QStringLiteral("string $s[] = {\"a\", \"b\"};"),
            QStringLiteral("for ($i = 0; $i < 10; $i++) {"), QStringLiteral("// note\n"), QStringLiteral("/* open"),
            QStringLiteral("*/"), QStringLiteral("\"open string"), QStringLiteral("-"), QStringLiteral("button -"),
            QStringLiteral("\t"), QStringLiteral("\n"), QStringLiteral("{"), QStringLiteral("}"), QStringLiteral("("),
            QStringLiteral(")"), QStringLiteral("caf\u00e9 \u65e5\u672c"), QStringLiteral("$"), QStringLiteral(";"),
            QStringLiteral("if ($a == 1) print \"x\"; else"), QStringLiteral("while (1)"), QStringLiteral("\\"),
            QStringLiteral("$a = `"), QStringLiteral("columnLayout -adj 1;\nsetParent ..;"), QStringLiteral("x"),
            QStringLiteral("int $n = 3 * (2 + 1);"), QStringLiteral("return;"), QStringLiteral("Go 12"),
        };
        const QString text = m_dice.pick(snippets);
        say(QStringLiteral("type \"%1\" -> %2")
                .arg(QString(text).replace(QLatin1Char('\n'), QStringLiteral("\\n")), describe(QApplication::focusWidget())));
        for (QChar character : text)
            typeCharacter(character);
    }

    void pressKey(QWidget* top)
    {
        struct Key {
            Qt::Key key;
            const char* text;
        };
        static const QList<Key> keys = {
            {Qt::Key_Left, ""},      {Qt::Key_Right, ""},     {Qt::Key_Up, ""},         {Qt::Key_Down, ""},
            {Qt::Key_Home, ""},      {Qt::Key_End, ""},       {Qt::Key_PageUp, ""},     {Qt::Key_PageDown, ""},
            {Qt::Key_Backspace, "\b"}, {Qt::Key_Delete, "\x7f"}, {Qt::Key_Return, "\r"}, {Qt::Key_Enter, "\r"},
            {Qt::Key_Tab, "\t"},     {Qt::Key_Backtab, ""},   {Qt::Key_Escape, "\x1b"}, {Qt::Key_Insert, ""},
            {Qt::Key_Space, " "},    {Qt::Key_Menu, ""},      {Qt::Key_F1, ""},         {Qt::Key_F2, ""},
            {Qt::Key_F3, ""},        {Qt::Key_F4, ""},        {Qt::Key_F5, ""},         {Qt::Key_F6, ""},
            {Qt::Key_F7, ""},        {Qt::Key_F8, ""},        {Qt::Key_F9, ""},         {Qt::Key_F10, ""},
            {Qt::Key_F11, ""},       {Qt::Key_F12, ""},
        };
        const Qt::KeyboardModifiers modifiers = anyModifiers();
        Qt::Key key;
        QString text;
        if (m_dice.chance(55)) {
            const Key& chosen = m_dice.pick(keys);
            key = chosen.key;
            text = QString::fromLatin1(chosen.text);
        } else {
            // A letter, digit or sign: Ctrl makes a control character of a letter, as X does.
            static const QString characters = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789-=[];',./`\\");
            const QChar character = characters[m_dice.below(static_cast<int>(characters.size()))];
            key = static_cast<Qt::Key>(character.toUpper().unicode());
            text = QString(modifiers & Qt::ShiftModifier ? character.toUpper() : character);
            if ((modifiers & Qt::ControlModifier) && character.isLetter())
                text = QChar(character.unicode() & 0x1f);
        }
        say(QStringLiteral("key %1 -> %2")
                .arg(describe(modifiers, QKeySequence(key).toString()),
                     describe(QApplication::focusWidget() ? QApplication::focusWidget() : top)));
        sendKey(key, text, modifiers);
    }

    void pressShortcut()
    {
        QList<QKeySequence> shortcuts;
        for (QAction* action : m_app->mainFrame()->findChildren<QAction*>())
            shortcuts << action->shortcuts();
        if (shortcuts.isEmpty())
            return;
        const QKeySequence chosen = m_dice.pick(shortcuts);
        say(QStringLiteral("shortcut %1").arg(chosen.toString()));
        for (int chord = 0; chord < chosen.count(); ++chord)
            sendKey(chosen[chord].key(), QString(), chosen[chord].keyboardModifiers());
    }

    // What an input method composes, and then commits or drops.
    void composeText()
    {
        QWidget* focus = QApplication::focusWidget();
        if (!focus)
            return;
        static const QList<QString> words = {QStringLiteral("\u65e5\u672c\u8a9e"), QStringLiteral("\ud55c"),
                                             QStringLiteral("\u00e9"), QStringLiteral("ka")};
        const QString word = m_dice.pick(words);
        const bool commit = m_dice.chance(70);
        say(QStringLiteral("compose \"%1\" and %2 -> %3").arg(word, commit ? QStringLiteral("commit") : QStringLiteral("drop"), describe(focus)));
        QPointer<QWidget> receiver(focus);
        QInputMethodEvent preedit(word, {});
        QApplication::sendEvent(receiver, &preedit);
        if (!receiver)
            return;
        QInputMethodEvent done;
        if (commit)
            done.setCommitString(word);
        QApplication::sendEvent(receiver, &done);
    }

    // The mouse ------------------------------------------------------------------------------

    Qt::MouseButton anyButton()
    {
        const int draw = m_dice.below(10);
        return draw < 7 ? Qt::LeftButton : draw < 9 ? Qt::RightButton : Qt::MiddleButton;
    }

    static QString buttonName(Qt::MouseButton button)
    {
        return button == Qt::LeftButton ? QStringLiteral("left") : button == Qt::RightButton ? QStringLiteral("right") : QStringLiteral("middle");
    }

    void click(QWidget* widget)
    {
        if (!widget)
            return;
        const QPoint at = pointIn(widget);
        const Qt::MouseButton button = anyButton();
        const Qt::KeyboardModifiers modifiers = m_dice.chance(80) ? Qt::NoModifier : anyModifiers();
        const bool twice = m_dice.chance(15);
        say(QStringLiteral("%1%2 click at (%3,%4) on %5")
                .arg(twice ? QStringLiteral("double ") : QString(), describe(modifiers, buttonName(button)))
                .arg(at.x())
                .arg(at.y())
                .arg(describe(widget)));
        QWindow* window = widget->window()->windowHandle();
        const QPoint inWindow = windowPoint(widget, at);
        if (!window)
            return;
        if (!openedTop())
            activate(widget->window());
        if (twice)
            QTest::mouseDClick(window, button, modifiers, inWindow);
        else
            QTest::mouseClick(window, button, modifiers, inWindow);
    }

    // A press, a few moves within the window, a release: a drag whenever something takes one.
    void drag(QWidget* widget)
    {
        if (!widget || !widget->window()->windowHandle())
            return;
        QPointer<QWindow> window = widget->window()->windowHandle();
        const QPoint from = windowPoint(widget, pointIn(widget));
        QList<QWidget*> inWindow;
        addVisible(widget->window(), inWindow);
        QWidget* end = m_dice.chance(70) ? widget : m_dice.pick(inWindow);
        const QPoint to = windowPoint(end, pointIn(end));
        const Qt::MouseButton button = m_dice.chance(85) ? Qt::LeftButton : anyButton();
        const Qt::KeyboardModifiers modifiers = m_dice.chance(75) ? Qt::NoModifier : anyModifiers();
        const int moves = m_dice.between(1, 6);
        say(QStringLiteral("%1 drag from (%2,%3) to (%4,%5) in %6 moves on %7")
                .arg(describe(modifiers, buttonName(button)))
                .arg(from.x())
                .arg(from.y())
                .arg(to.x())
                .arg(to.y())
                .arg(moves)
                .arg(describe(widget)));
        if (!openedTop())
            activate(widget->window());
        m_dragWindow = window;
        m_dragButton = button;
        m_dragPoint = to;
        QTest::mousePress(window, button, modifiers, from);
        beat();
        for (int move = 1; move <= moves && m_dragWindow; ++move) {
            QTest::mouseMove(window, from + (to - from) * move / moves);
            beat();
        }
        // A drag that runs its own loop was ended inside it.
        if (m_dragWindow && window)
            QTest::mouseRelease(window, button, modifiers, to);
        m_dragWindow = nullptr;
    }

    void turnWheel(QWidget* widget)
    {
        if (!widget)
            return;
        const QPoint at = pointIn(widget);
        QWidget* under = widget->childAt(at);
        QWidget* receiver = under ? under : widget;
        const QPoint local = receiver->mapFrom(widget, at);
        const int steps = m_dice.between(-3, 3);
        const bool sideways = m_dice.chance(15);
        const Qt::KeyboardModifiers modifiers = m_dice.chance(70) ? Qt::NoModifier : anyModifiers();
        const QPoint angle = sideways ? QPoint(steps * 120, 0) : QPoint(0, steps * 120);
        say(QStringLiteral("%1 wheel %2 notches at (%3,%4) on %5")
                .arg(describe(modifiers, sideways ? QStringLiteral("sideways") : QStringLiteral("vertical")))
                .arg(steps)
                .arg(at.x())
                .arg(at.y())
                .arg(describe(receiver)));
        QWheelEvent event(local, receiver->mapToGlobal(local), {}, angle, Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(receiver, &event);
    }

    void openMenuBar()
    {
        QMenuBar* bar = m_app->mainFrame()->menuBar();
        QList<QAction*> menus;
        for (QAction* action : bar->actions())
            if (action->isVisible() && bar->actionGeometry(action).isValid())
                menus << action;
        if (menus.isEmpty() || !bar->window()->windowHandle())
            return;
        QAction* chosen = m_dice.pick(menus);
        say(QStringLiteral("open menu \"%1\"").arg(chosen->text()));
        QTest::mouseClick(bar->window()->windowHandle(), Qt::LeftButton, {},
                          bar->mapTo(bar->window(), bar->actionGeometry(chosen).center()));
    }

    // Dialogs and menus that run their own loop ----------------------------------------------

    void scheduleAnswer()
    {
        // A fresh single shot each time: a timer whose handler is still running (inside a
        // dialog it opened) never fires again until it returns, a new one does.
        QTimer::singleShot(kAnswerMs, &m_timers, [this] { answer(); });
    }

    struct Opened {
        QPointer<QWidget> widget;
        int eventsLeft;
        int closeAttempts;
    };

    Opened& openedEntry(QWidget* widget)
    {
        // A menu or dialog opened again is a new one to use and answer.
        std::erase_if(m_opened, [](const Opened& entry) { return entry.widget.isNull() || !entry.widget->isVisible(); });
        for (Opened& entry : m_opened)
            if (entry.widget == widget)
                return entry;
        // A menu is used for a few events, a dialog for more.
        const bool menu = qobject_cast<QMenu*>(widget) != nullptr;
        m_opened.push_back({widget, menu ? m_dice.below(4) : m_dice.below(40), 0});
        say(QStringLiteral("%1 is up").arg(describe(widget)));
        // Its keys go where its focus settles, as they would for a user who waits to see it.
        if (!menu)
            (void)QTest::qWaitForWindowActive(widget, 500);
        return m_opened.back();
    }

    // Runs inside the loops of dialogs, menus and drags (never between events, so that the
    // run stays the same for the same seed): a few events there, then an answer.
    void answer()
    {
        scheduleAnswer();
        if (QThread::currentThread()->loopLevel() <= m_baseLoopLevel)
            return;
        QWidget* top = openedTop();
        // Only the innermost loop answers; one that an answer itself runs is a drag or ends.
        if (!top || m_inAnswer.contains(top)) {
            endDrag();
            return;
        }
        m_inAnswer.push_back(top);
        useOrAnswer(top);
        m_inAnswer.removeOne(top);
    }

    // A few events in the menu or dialog that is up, then its answer.
    void useOrAnswer(QWidget* top)
    {
        Opened& entry = openedEntry(top);
        ++m_nested;
        if (entry.eventsLeft > 0) {
            --entry.eventsLeft;
            actIn(top);
        } else {
            close(top, entry);
        }
    }

    // A drag that runs its own loop ends where the step meant it to, as a user lets go.
    void endDrag()
    {
        if (!m_dragWindow)
            return;
        QPointer<QWindow> window = m_dragWindow;
        m_dragWindow = nullptr;
        ++m_nested;
        say(QStringLiteral("let go of the drag at (%1,%2)").arg(m_dragPoint.x()).arg(m_dragPoint.y()));
        QTest::mouseMove(window, m_dragPoint);
        if (window)
            QTest::mouseRelease(window, m_dragButton, {}, m_dragPoint);
    }

    void close(QWidget* top, Opened& entry)
    {
        const int attempt = ++entry.closeAttempts;
        if (attempt > kCloseAttempts) {
            m_failure = QStringLiteral("%1 does not close").arg(describe(top));
            say(m_failure);
            top->hide();
            return;
        }
        auto* dialog = qobject_cast<QDialog*>(top);
        const int way = attempt > 3 ? 3 : m_dice.below(4);
        if (way == 0) {
            say(QStringLiteral("Escape to close %1").arg(describe(top)));
            sendKey(Qt::Key_Escape, QStringLiteral("\x1b"), {});
        } else if (way == 1 && dialog) {
            const QList<QDialogButtonBox*> boxes = dialog->findChildren<QDialogButtonBox*>();
            QList<QAbstractButton*> buttons;
            for (QDialogButtonBox* box : boxes)
                for (QAbstractButton* button : box->buttons())
                    if (button->isVisible() && button->isEnabled())
                        buttons << button;
            if (buttons.isEmpty()) {
                say(QStringLiteral("accept %1").arg(describe(top)));
                dialog->accept();
            } else {
                click(m_dice.pick(buttons));
            }
        } else if (way == 2 && dialog) {
            say(QStringLiteral("accept %1").arg(describe(top)));
            dialog->accept();
        } else {
            say(QStringLiteral("close %1").arg(describe(top)));
            if (dialog)
                dialog->reject();
            else
                top->close();
        }
    }

    DocumentKind m_kind;
    Dice m_dice;
    EventLog& m_log;
    HangWatchdog& m_watchdog;
    QString m_folder;
    MemoryProfile m_profile;
    RandomPrompts m_prompts;
    std::unique_ptr<COrvanteApp> m_app;
    QObject m_timers;
    int m_baseLoopLevel = 0;
    std::list<Opened> m_opened;  // a list: an entry in use stays put while others come
    QList<QWidget*> m_inAnswer;
    QPointer<QWindow> m_dragWindow;
    Qt::MouseButton m_dragButton = Qt::LeftButton;
    QPoint m_dragPoint;
    qint64 m_steps = 0;
    qint64 m_events = 0;
    int m_nested = 0;
    QString m_failure;
};

} // namespace orv::test
