// The four-axis positioning editor on tables of 16 and 256 steps: opening it on module data
// (four grids filled from the four-axis store), a switch to decimal display and back, and in
// CSV work the merge of a file of 16 and of 256 steps of all four axes into the Setting rows.
// Milliseconds for each, the median of a few runs, and the 256-step figure against the
// 16-step one (linear in the table size: at most 20 times).
//
//     bench_positioning [runs]      (default: 5)
#include <QApplication>
#include <QRadioButton>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "BenchClock.h"

#include "app/Forms.h"
#include "platform/FlexGrid.h"
#include "positioning/StepEdit.h"
#include "positioning/ui/frmAutoRunZr4Mode.h"
#include "shared/Conversions.h"
#include "shared/FormNumbers.h"
#include "shared/ModelTable.h"

using namespace posmod;

namespace {

double ms(const std::function<void()>& f)
{
    using namespace std::chrono;
    const auto t0 = steady_clock::now();
    f();
    return duration<double, std::milli>(steady_clock::now() - t0).count();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The editor opened as the main window opens it after a read of steps 0..steps-1.
frmAutoRunZr4Mode& openOn(Forms& f, int steps, bool csv)
{
    Public& p = f.pub;
    Model_Choose(p, "JV-ZR4");
    for (size_t s = 0; s < 256; ++s)
        for (size_t a = 0; a < 4; ++a)
            for (size_t w = 0; w < 9; ++w)
                p.Z4AutoData[s][a][w].Word = hexText(0x8000 + s * 0x10 + a * 0x100 + w); // 4 digits
    p.StepRange = {3, 0, steps - 1};
    p.DataSourceCaption = csv ? "[Csv file]" : "";
    auto& e = f.window<frmAutoRunZr4Mode>();
    if (e.isVisible() && !e.close()) {
        std::fprintf(stderr, "the editor refused to close\n");
        std::exit(2);
    }
    f.openAtMain(form::frmAutoRunZr4Mode);
    return e;
}

struct Figures {
    double open = 0, toggle = 0, merge = 0;
};

Figures run(Forms& f, int steps, int runs)
{
    std::vector<double> open, toggle, merge;
    for (int k = 0; k < runs; ++k) {
        frmAutoRunZr4Mode* e = nullptr;
        open.push_back(ms([&] { e = &openOn(f, steps, false); }));
        toggle.push_back(ms([&] {
            e->AutoDecZ4Option->setChecked(true);
            e->AutoHexZ4Option->setChecked(true);
        }));
        e->close();
    }
    // A file's worth of values for every point of the window, all four axes, all items.
    Zr4AutoCsvData file;
    for (size_t a = 0; a < 4; ++a)
        for (int pt = 0; pt < steps; ++pt)
            for (size_t i = 0; i < 7; ++i)
                {
                    std::string low = hexText(static_cast<uint64_t>(0x100 + pt));
                    Hex4_Zero(low);
                    file(static_cast<int>(a), pt, static_cast<int>(i)) = i >= 5 ? "0001" + low : low;
                }
    for (int k = 0; k < runs; ++k) {
        frmAutoRunZr4Mode& e = openOn(f, 256, true);
        std::array<GridCells*, 4> grids{};
        for (size_t a = 0; a < 4; ++a) grids[a] = e.RunModeZr4Grid[a];
        merge.push_back(ms([&] {
            if (StepZr4_FileMerge(grids, file) != 0) std::fprintf(stderr, "values left out\n");
        }));
        e.close();
    }
    return {median(open), median(toggle), median(merge)};
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QuietSink sink;
    Forms f(&sink);
    f.runDialog = [](QDialog&) {};
    f.pub.SendCancel = -1; // no transfer runs: the editor may close between runs
    const Figures small = run(f, 16, runs), large = run(f, 256, runs);
    std::printf("four-axis positioning editor, median of %d runs (ms)\n", runs);
    std::printf("  %-34s %10s %10s %8s\n", "", "16 steps", "256 steps", "ratio");
    const auto line = [](const char* what, double a, double b) {
        std::printf("  %-34s %10.2f %10.2f %8.1f\n", what, a, b, b / a);
    };
    line("open on module data", small.open, large.open);
    line("decimal display and back", small.toggle, large.toggle);
    line("file values into Setting rows", small.merge, large.merge);
    return sink.count == 0 ? 0 : 1;
}
