// The script editor on real widgets (offscreen): opening a 100,000-line script to its first
// painted screen, paging through it with a repaint per page, its memory against its file
// size, one keystroke with its repaint at the top, middle and end of a 100-line and of a
// 1,000,000-line script (the figures must not grow with the script), typing at the top
// while a second view shows the end, keystrokes into a 100,000-line script while the
// checks run in their worker thread against none running, a screen repainted and
// scrolled by the wheel against a bare QPlainTextEdit showing the same text, and hostile
// scripts (one 4 MB line, 15 million tiny statements) opened and typed into.
#include "app/QtPrompts.h"
#include "editor/CMELEditorView.h"
#include "editor/CScriptDoc.h"
#include "melparse/MelChecks.h"
#include "mel/CommandDatabase.h"
#include "settings/Profile.h"
#include "settings/SettingsRecord.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QWheelEvent>

#include "../BenchScripts.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace {

std::string melScript(int lines)
{
    const char* const body[] = {
        "global proc string makeWindow%d(int $count)",
        "{",
        "\t// builds the window and returns its name",
        "\tstring $win = `window -title \"Tool %d\" -wh 300 200`;",
        "\tcolumnLayout -adjustableColumn true -rowSpacing 4;",
        "\t\tbutton -label \"Apply\" -command (\"apply(\" + $count + \")\") -width 80;",
        "\tshowWindow $win;  /* a short block comment */",
        "\treturn $win;",
        "}",
        "",
    };
    return orv::bench::repeatScriptBody(body, lines);
}

std::string scriptFile(int lines)
{
    const auto path = std::filesystem::temp_directory_path() / ("orvante_gui_bench_" + std::to_string(lines) + ".mel");
    if (!std::filesystem::exists(path))
        std::ofstream(path, std::ios::binary) << melScript(lines);
    return path.string();
}

QApplication& app()
{
    static int argc = 1;
    static char name[] = "bench_gui_editor";
    static char* argv[] = {name, nullptr};
    static QApplication* instance = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* a = new QApplication(argc, argv);
        orv::LoadMelCommandWords(std::string(ORVANTE_DATABASE_DIR) + "/MEL Commands.txt");
        return a;
    }();
    return *instance;
}

// The bytes the program holds on its heap now (freed memory that the allocator keeps for
// reuse does not count, unlike the resident size).
double heapKb()
{
    return static_cast<double>(mallinfo2().uordblks) / 1024.0;
}

// An open script in its view, as a document window shows it.
struct OpenScript {
    explicit OpenScript(const std::string& path)
    {
        doc.onOpenDocument(QString::fromStdString(path));
        view = std::make_unique<orv::CMELEditorView>(&doc, settings, profile, prompts);
        view->resize(900, 700);
        view->onInitialUpdate();
        view->show();
        view->textView()->setFocus();
    }
    // Paints the visible screen of a view (the script's own by default) as the window
    // system would.
    void paint(orv::CMELEditorView* of = nullptr)
    {
        QWidget* port = (of ? of : view.get())->textView()->viewport();
        if (image.size() != port->size())
            image = QImage(port->size(), QImage::Format_RGB32);
        port->render(&image);
    }
    void key(int key, const QString& text = {}, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(view->textView(), &press);
    }

    // First: the document's font is only right once the application exists.
    QApplication& application = app();
    orv::SettingsRecord settings;
    orv::MemoryProfile profile;
    orv::QtPrompts prompts;
    orv::CScriptDoc doc;
    std::unique_ptr<orv::CMELEditorView> view;
    QImage image;
};

void BM_OpenScriptToFirstPaint100k(benchmark::State& state)
{
    const std::string path = scriptFile(100000);
    for (auto _ : state) {
        OpenScript script(path);
        script.paint();
    }
}
BENCHMARK(BM_OpenScriptToFirstPaint100k)->Unit(benchmark::kMillisecond);

void BM_PageDownTopToBottom100k(benchmark::State& state)
{
    OpenScript script(scriptFile(100000));
    int pages = 0;
    for (auto _ : state) {
        script.key(Qt::Key_Home, {}, Qt::ControlModifier);
        pages = 0;
        while (script.view->textView()->model().cursor().line + 1 < script.doc.buffer().LineCount()) {
            script.key(Qt::Key_PageDown);
            script.paint();
            ++pages;
        }
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_PageDownTopToBottom100k)->Unit(benchmark::kMillisecond);

void BM_MemoryOfOpenScript100k(benchmark::State& state)
{
    const std::string path = scriptFile(100000);
    const double fileKb = static_cast<double>(std::filesystem::file_size(path)) / 1024.0;
    double grownKb = 0;
    for (auto _ : state) {
        const double before = heapKb();
        OpenScript script(path);
        script.paint();
        grownKb = heapKb() - before;
    }
    state.counters["file_kB"] = fileKb;
    state.counters["heap_kB"] = grownKb;
    state.counters["ratio"] = grownKb / fileKb;
}
BENCHMARK(BM_MemoryOfOpenScript100k)->Iterations(1)->Unit(benchmark::kMillisecond);

// range(0) lines; range(1): 0 top, 1 middle, 2 end; range(2): 0 a character, 1 Enter, 2 a
// Backspace joining two lines (each followed by the repaint of the screen).
void BM_KeystrokeWithRepaint(benchmark::State& state)
{
    const int lines = static_cast<int>(state.range(0));
    OpenScript script(scriptFile(lines));
    auto& view = *script.view->textView();
    const int where = static_cast<int>(state.range(1));
    const int line = where == 0 ? 1 : where == 1 ? lines / 20 * 10 + 1 : (lines - 20) / 10 * 10 + 1;
    view.model().setCursor({0, line});  // a line "{": no indent involved
    view.ensureCursorVisible();
    script.paint();
    const int kind = static_cast<int>(state.range(2));
    for (auto _ : state) {
        if (kind == 0) {
            script.key(Qt::Key_X, QStringLiteral("x"));
        } else if (kind == 1) {
            script.key(Qt::Key_Return, QStringLiteral("\r"));
        } else {
            state.PauseTiming();
            script.key(Qt::Key_Return, QStringLiteral("\r"));
            script.key(Qt::Key_Z, {}, Qt::ControlModifier);  // the indent added by Enter, if any
            state.ResumeTiming();
            script.key(Qt::Key_Backspace);
        }
        script.paint();
        // The line goes back as it was, untimed: a line that grew would scroll the view
        // onto empty columns.
        if (kind == 0) {
            state.PauseTiming();
            script.key(Qt::Key_Backspace);
            state.ResumeTiming();
        } else if (kind == 1) {
            state.PauseTiming();
            script.key(Qt::Key_Z, {}, Qt::ControlModifier);
            script.key(Qt::Key_Z, {}, Qt::ControlModifier);
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_KeystrokeWithRepaint)
    ->ArgNames({"lines", "where", "key"})
    ->ArgsProduct({{100, 1000000}, {0, 1, 2}, {0, 1, 2}})
    ->Unit(benchmark::kMicrosecond);

// Typing at the top of a script of range(0) lines while a second view of it (Window > New
// Window) shows its end: a character with the repaint of both views, the line restored
// untimed. The figures must not grow with the script.
void BM_KeystrokeAtTopWithSecondViewAtEnd(benchmark::State& state)
{
    const int lines = static_cast<int>(state.range(0));
    OpenScript script(scriptFile(lines));
    orv::CMELEditorView second(&script.doc, script.settings, script.profile, script.prompts);
    second.resize(900, 700);
    second.onInitialUpdate();
    second.show();
    second.textView()->model().setCursor({0, lines - 1});
    second.textView()->ensureCursorVisible();
    auto& view = *script.view->textView();
    view.model().setCursor({0, 1});  // a line "{": no indent involved
    view.ensureCursorVisible();
    script.paint();
    script.paint(&second);
    for (auto _ : state) {
        script.key(Qt::Key_X, QStringLiteral("x"));
        script.paint();
        script.paint(&second);
        state.PauseTiming();
        script.key(Qt::Key_Backspace);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_KeystrokeAtTopWithSecondViewAtEnd)->ArgName("lines")->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// range(0): 0 no checks, 1 a check of the whole script running in its worker thread during
// every keystroke (a character or a Backspace) (one is started again, untimed, whenever the last has ended). Each
// keystroke is timed with its repaint and the events it leaves, a finished check's result
// taken in among them.
void BM_KeystrokeWhileChecking100k(benchmark::State& state)
{
    OpenScript script(scriptFile(100000));
    auto& view = *script.view->textView();
    const bool checking = state.range(0) != 0;
    view.checks().setChecker({});
    view.model().setCursor({0, 50001});
    view.ensureCursorVisible();
    script.paint();
    int overlapped = 0;
    bool typed = false;
    for (auto _ : state) {
        if (checking && !view.checks().checking()) {
            state.PauseTiming();
            view.checks().setChecker(orv::defaultMelChecker());
            state.ResumeTiming();
        }
        overlapped += view.checks().checking() ? 1 : 0;
        // A character and its Backspace in turn: the line stays as long as it was.
        if (typed)
            script.key(Qt::Key_Backspace);
        else
            script.key(Qt::Key_X, QStringLiteral("x"));
        typed = !typed;
        script.paint();
        QCoreApplication::processEvents();
    }
    state.counters["keys_during_a_check"] = benchmark::Counter(overlapped, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_KeystrokeWhileChecking100k)->ArgName("checks")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// What the window's thread spends when typing pauses in a 100,000-line script: the copy of
// the text handed to the worker, and taking the findings in as marks.
void BM_CheckCopyAndMarks100k(benchmark::State& state)
{
    OpenScript script(scriptFile(100000));
    auto& view = *script.view->textView();
    view.checks().setChecker({});
    std::string text;
    for (int line = 0; line < script.doc.buffer().LineCount(); ++line)
        (text += script.doc.buffer().LineText(line)) += '\n';
    // One finding every tenth line, more than a real script would hold.
    std::vector<orv::MelDiagnostic> found;
    for (int line = 1; line <= script.doc.buffer().LineCount(); line += 10)
        found.push_back({line, 1, 3, orv::MelSeverity::warning, "a finding"});
    const bool copy = state.range(0) == 0;
    for (auto _ : state) {
        if (copy) {
            view.checks().setChecker(
                [](std::string_view, const std::atomic<bool>&) { return std::vector<orv::MelDiagnostic>{}; });
            state.PauseTiming();
            while (view.checks().checking())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            QCoreApplication::processEvents();
            state.ResumeTiming();
        } else {
            view.setDiagnostics(found);
        }
    }
    state.counters["findings"] = static_cast<double>(copy ? 0 : found.size());
    state.counters["check_ms"] = 0;
    if (!copy) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(orv::CheckMelScript(text));
        state.counters["check_ms"] = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
}
BENCHMARK(BM_CheckCopyAndMarks100k)->ArgName("marks")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Hostile scripts in the editor: 4 MB of statements on one line (0) and 30 MB of 15 million
// statements "a;" (1). Opened to the first painted screen, then a character typed at the
// start of the text with its repaint (taken back untimed): the window's thread must not be
// held long by either (the checks run in their worker).
std::string hostileScriptFile(int kind)
{
    const auto path = std::filesystem::temp_directory_path() / ("orvante_gui_bench_hostile_" + std::to_string(kind) + ".mel");
    if (std::filesystem::exists(path))
        return path.string();
    std::string script;
    if (kind == 0) {
        while (script.size() < 4000000)
            script += "button -label \"Apply\" -command (\"apply(\" + $count + \")\") -width 80; ";
    } else {
        script.reserve(30000000);
        while (script.size() < 30000000)
            script += "a;";
    }
    std::ofstream(path, std::ios::binary) << script;
    return path.string();
}

void BM_OpenHostileScriptToFirstPaint(benchmark::State& state)
{
    const std::string path = hostileScriptFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto script = std::make_unique<OpenScript>(path);
        script->paint();
        state.PauseTiming();
        script.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenHostileScriptToFirstPaint)->ArgName("tiny_statements")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_KeystrokeInHostileScript(benchmark::State& state)
{
    OpenScript script(hostileScriptFile(static_cast<int>(state.range(0))));
    script.paint();
    for (auto _ : state) {
        script.key(Qt::Key_X, QStringLiteral("x"));
        script.paint();
        state.PauseTiming();
        script.key(Qt::Key_Z, {}, Qt::ControlModifier);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_KeystrokeInHostileScript)->ArgName("tiny_statements")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The anchor of the painting figures: a bare QPlainTextEdit showing the same script in the
// editor's font and size, without wrapping, tabs four cells wide.
struct PlainScript {
    explicit PlainScript(const std::string& path, const QFont& font)
    {
        std::ifstream file(path, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        edit.setFont(font);
        edit.setLineWrapMode(QPlainTextEdit::NoWrap);
        edit.setTabStopDistance(4 * QFontMetricsF(font).horizontalAdvance(QLatin1Char('X')));
        edit.setPlainText(QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())));
        edit.resize(900, 700);
        edit.show();
    }
    QApplication& application = app();
    QPlainTextEdit edit;
};

// A screen of a 1,000-line script: range(0) 0 the editor's view, 1 a bare QPlainTextEdit.
// range(1) 0: the screen repainted as it is; 1: one wheel notch (three lines) and the
// repaint, twenty notches down then twenty back up, over and over.
void BM_PaintScreen(benchmark::State& state)
{
    const std::string path = scriptFile(1000);
    OpenScript script(path);
    std::unique_ptr<PlainScript> plain;
    QAbstractScrollArea* area = script.view->textView();
    if (state.range(0) == 1) {
        plain = std::make_unique<PlainScript>(path, script.view->textView()->viewFont());
        area = &plain->edit;
    }
    QWidget* port = area->viewport();
    QImage image(port->size(), QImage::Format_RGB32);
    port->render(&image);
    const bool wheel = state.range(1) == 1;
    int notch = 0;
    for (auto _ : state) {
        if (wheel) {
            const int delta = notch++ % 40 < 20 ? -120 : 120;
            const QPointF at(port->width() / 2.0, port->height() / 2.0);
            QWheelEvent event(at, port->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(port, &event);
        }
        port->render(&image);
    }
    state.counters["top_line"] = area->verticalScrollBar()->value();
}
BENCHMARK(BM_PaintScreen)
    ->ArgNames({"plain", "wheel"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
