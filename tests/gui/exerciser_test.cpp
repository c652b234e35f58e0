// A random user at the main window, one run per kind of document (script, window, icon,
// project): keys, typed MEL, shortcuts, clicks, drags and wheel turns with dialogs and menus
// answered, under a watchdog. In the test suite each run is short and seeded; longer ones (under
// the sanitizers, scripts/exercise) set the environment:
//   ORVANTE_EXERCISE_SEED     the seed (1 unless set; "random" draws one and prints it)
//   ORVANTE_EXERCISE_EVENTS   the steps of each run (250 unless set)
//   ORVANTE_EXERCISE_SECONDS  the time of each run, whichever ends first (90 unless set)
//   ORVANTE_EXERCISE_HANG_SECONDS  how long an event may take before the run counts as hung (10)
//   ORVANTE_EXERCISE_LOG      a file prefix: each run's events go to PREFIX-KIND.log
// A failing run replays with its seed and its step count (the log's last "#N").
#include "GuiExerciser.h"
#include "TestFiles.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

using namespace orv;
using namespace orv::test;

namespace {

qint64 setting(const char* name, qint64 otherwise)
{
    bool ok = false;
    const qint64 value = qEnvironmentVariable(name).toLongLong(&ok);
    return ok ? value : otherwise;
}

qint64 runSeconds()
{
    return setting("ORVANTE_EXERCISE_SECONDS", 90);
}

// The files a run offers to open: scripts and windows of the fixtures, icons and projects with
// any content, pictures to import, and a folder named as a script.
bool fillFolder(const QString& folder)
{
    static const char* const fixtures[] = {
        "lint/brackets.mel",        "lint/flags.mel",           "lint/strings.mel",
        "colouring/comments.mel",   "colouring/edges.mel",      "melimport/studio_tool.mel",
        "designer/render_options.wnd", "designer/worked_window.wnd", "uimodel/hostile_values.wnd",
        "uimodel/worked_example.wnd",  "uimodel/no_title_bar.wnd",
    };
    const QDir dir(folder);
    for (const char* fixture : fixtures) {
        const QString source = QStringLiteral(ORVANTE_FIXTURES_DIR "/") + QLatin1String(fixture);
        if (!QFile::copy(source, dir.filePath(QFileInfo(source).fileName())))
            return false;
    }
    QImage picture(48, 40, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    const QImage small = QImage(16, 16, QImage::Format_RGB32);
    return picture.save(dir.filePath(QStringLiteral("picture.bmp"))) && small.save(dir.filePath(QStringLiteral("small.bmp"))) &&
           writeFile(dir.filePath(QStringLiteral("empty.mel")), {}) &&
           writeFile(dir.filePath(QStringLiteral("shelf.icm")), "whatever was here") &&
           writeFile(dir.filePath(QStringLiteral("blank.icm")), {}) &&
           writeFile(dir.filePath(QStringLiteral("game.mp")), {}) &&
           writeFile(dir.filePath(QStringLiteral("binary.wnd")), QByteArray("\0\x01\xff<window", 11)) &&
           dir.mkdir(QStringLiteral("folder.mel"));
}

} // namespace

// Addresses the program opens (help, web pages) are noted, never given to the desktop.
class AddressCatcher : public QObject {
    Q_OBJECT

public:
    AddressCatcher()
    {
        for (const char* scheme : {"http", "https", "file", "mailto"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "open");
    }
    ~AddressCatcher() override
    {
        for (const char* scheme : {"http", "https", "file", "mailto"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }

public slots:
    void open(const QUrl&) {}
};

class ExerciserTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The offscreen platform says at every menu that it cannot grab the keyboard, and so on.
        s_testLogHandler = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
                if (!message.startsWith(QStringLiteral("This plugin does not support")))
                    s_testLogHandler(type, context, message);
            });
    }
    void cleanupTestCase() { qInstallMessageHandler(s_testLogHandler); }

    void script() { exercise(DocumentKind::script, "script"); }
    void window() { exercise(DocumentKind::window, "window"); }
    void icon() { exercise(DocumentKind::icon, "icon"); }
    void project() { exercise(DocumentKind::project, "project"); }

    // A window thread that stops answering ends the run with its newest events and a status
    // of its own (in a child process, as the watchdog ends the process it watches).
    void watchdogEndsAHungRun()
    {
        int output[2];
        QVERIFY(pipe(output) == 0);
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            dup2(output[1], STDERR_FILENO);
            EventLog log(QString(), QStringLiteral("hung run"));
            log.write(QStringLiteral("#1 the event that never comes back"));
            HangWatchdog watchdog(log, std::chrono::seconds(1));
            std::this_thread::sleep_for(std::chrono::seconds(30));
            _exit(0);
        }
        close(output[1]);
        QByteArray report;
        char buffer[4096];
        for (ssize_t got; (got = read(output[0], buffer, sizeof buffer)) > 0;)
            report.append(buffer, got);
        close(output[0]);
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), HangWatchdog::kExitStatus);
        QVERIFY2(report.contains("HANG: no event came back in") && report.contains("hung run") &&
                     report.contains("#1 the event that never comes back"),
                 report.constData());
    }

private:
    void exercise(DocumentKind kind, const char* name)
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QVERIFY(fillFolder(folder.path()));
        const QString seedText = qEnvironmentVariable("ORVANTE_EXERCISE_SEED");
        const std::uint64_t seed = seedText == QStringLiteral("random") ? QRandomGenerator::global()->generate64() % 1000000000
                                                                         : static_cast<std::uint64_t>(setting("ORVANTE_EXERCISE_SEED", 1));
        const qint64 steps = setting("ORVANTE_EXERCISE_EVENTS", 250);
        const auto time = std::chrono::seconds(runSeconds());
        const QString prefix = qEnvironmentVariable("ORVANTE_EXERCISE_LOG");
        // The step count of a replay is the last step of the log ("#N").
        EventLog log(prefix.isEmpty() ? QString() : prefix + QLatin1Char('-') + QLatin1String(name) + QStringLiteral(".log"),
                     QStringLiteral("%1 run, seed %2; replay: ORVANTE_EXERCISE_SEED=%2 ORVANTE_EXERCISE_EVENTS=<last #N> "
                                    "gui_exerciser_test %1")
                         .arg(QLatin1String(name))
                         .arg(seed));
        HangWatchdog watchdog(log, std::chrono::seconds(setting("ORVANTE_EXERCISE_HANG_SECONDS", 10)));
        const QString dataDir = QFileInfo(QStringLiteral(ORVANTE_DATABASE_DIR "/..")).absoluteFilePath();
        QElapsedTimer clock;
        clock.start();
        GuiExerciser exerciser(kind, seed + static_cast<std::uint64_t>(kind), folder.path(), dataDir, log, watchdog);
        const bool clean = exerciser.run(steps, time);
        const QString summary = QStringLiteral("%1: seed %2, %3 steps, %4 events in %5 s")
                                    .arg(QLatin1String(name))
                                    .arg(seed)
                                    .arg(exerciser.steps())
                                    .arg(exerciser.events())
                                    .arg(clock.elapsed() / 1000.0, 0, 'f', 1);
        log.write(summary);
        qInfo("%s", qPrintable(summary));
        if (!clean)
            std::fprintf(stderr, "%s\n", log.newest().c_str());
        QVERIFY2(clean, qPrintable(QStringLiteral("%1 (seed %2, step %3)").arg(exerciser.failure()).arg(seed).arg(exerciser.steps())));
    }

    static inline QtMessageHandler s_testLogHandler = nullptr;
    AddressCatcher m_addresses;
};

int main(int argc, char** argv)
{
    // The user's folders are the run's own: settings, data (recovery files) and home (where a
    // script never saved prints to).
    QTemporaryDir home;
    for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "HOME"})
        qputenv(variable, home.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt Test ends a test function after five minutes; a long run needs its time and the start
    // and end of the application beside it (a hang is the run's own watchdog's to report).
    if (qEnvironmentVariableIsEmpty("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number((runSeconds() + 300) * 1000));
    QApplication app(argc, argv);
    ExerciserTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "exerciser_test.moc"
