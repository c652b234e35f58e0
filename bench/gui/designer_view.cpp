// The designer's costs that a user feels on a large window: opening a file of 1,000 controls
// into a shown designer view (previews, relayout, hierarchy), and one insertion into a window
// of 1,000 or 10,000 controls (element and preview, relayout, tree item, repaint), alone or
// with a second view of the window.
#include "designer/CInterfaceEditorView.h"
#include "designer/CNavigatorTreeCtrl.h"
#include "designer/CWindowDoc.h"
#include "designer/DesignMode.h"
#include "designmodel/InsertCommands.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

using namespace orv;

namespace {

constexpr int kControlsARow = 5;

// A column layout of rows, each with a button, a check box, a text, a text field and a slider.
QByteArray controlRows(int rows)
{
    QByteArray file = "[ORVANTE 0.4]\r\n[UI_Window]\r\n[window]\r\nWindow\r\n1\r\n3\t600\r\n23\t500\r\n"
                      "\t[columnLayout]\r\n\tColumnLayout0\r\n\t1\r\n";
    const char* const controls[][2] = {{"button", "16\t80\r\n\t\t\t9\t28"},
                                       {"checkBox", "20\t90\r\n\t\t\t10\t24"},
                                       {"text", "16\t60\r\n\t\t\t9\t17"},
                                       {"textField", "21\t100\r\n\t\t\t12\t23"},
                                       {"intSlider", "19\t100\r\n\t\t\t9\t17"}};
    for (int row = 0; row < rows; ++row) {
        file += "\t\t[rowLayout]\r\n\t\tRow" + QByteArray::number(row) + "\r\n\t\t1\r\n";
        for (const auto& control : controls)
            file += QByteArray("\t\t\t[") + control[0] + "]\r\n\t\t\tC\r\n\t\t\t1\r\n\t\t\t" + control[1] + "\r\n";
    }
    return file + "[EUI]\r\n";
}

struct Surface {
    SettingsRecord record;
    UIModelContext context{record};
    OutputLog log;
    CNavigatorTreeCtrl tree;
    DesignerHost host;
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("large.wnd"));

    explicit Surface(int controls = 1000)
    {
        host.record = &record;
        host.context = &context;
        host.log = &log;
        host.hierarchy = &tree;
        tree.show();
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(controlRows(controls / kControlsARow));
    }
};

// A document opened into a shown view, as the framework opens it.
struct OpenWindow {
    CWindowDoc doc;
    CInterfaceEditorView* view;

    explicit OpenWindow(Surface& s) : doc(s.host)
    {
        doc.onOpenDocument(s.path);
        view = new CInterfaceEditorView(&doc);
        view->resize(800, 700);
        view->show();
        view->onInitialUpdate();
        view->onActivateView(true);
        QApplication::processEvents();
    }
    ~OpenWindow() { delete view; }
};

void BM_OpenThousandControls(benchmark::State& state)
{
    Surface surface;
    for (auto _ : state) {
        auto open = std::make_unique<OpenWindow>(surface);
        state.PauseTiming();
        state.counters["rows"] = open->doc.window().children().front()->childCount();
        state.counters["treeItems"] = static_cast<double>(surface.tree.topLevelItemCount());
        open.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenThousandControls)->Unit(benchmark::kMillisecond);

// Arguments: the window's controls, and 1 with a second view of the document, whose preview
// follows and repaints too.
void BM_InsertIntoControls(benchmark::State& state)
{
    Surface surface(static_cast<int>(state.range(0)));
    OpenWindow open(surface);
    std::unique_ptr<CInterfaceEditorView> other;
    if (state.range(1)) {
        other = std::make_unique<CInterfaceEditorView>(&open.doc);
        other->resize(800, 700);
        other->show();
        other->onInitialUpdate();
        open.view->onActivateView(true);   // the insertions come from the first view
        QApplication::processEvents();
    }
    CUIElement& column = *open.doc.window().children().front();
    int inserted = 0;
    for (auto _ : state) {
        surface.tree.selectElement(&column);
        CUIElement* made = nullptr;
        if (open.view->InsertElement(insert_category::button, 0, 4, false, {}) == 4)
            made = column.children().back().get();
        inserted += made ? 1 : 0;
        open.view->repaint();
        if (other)
            other->repaint();
        state.PauseTiming();
        if (made)
            open.view->designer().remove(*made);
        state.ResumeTiming();
    }
    state.counters["inserted"] = inserted;
}
BENCHMARK(BM_InsertIntoControls)
    ->ArgNames({"controls", "second_view"})
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->Args({10000, 0})
    ->Args({10000, 1})
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
