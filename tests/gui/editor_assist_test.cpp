// The MEL editor's help on real widgets, driven by real key events: the completion list of
// commands and flags (narrowing, Enter, Tab, Escape, one undo), the checks' wavy underlines
// with their tooltips and status texts (run after a pause, stale results dropped), and
// "Send to Maya" against a command port of the test's own.
#include "AppTestSupport.h"
#include "GuiTestMain.h"
#include "ScriptEditor.h"
#include "TestFiles.h"

#include "app/AppIds.h"
#include "app/Panes.h"
#include "editor/CMELEditorView.h"
#include "editor/CScriptDoc.h"
#include "editor/CompletionPopup.h"
#include "editor/MayaCommandPort.h"
#include "framework/CDocManager.h"
#include "mel/CommandDatabase.h"
#include "settings/CommandPortAddress.h"
#include "settings/Profile.h"
#include "settings/SettingsRecord.h"
#include "log/OutputLog.h"

#include <QFile>
#include <QStatusBar>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTcpSocket>
#include <QToolTip>
#include <QtTest>

#include <memory>
#include <semaphore>
#include <thread>

using namespace orv;

namespace {

constexpr QRgb kWarningColour = 0xE09000;
constexpr QRgb kErrorColour = 0xE02020;
constexpr QRgb kNoteColour = 0x9090A0;

// The editor with no checks unless the test gives its own, and the completion list at hand.
struct Editor : test::Editor {
    explicit Editor(const QByteArray& initial = {}, MelChecker checker = {}) : test::Editor(initial, std::move(checker)) {}

    CompletionPopup* popup() const { return text()->completionPopup(); }
    void type(const char* keys) const { QTest::keyClicks(text(), QString::fromLatin1(keys)); }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QTest::keyClick(text(), static_cast<Qt::Key>(key), modifiers);
    }
    // The names the list shows, in order.
    QStringList shown() const
    {
        QStringList names;
        for (int i = 0; i < popup()->topLevelItemCount(); ++i)
            names << popup()->topLevelItem(i)->text(0);
        return names;
    }
    // Whether a pixel of the colour lies in the bottom rows of a line between two characters.
    bool underlined(int line, int fromCh, int toCh, QRgb colour) const
    {
        const QImage image = text()->viewport()->grab().toImage();
        const int left = text()->pointOf({fromCh, line}).x();
        const int right = text()->pointOf({toCh, line}).x();
        const int bottom = text()->pointOf({0, line}).y() + text()->lineHeight() - 1;
        for (int y = bottom - 3; y <= bottom; ++y)
            for (int x = left; x < right; ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) == colour)
                    return true;
        return false;
    }
};

// Every "-lable" of a script as a warning, the way the flag check words it.
std::vector<MelDiagnostic> findLable(std::string_view text)
{
    std::vector<MelDiagnostic> found;
    int line = 1;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++line;
            lineStart = i + 1;
        } else if (text.substr(i, 6) == "-lable") {
            found.push_back({line, static_cast<int>(i - lineStart) + 1, 6, MelSeverity::warning,
                             "button has no flag -lable: did you mean -label?"});
        }
    }
    return found;
}

// A stand-in for Maya's command port on 127.0.0.1: records what it receives and, unless told
// to stay silent or to hang up, answers each script that ends with a line end.
class CommandPortStandIn : public QObject {
public:
    enum class Behaviour { answer, silent, hangUp };

    explicit CommandPortStandIn(Behaviour behaviour, QByteArray answer = {})
        : m_behaviour(behaviour), m_answer(std::move(answer))
    {
        QVERIFY(m_server.listen(QHostAddress::LocalHost));
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
                    received += socket->readAll();
                    if (m_behaviour == Behaviour::hangUp)
                        socket->disconnectFromHost();
                    else if (m_behaviour == Behaviour::answer && received.endsWith('\n'))
                        socket->write(m_answer);
                });
            }
        });
    }
    CommandPortAddress address() const { return {"127.0.0.1", m_server.serverPort()}; }

    QByteArray received;

private:
    QTcpServer m_server;
    Behaviour m_behaviour;
    QByteArray m_answer;
};

bool logHas(const OutputLog& log, const char* text)
{
    return log.text().find(text) != std::string::npos;
}

} // namespace

class EditorAssistTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const MelDatabaseLoad load = LoadMelDatabases(ORVANTE_DATABASE_DIR "/..");
        QCOMPARE(load.words, LoadResult::ok);
        QCOMPARE(load.records, LoadResult::ok);
    }

    void aDashAfterButtonListsItsFlagsThatNarrowAndEnterInsertsOneUndo()
    {
        Editor e;
        e.type("button -");
        QVERIFY(e.popup()->isVisible());
        const QStringList all = e.shown();
        // button's 17 flags with a value and 5 without one in the database, and the 11 that only
        // today's command facts know.
        QCOMPARE(all.size(), 33);
        QVERIFY(all.contains(QStringLiteral("-statusBarMessage (-sbm)")));
        QVERIFY(all.contains(QStringLiteral("-exists (-ex)")));
        QVERIFY(all.contains(QStringLiteral("-label (-l)")));
        QVERIFY(all.contains(QStringLiteral("-width (-w)")));
        QCOMPARE(e.popup()->topLevelItem(static_cast<int>(all.indexOf(QStringLiteral("-label (-l)"))))->text(1),
                 QStringLiteral("String"));

        e.type("la");
        QCOMPARE(e.shown(), QStringList{QStringLiteral("-label (-l)")});
        QCOMPARE(e.line(0), std::string("button -la"));
        e.key(Qt::Key_Return);
        QVERIFY(!e.popup()->isVisible());
        QCOMPARE(e.line(0), std::string("button -label"));
        QCOMPARE(e.doc.buffer().LineCount(), 1);

        e.key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(e.line(0), std::string("button -la"));
    }

    void escapeClosesTabInsertsAndABlankEndsTheList()
    {
        Editor e;
        e.type("button -l");
        QVERIFY(e.popup()->isVisible());
        e.key(Qt::Key_Escape);
        QVERIFY(!e.popup()->isVisible());
        QCOMPARE(e.line(0), std::string("button -l"));
        // Escape left the text alone; Ctrl+Space opens the list again on the same flag.
        e.key(Qt::Key_Space, Qt::ControlModifier);
        QVERIFY(e.popup()->isVisible());
        e.key(Qt::Key_Tab);
        QCOMPARE(e.line(0), std::string("button -label"));

        e.type(" \"OK\" -w");
        QCOMPARE(e.shown(), QStringList{QStringLiteral("-width (-w)")});
        e.type(" ");
        QVERIFY(!e.popup()->isVisible());
        QCOMPARE(e.line(0), std::string("button -label \"OK\" -w "));
    }

    void controlSpaceOffersTheCommandsStartingWithTheWordAndDownChoosesAnother()
    {
        Editor e;
        e.type("showW");
        QVERIFY(!e.popup()->isVisible());
        e.key(Qt::Key_Space, Qt::ControlModifier);
        QVERIFY(e.popup()->isVisible());
        QVERIFY(e.shown().contains(QStringLiteral("showWindow")));
        for (const QString& name : e.shown())
            QVERIFY2(name.startsWith(QStringLiteral("showW")), qPrintable(name));
        for (int down = 0; down < e.shown().indexOf(QStringLiteral("showWindow")); ++down)
            e.key(Qt::Key_Down);
        e.key(Qt::Key_Return);
        QCOMPARE(e.line(0), std::string("showWindow"));

        // A flag of a command the database does not know, a string: no list.
        Editor other;
        other.type("myProc -");
        QVERIFY(!other.popup()->isVisible());
        other.key(Qt::Key_Return);
        other.type("print \"button -");
        QVERIFY(!other.popup()->isVisible());
        other.key(Qt::Key_Space, Qt::ControlModifier);
        QVERIFY(!other.popup()->isVisible());
    }

    void aWarningIsUnderlinedWithItsTooltipAndStatusText()
    {
        const QString said = QStringLiteral("unknown flag -lable of button: did you mean -label?");
        Editor e("window;\r\nbutton -lable \"OK\";\r\nshowWindow;", defaultMelChecker());
        QTRY_VERIFY(!e.text()->diagnosticMarks().marks().empty());
        QCOMPARE(e.text()->diagnosticMarks().marks().size(), std::size_t{1});
        const DiagnosticMark& mark = e.text()->diagnosticMarks().marks().front();
        QCOMPARE(mark.start, (TextPos{7, 1}));
        QCOMPARE(mark.end, (TextPos{13, 1}));
        QCOMPARE(QString::fromLatin1(mark.text), said);
        QVERIFY(e.underlined(1, 7, 13, kWarningColour));
        QVERIFY(!e.underlined(1, 0, 6, kWarningColour));
        QVERIFY(!e.underlined(1, 14, 19, kWarningColour));
        QVERIFY(!e.underlined(0, 0, 7, kWarningColour));

        const QPoint over = e.text()->pointOf({9, 1}) + QPoint(2, e.text()->lineHeight() / 2);
        QHelpEvent help(QEvent::ToolTip, over, e.text()->viewport()->mapToGlobal(over));
        QApplication::sendEvent(e.text()->viewport(), &help);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), said);
        // Away from the word the tooltip goes.
        const QPoint away = e.text()->pointOf({2, 1}) + QPoint(2, e.text()->lineHeight() / 2);
        QHelpEvent elsewhere(QEvent::ToolTip, away, e.text()->viewport()->mapToGlobal(away));
        QApplication::sendEvent(e.text()->viewport(), &elsewhere);
        QTRY_VERIFY(!QToolTip::isVisible());

        QSignalSpy hints(e.view.get(), &CMELEditorView::statusHintChanged);
        QTest::mouseClick(e.text()->viewport(), Qt::LeftButton, {}, over);
        QCOMPARE(e.view->statusHint(), said);
        e.key(Qt::Key_Down);
        QCOMPARE(e.view->statusHint(), QString());
        QCOMPARE(hints.count(), 2);

        // Mending the word takes its underline away at once, and the next check finds nothing.
        e.text()->model().setCursor({13, 1});
        e.key(Qt::Key_Backspace);
        e.key(Qt::Key_Backspace);
        e.key(Qt::Key_Backspace);
        e.type("bel");
        QCOMPARE(e.line(1), std::string("button -label \"OK\";"));
        QVERIFY(e.text()->diagnosticMarks().marks().empty());
        QSignalSpy checked(&e.text()->checks(), &MelCheckRunner::checked);
        QTRY_COMPARE(checked.count(), 1);
        QVERIFY(e.text()->diagnosticMarks().marks().empty());
        QVERIFY(!e.underlined(1, 7, 13, kWarningColour));
    }

    void theShippedChecksUnderlineAnUnterminatedStringInTheErrorColour()
    {
        Editor e("print \"abc;\r\nshowWindow;", defaultMelChecker());
        QTRY_VERIFY(!e.text()->diagnosticMarks().marks().empty());
        const DiagnosticMark& mark = e.text()->diagnosticMarks().marks().front();
        QCOMPARE(mark.severity, MelSeverity::error);
        QCOMPARE(mark.start.line, 0);
        QVERIFY(e.underlined(0, mark.start.ch, mark.end.ch, kErrorColour));
    }

    // A call of a proc that nothing known defines is a note: underlined quieter than a warning,
    // with its text in the tooltip's place, the status line.
    void aCallOfAProcDefinedNowhereKnownIsUnderlinedAsANote()
    {
        Editor e("helperProc \"x\";\r\nshowWindow;", defaultMelChecker());
        QTRY_VERIFY(!e.text()->diagnosticMarks().marks().empty());
        const DiagnosticMark& mark = e.text()->diagnosticMarks().marks().front();
        QCOMPARE(mark.severity, MelSeverity::note);
        QCOMPARE(mark.start, (TextPos{0, 0}));
        QCOMPARE(mark.end, (TextPos{10, 0}));
        QVERIFY(e.underlined(0, 0, 10, kNoteColour));
        QVERIFY(!e.underlined(0, 0, 10, kWarningColour));
        QTest::mouseClick(e.text()->viewport(), Qt::LeftButton, {},
                          e.text()->pointOf({3, 0}) + QPoint(2, e.text()->lineHeight() / 2));
        QCOMPARE(e.view->statusHint(), QStringLiteral("proc helperProc is not defined in this script nor known"));
    }

    void aResultForAnOlderTextIsDroppedAndTheNewestTextIsChecked()
    {
        std::counting_semaphore<8> gate(0);
        Editor e({}, [&gate](std::string_view text, const std::atomic<bool>&) {
            gate.acquire();
            return findLable(text);
        });
        QSignalSpy checked(&e.text()->checks(), &MelCheckRunner::checked);
        e.type("button -lable");
        QTRY_VERIFY(e.text()->checks().checking());
        // The check of "button -lable" waits; the text changes under it.
        e.key(Qt::Key_Home);
        e.type("  ");
        gate.release(2);
        QTRY_COMPARE(checked.count(), 1);
        QVERIFY(!e.text()->checks().checking());
        const std::vector<DiagnosticMark>& marks = e.text()->diagnosticMarks().marks();
        QCOMPARE(marks.size(), std::size_t{1});
        QCOMPARE(marks.front().start, (TextPos{9, 0}));
        QCOMPARE(marks.front().end, (TextPos{15, 0}));
    }

    // A check waits for nothing once its text changed or its view goes: it is told to stop,
    // and a view that closes waits for it to let go of the text (closing the program would
    // otherwise wait for the whole check of a large script).
    void aCheckUnderWayIsStoppedWhenTheTextChangesAndWhenTheViewCloses()
    {
        std::atomic<int> entered{0};
        std::atomic<int> stopped{0};
        const MelChecker waitForStop = [&](std::string_view, const std::atomic<bool>& stop) {
            ++entered;
            // Gives up after a long while, which fails the test.
            for (int i = 0; i < 2000 && !stop; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            stopped += stop ? 1 : 0;
            return std::vector<MelDiagnostic>{};
        };
        auto e = std::make_unique<Editor>(QByteArray("button;"), waitForStop);
        QTRY_COMPARE(entered.load(), 1);
        e->type("x");
        QTRY_COMPARE(stopped.load(), 1);
        QTRY_COMPARE(entered.load(), 2);
        e->view.reset();
        QCOMPARE(stopped.load(), 2);
    }

    void sendToMayaSendsTheScriptOrTheSelectionAndShowsTheAnswer()
    {
        CommandPortStandIn port(CommandPortStandIn::Behaviour::answer, QByteArray("window1\n", 8) + '\0');
        Editor e("window;\r\nbutton -label \"OK\";\r\nshowWindow;");
        QVERIFY(writeCommandPortAddress(e.profile, port.address()));
        e.key(Qt::Key_Return, Qt::ControlModifier);
        QTRY_VERIFY(logHas(e.log, "window1"));
        QCOMPARE(port.received, QByteArray("window;\nbutton -label \"OK\";\nshowWindow;\n"));
        QCOMPARE(e.log.text(), std::string("window1\r\n"));
        QCOMPARE(e.doc.buffer().LineCount(), 3);  // Ctrl+Return typed no line break

        port.received.clear();
        e.text()->model().setSelection({0, 1}, {0, 2});
        e.key(Qt::Key_Return, Qt::ControlModifier);
        QTRY_COMPARE(port.received, QByteArray("button -label \"OK\";\n"));
        QTRY_COMPARE(e.log.text(), std::string("window1\r\nwindow1\r\n"));

        // Maya reads UTF-8: a Windows-1252 script goes as UTF-8, a UTF-8 one as it is.
        for (const auto& [script, sent] : {std::pair{QByteArray("print \"caf\xE9\";"), QByteArray("print \"caf\xC3\xA9\";\n")},
                                           std::pair{QByteArray("print \"\xE6\x97\xA5\";"), QByteArray("print \"\xE6\x97\xA5\";\n")}}) {
            e.doc.buffer().LoadBytes(std::string_view(script.constData(), static_cast<std::size_t>(script.size())));
            port.received.clear();
            const std::size_t logged = e.log.text().size();
            e.key(Qt::Key_Return, Qt::ControlModifier);
            QTRY_COMPARE(port.received, sent);
            QTRY_VERIFY(e.log.text().size() > logged);  // answered: the port takes the next script
        }
    }

    void anAnswerWithoutItsClosingByteIsShownOnceNothingMoreComes()
    {
        CommandPortStandIn port(CommandPortStandIn::Behaviour::answer, QByteArray("result\n"));
        Editor e("print 1;");
        e.view->commandPort().setReplyWait(60000);
        QVERIFY(writeCommandPortAddress(e.profile, port.address()));
        e.key(Qt::Key_Return, Qt::ControlModifier);
        QTRY_COMPARE_WITH_TIMEOUT(e.log.text(), std::string("result\r\n"), 10 * MayaCommandPort::kReplyQuietMs);
        QVERIFY(!e.view->commandPort().busy());
    }

    // A reply is read as UTF-8 and kept up to 1 MB: a port that answers with megabytes
    // neither fills the memory nor the Output pane.
    void aLongReplyIsCutAt1MBAndAReplyIsReadAsUtf8()
    {
        const QByteArray head("caf\xC3\xA9 ");
        CommandPortStandIn port(CommandPortStandIn::Behaviour::answer, head + QByteArray(3 << 20, 'z') + '\0');
        Editor e("print 1;");
        QVERIFY(writeCommandPortAddress(e.profile, port.address()));
        e.key(Qt::Key_Return, Qt::ControlModifier);
        QTRY_VERIFY(!e.log.text().empty());
        const std::string expected = head.toStdString() + std::string(CommandPortReply::kMaxBytes - head.size(), 'z') +
                                     "\r\n" + CommandPortReply::kCutNote + "\r\n";
        QCOMPARE(e.log.text().size(), expected.size());
        QVERIFY(e.log.text() == expected);
        QVERIFY(!e.view->commandPort().busy());

        // A reply that is not UTF-8 comes from a Windows-1252 system: the log gets it as UTF-8.
        CommandPortStandIn latin(CommandPortStandIn::Behaviour::answer, QByteArray("caf\xE9\n", 5) + '\0');
        Editor other("print 1;");
        QVERIFY(writeCommandPortAddress(other.profile, latin.address()));
        other.key(Qt::Key_Return, Qt::ControlModifier);
        QTRY_COMPARE(other.log.text(), std::string("caf\xC3\xA9\r\n"));
    }

    void aRefusedAClosingAndASilentPortAreEachOneLineWithinTheWait()
    {
        constexpr int kWaitMs = 400;
        CommandPortAddress closed;
        {
            QTcpServer gone;
            QVERIFY(gone.listen(QHostAddress::LocalHost));
            closed = {"127.0.0.1", gone.serverPort()};
        }
        CommandPortStandIn silent(CommandPortStandIn::Behaviour::silent);
        CommandPortStandIn hangUp(CommandPortStandIn::Behaviour::hangUp);
        struct Case {
            CommandPortAddress address;
            const char* line;
        };
        const Case cases[] = {
            {closed, "refused the connection"},
            {hangUp.address(), "closed the connection without an answer"},
            {silent.address(), "no answer from 127.0.0.1"},
        };
        for (const Case& c : cases) {
            Editor e("showWindow;");
            e.view->commandPort().setReplyWait(kWaitMs);
            QVERIFY(writeCommandPortAddress(e.profile, c.address));
            QElapsedTimer clock;
            clock.start();
            e.key(Qt::Key_Return, Qt::ControlModifier);
            // The window goes on taking keys while the port is waited for.
            e.key(Qt::Key_End);
            e.type("x");
            QCOMPARE(e.line(0), std::string("showWindow;x"));
            QTRY_VERIFY_WITH_TIMEOUT(!e.log.text().empty(), 5 * kWaitMs);
            QVERIFY2(logHas(e.log, c.line), e.log.text().c_str());
            QVERIFY(clock.elapsed() < 5 * kWaitMs);
            QVERIFY(!e.view->commandPort().busy());
            // One line, starting with the command's name.
            QCOMPARE(e.log.text().rfind("Send to Maya: ", 0), std::size_t{0});
            QCOMPARE(e.log.text().find("\r\n"), e.log.text().size() - 2);
        }
        QCOMPARE(silent.received, QByteArray("showWindow;\n"));
    }

    void inTheApplicationTheMenuSendsToTheOutputPaneAndTheStatusBarTellsTheFinding()
    {
        CommandPortStandIn port(CommandPortStandIn::Behaviour::answer, QByteArray("abc\n", 4) + '\0');
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("s.mel"));
        QVERIFY(test::writeFile(path, "print \"abc;\r\n"));
        MemoryProfile profile;
        QVERIFY(writeCommandPortAddress(profile, port.address()));
        test::AppRun run(profile);
        QVERIFY(run.started());
        QVERIFY(run.app().docManager().openDocumentFile(path));
        auto* view = qobject_cast<CMELEditorView*>(run.app().docManager().activeView());
        QVERIFY(view);

        // The shipped checks find the open string; the cursor on it shows their text.
        QTRY_VERIFY(!view->textView()->diagnosticMarks().marks().empty());
        const DiagnosticMark mark = view->textView()->diagnosticMarks().marks().front();
        view->textView()->model().setCursor(mark.start);
        view->textView()->afterCursorMove();
        QCOMPARE(run.frame()->statusBar()->currentMessage(), QString::fromLatin1(mark.text));

        // The answer is shown: a hidden Output pane opens.
        if (!run.frame()->outputPane()->isHidden())
            run.frame()->togglePane(PaneId::output);
        QVERIFY(run.frame()->outputPane()->isHidden());
        run.frame()->action(CommandId::sendToMaya)->trigger();
        QTRY_VERIFY(logHas(run.app().outputLog(), "abc"));
        QVERIFY(!run.frame()->outputPane()->isHidden());
        QCOMPARE(port.received, QByteArray("print \"abc;\n"));
    }

    void aSecondSendWhileTheFirstWaitsIsRefusedWithALine()
    {
        CommandPortStandIn silent(CommandPortStandIn::Behaviour::silent);
        Editor e("showWindow;");
        QVERIFY(writeCommandPortAddress(e.profile, silent.address()));
        e.key(Qt::Key_Return, Qt::ControlModifier);
        e.key(Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(logHas(e.log, "still waiting"));
        QTRY_COMPARE(silent.received, QByteArray("showWindow;\n"));
    }
};

ORVANTE_GUI_TEST_MAIN(EditorAssistTest)
#include "editor_assist_test.moc"
