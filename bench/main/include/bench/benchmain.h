#ifndef BRIMLOW_BENCHMAIN_H
#define BRIMLOW_BENCHMAIN_H

// What every benchmark program shares. Linking brimlow_benchmain gives the
// program its main(): a QApplication on the offscreen platform (unless one is
// chosen), then Google Benchmark with the command line.

#include <QString>

// The unit database the build writes beside the programs.
QString shippedUnitDatabase();

#endif
