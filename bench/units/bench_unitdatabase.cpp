// Cost of one size lookup as the program makes it on every edit of the volume:
// open the encrypted unit file, run the bound select, close it.

#include "bench/benchmain.h"
#include "units/unitdatabase.h"

#include <benchmark/benchmark.h>

namespace {

const QString shippedDatabase = shippedUnitDatabase();

void lookupOneSize(benchmark::State &state)
{
    UnitDatabase database(shippedDatabase);
    // The first opening derives the key once, as at start-up.
    if (!database.lookupSize("Gallon (UK)").ok()) {
        state.SkipWithError("the unit database does not open");
        return;
    }
    for (auto _ : state) {
        const UnitSizeResult size = database.lookupSize("Gallon (UK)");
        benchmark::DoNotOptimize(size.size);
    }
}
BENCHMARK(lookupOneSize)->Unit(benchmark::kMicrosecond);

// The first opening of a run, with the key derivation (for comparison).
void openWithPassword(benchmark::State &state)
{
    UnitDatabase database(shippedDatabase);
    for (auto _ : state) {
        const UnitDatabaseConnection connection = database.openWithPasswordOnly();
        benchmark::DoNotOptimize(connection.isOpen());
    }
}
BENCHMARK(openWithPassword)->Unit(benchmark::kMillisecond)->Iterations(10);

void readAllNames(benchmark::State &state)
{
    UnitDatabase database(shippedDatabase);
    const QString statement = QStringLiteral(
        "select * from table1 where unit not like '*ter*' and unit not like '*metric*' order by unit asc");
    for (auto _ : state) {
        const UnitDatabaseConnection connection = database.openUnitDatabase();
        const UnitNamesResult names = database.readUnitNames(connection, statement);
        benchmark::DoNotOptimize(names.names.size());
    }
}
BENCHMARK(readAllNames)->Unit(benchmark::kMicrosecond);

} // namespace
