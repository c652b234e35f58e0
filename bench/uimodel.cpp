// The element model's costs that a user feels: one relayout of a deep or wide window, the
// MEL export, reading a window file, and the memory an element holds.
#include "mel/CommandDatabase.h"
#include "uimodel/CUIColumnLayout.h"
#include "uimodel/CUILabelledControls.h"
#include "uimodel/CUIOrientedControls.h"
#include "uimodel/CUIRowLayout.h"
#include "uimodel/CUITextEntries.h"
#include "uimodel/CUIWindow.h"
#include "uimodel/MelGenerator.h"
#include "uimodel/WindowFile.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <memory>

using namespace orv;

namespace {

template <class T>
T& add(CUIElement& parent)
{
    auto element = std::make_unique<T>(parent);
    T& ref = *element;
    parent.AddChild(std::move(element));
    return ref;
}

struct Model {
    SettingsRecord settings;
    UIModelContext context{settings};
    CUIWindow window{context};
    CUIElement* deepest = nullptr;
};

// A column layout nested 30 deep, a button at each level.
std::unique_ptr<Model> nestedColumns(int depth)
{
    auto model = std::make_unique<Model>();
    CUIElement* parent = &model->window;
    for (int level = 0; level < depth; ++level) {
        auto& column = add<CUIColumnLayout>(*parent);
        FlagValueTable flags = column.flags();
        flags[CUIColumnLayout::kAdjustableColumn] = std::string("on");
        flags[CUIColumnLayout::kRowSpacing] = std::string("2");
        column.ApplyFlags(flags);
        add<CUIButton>(column);
        parent = &column;
    }
    model->deepest = parent;
    return model;
}

// Rows of five controls under one column layout: 6 elements a row, plus the column and
// the window.
std::unique_ptr<Model> controlRows(int rows)
{
    auto model = std::make_unique<Model>();
    auto& column = add<CUIColumnLayout>(model->window);
    for (int r = 0; r < rows; ++r) {
        auto& row = add<CUIRowLayout>(column);
        add<CUIButton>(row);
        add<CUICheckBox>(row);
        add<CUITextField>(row);
        add<CUIFloatField>(row);
        add<CUIIntSlider>(row);
    }
    model->deepest = &column;
    return model;
}

// A window with 1,000 controls.
std::unique_ptr<Model> thousandControls()
{
    return controlRows(200);
}

void loadDatabase()
{
    static const bool loaded = LoadMelCommandDatabase(std::string(ORVANTE_DATABASE_DIR) + "/melcmd.dat") == LoadResult::ok;
    (void)loaded;
}

} // namespace

static void BM_RelayoutNested30FromDeepest(benchmark::State& state)
{
    const auto model = nestedColumns(30);
    for (auto _ : state) {
        // A settled tree is left alone: the figure is that of arranging all of it.
        model->window.unsettleSubtree();
        model->deepest->Relayout(nullptr);
    }
}
BENCHMARK(BM_RelayoutNested30FromDeepest)->Unit(benchmark::kMicrosecond);

static void BM_RelayoutThousandControls(benchmark::State& state)
{
    const auto model = thousandControls();
    for (auto _ : state) {
        // A settled tree is left alone: the figure is that of arranging all of it.
        model->window.unsettleSubtree();
        model->deepest->Relayout(nullptr);
    }
}
BENCHMARK(BM_RelayoutThousandControls)->Unit(benchmark::kMicrosecond);

static void BM_ExportNested30(benchmark::State& state)
{
    loadDatabase();
    const auto model = nestedColumns(30);
    for (auto _ : state)
        benchmark::DoNotOptimize(GenerateWindowScript(model->window, false));
}
BENCHMARK(BM_ExportNested30)->Unit(benchmark::kMicrosecond);

static void BM_ExportThousandControls(benchmark::State& state)
{
    loadDatabase();
    const auto model = thousandControls();
    for (auto _ : state)
        benchmark::DoNotOptimize(GenerateWindowScript(model->window, false));
}
BENCHMARK(BM_ExportThousandControls)->Unit(benchmark::kMillisecond);

static void BM_ReadThousandControls(benchmark::State& state)
{
    const std::string file = WriteWindowFile(thousandControls()->window);
    for (auto _ : state) {
        Model model;
        OutputLog log;
        benchmark::DoNotOptimize(ReadWindowFile(file, model.window, log));
    }
}
BENCHMARK(BM_ReadThousandControls)->Unit(benchmark::kMillisecond);

// 1,666 rows: 10,000 elements with the column and the window.
static void BM_ReadTenThousandElements(benchmark::State& state)
{
    const std::string file = WriteWindowFile(controlRows(1666)->window);
    for (auto _ : state) {
        Model model;
        OutputLog log;
        benchmark::DoNotOptimize(ReadWindowFile(file, model.window, log));
    }
}
BENCHMARK(BM_ReadTenThousandElements)->Unit(benchmark::kMillisecond);

static void BM_BuildThousandControls(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(thousandControls());
}
BENCHMARK(BM_BuildThousandControls)->Unit(benchmark::kMillisecond);

static void BM_BuildTenThousandElements(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(controlRows(1666));
}
BENCHMARK(BM_BuildTenThousandElements)->Unit(benchmark::kMillisecond);

namespace {

std::size_t elementsUnder(const CUIElement& element)
{
    std::size_t count = 1;
    for (const auto& child : element.children())
        count += elementsUnder(*child);
    return count;
}

// The bytes the program holds on its heap now (freed memory kept for reuse does not count).
double heapBytes()
{
    return static_cast<double>(mallinfo2().uordblks);
}

} // namespace

// The memory one element of a 10,000-element window holds: the heap the whole model takes
// (the element objects, their flag values, names, previews' state) over the element count.
static void BM_MemoryPerElement(benchmark::State& state)
{
    double perElement = 0;
    for (auto _ : state) {
        const double before = heapBytes();
        const auto model = controlRows(1666);
        perElement = (heapBytes() - before) / static_cast<double>(elementsUnder(model->window));
    }
    state.counters["bytes_per_element"] = perElement;
    state.counters["sizeof_button"] = sizeof(CUIButton);
}
BENCHMARK(BM_MemoryPerElement)->Iterations(1)->Unit(benchmark::kMillisecond);
