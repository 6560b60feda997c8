// A long session at the volume box: 10,000 keys typed into Text1 of the real
// window, every one converted and drawn. What the window keeps of them must not
// grow with their number; the benchmark reports how much the resident memory
// grew over the keys (rss_growth_KB, to stay under 100) and fails above that.

#include "Formkit/textbox.h"
#include "bench/benchwindow.h"

#include <QTest>

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <unistd.h>

#include <cstdio>

using Formkit::TextBox;

namespace {

constexpr int keys = 10000;
constexpr double limitKB = 100;

// Resident memory in bytes, after the heap handed back what it holds free, so
// that only memory still in use counts.
double residentBytes()
{
    malloc_trim(0);
    long pages = 0;
    long resident = 0;
    if (std::FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return double(resident) * double(sysconf(_SC_PAGESIZE));
}

// A digit and Backspace in turn after "12": every key changes the text and
// converts, and the text stays short, as in a long day of trying volumes.
void typeKeys(TextBox *text1, int count)
{
    for (int i = 0; i < count; i += 2) {
        QTest::keyClick(text1, Qt::Key(Qt::Key_0 + i / 2 % 10));
        QTest::keyClick(text1, Qt::Key_Backspace);
    }
}

void longSessionMemory(benchmark::State &state)
{
    BenchWindow window(QStringLiteral("Gallon (US)"), QStringLiteral("Liter"));
    if (!window.readyFor(state))
        return;
    window.setVolume(QStringLiteral("12"));
    TextBox *text1 = window->Text1;
    typeKeys(text1, 1000); // caches, glyphs and the like filled once
    residentBytes(); // and what reading the memory size itself needs
    double growth = 0;
    for (auto _ : state) {
        const double before = residentBytes();
        typeKeys(text1, keys);
        growth = residentBytes() - before;
    }
    if (text1->text() != QStringLiteral("12"))
        state.SkipWithError("the keys did not reach the volume box");
    state.counters["keys"] = keys;
    state.counters["rss_growth_KB"] = growth / 1024;
    state.counters["bytes_per_key"] = growth / keys;
    if (growth / 1024 >= limitKB)
        state.SkipWithError("the volume box grows with the keys typed");
}
BENCHMARK(longSessionMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
