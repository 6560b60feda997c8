// Cost of one refill of both unit lists from the shipped unit file, in each
// ordering: the statements, both lists filled entry by entry, and the two
// lookups the new selections raise.

#include "Formkit/commandbutton.h"
#include "Formkit/listbox.h"
#include "Formkit/optionbutton.h"
#include "Formkit/textbox.h"
#include "bench/benchmain.h"
#include "formstate/formstate.h"
#include "testsupport/fakeprocedures.h"
#include "units/unitdatabase.h"
#include "units/unitlists.h"

#include <benchmark/benchmark.h>

#include <QWidget>

using Formkit::CommandButton;
using Formkit::ListBox;
using Formkit::OptionButton;
using Formkit::TextBox;

namespace {

void refill(benchmark::State &state)
{
    const auto ordering = static_cast<UnitOrdering>(state.range(0));
    QWidget window;
    UnitListWidgets w;
    w.List1 = new ListBox(&window);
    w.List2 = new ListBox(&window);
    w.Text3 = new TextBox(&window);
    w.Text4 = new TextBox(&window);
    w.Text1 = new TextBox(&window);
    w.Text2 = new TextBox(&window);
    w.SaveCmnd = new CommandButton("Save", &window);
    w.MakeFileCmnd = new CommandButton("Make File", &window);
    w.Option1 = new OptionButton(QString(), &window);
    w.Option2 = new OptionButton(QString(), &window);
    w.Option3 = new OptionButton(QString(), &window);
    w.Option4 = new OptionButton(QString(), &window);
    w.Command2 = new CommandButton("Swap Units", &window);
    window.show();

    FormState formState;
    FakeProcedures procedures; // the lookups go to the lists, as the window hands them on
    UnitDatabase database(shippedUnitDatabase());
    UnitLists lists(formState, procedures, database, w);
    procedures.onLookupFromFactor = [&lists] { lists.lookupFromFactor(); };
    procedures.onLookupToFactor = [&lists] { lists.lookupToFactor(); };
    w.Text1->setText("1");
    lists.fillUnitLists(UnitOrdering::AllAscending); // derives the key once, as at start-up
    if (w.List1->listCount() == 0) {
        state.SkipWithError("the unit database does not open");
        return;
    }
    for (auto _ : state) {
        lists.fillUnitLists(ordering);
        benchmark::DoNotOptimize(formState.fromFactor);
    }
    state.counters["entries"] = w.List1->listCount();
}
BENCHMARK(refill)
    ->ArgName("ordering")
    ->Arg(int(UnitOrdering::AllAscending))
    ->Arg(int(UnitOrdering::MetricFirst))
    ->Arg(int(UnitOrdering::UkUsFirst))
    ->Arg(int(UnitOrdering::AussieFirst))
    ->Unit(benchmark::kMillisecond);

} // namespace
