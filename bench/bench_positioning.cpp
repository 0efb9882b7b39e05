// The four-axis positioning editor on tables of 16 and 256 steps: opening it on module data
// (four grids filled from the four-axis store), a switch to decimal display and back, and in
// CSV work the load of a positioning file of 16 and of 256 steps of all four axes through
// "Execute" (reading, checking and merging into the Setting rows; shown without the file
// dialog's fixed 0.2 s wait) and the merge alone.
// Milliseconds for each, the median of a few runs, and the 256-step figure against the
// 16-step one (linear in the table size: at most 20 times).
//
//     bench_positioning [runs]      (default: 5)
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <QTemporaryDir>
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
    double open = 0, toggle = 0, load = 0, merge = 0;
};

// A four-axis positioning file of every item of points 0..steps-1 of the four axes.
std::string positioningFile(int steps)
{
    std::string text = "A Axis,A\r\nB Axis,B\r\nC Axis,C\r\nD Axis,D\r\n";
    const char* digits = "0123456789ABCDEF";
    for (int a = 0; a < 4; ++a)
        for (int pt = 0; pt < steps; ++pt)
            for (int i = 0; i < 7; ++i) {
                std::string key = std::to_string(a);
                for (int shift = 8; shift >= 0; shift -= 4) key += digits[(pt >> shift) & 0xF];
                std::string low = hexText(static_cast<uint64_t>(0x100 + pt));
                Hex4_Zero(low);
                text += key + "," + std::to_string(i) + "," + (i >= 5 ? "0001" + low : low) + "\r\n";
            }
    return text;
}

Figures run(Forms& f, const QTemporaryDir& dir, int steps, int runs)
{
    std::vector<double> open, toggle, load, merge;
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
    Z4AutoCsvData file;
    for (size_t a = 0; a < 4; ++a)
        for (int pt = 0; pt < steps; ++pt)
            for (size_t i = 0; i < 7; ++i)
                {
                    std::string low = hexText(static_cast<uint64_t>(0x100 + pt));
                    Hex4_Zero(low);
                    file(static_cast<int>(a), pt, static_cast<int>(i)) = i >= 5 ? "0001" + low : low;
                }
    const QString name = QDir(dir.path()).filePath(QString("steps%1.csv").arg(steps));
    {
        QFile out(name);
        const std::string text = positioningFile(steps);
        if (!out.open(QIODevice::WriteOnly) || out.write(text.data(), static_cast<qint64>(text.size())) < 0) std::exit(2);
    }
    f.fileDialog.exec = [name](QFileDialog& d) {
        d.selectFile(name);
        return true;
    };
    for (int k = 0; k < runs; ++k) {
        frmAutoRunZr4Mode& e = openOn(f, 256, true);
        load.push_back(ms([&] { e.AutoZ4Csv_Cmd1->click(); }) - 200.0);
        e.close();
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
    return {median(open), median(toggle), median(load), median(merge)};
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
    QTemporaryDir dir;
    const Figures small = run(f, dir, 16, runs), large = run(f, dir, 256, runs);
    std::printf("four-axis positioning editor, median of %d runs (ms)\n", runs);
    std::printf("  %-38s %10s %10s %8s\n", "", "16 steps", "256 steps", "ratio");
    const auto line = [](const char* what, double a, double b) {
        std::printf("  %-38s %10.2f %10.2f %8.1f\n", what, a, b, b / a);
    };
    line("open on module data", small.open, large.open);
    line("decimal display and back", small.toggle, large.toggle);
    line("CSV file load (beyond the 0.2 s wait)", small.load, large.load);
    line("file values into Setting rows", small.merge, large.merge);
    return sink.count == 0 ? 0 : 1;
}
