#ifndef BRIMLOW_BENCHWINDOW_H
#define BRIMLOW_BENCHWINDOW_H

// The program's real window for benchmarks of whole-window work: Form1 on the
// shipped unit database, loaded, shown, and past its start-up conversion, with
// the From and To units chosen by name.

#include "app/form1.h"
#include "units/unitdatabase.h"

#include <QString>

namespace benchmark {
class State;
}

class BenchWindow final
{
public:
    BenchWindow(const QString &fromUnit, const QString &toUnit);

    // False, with the reason, when the window did not come up converting.
    bool ready() const { return m_error.isEmpty(); }
    const QString &error() const { return m_error; }
    // ready(), or the benchmark skipped with the reason.
    bool readyFor(benchmark::State &state) const;

    Form1 &form() { return m_form; }
    Form1 *operator->() { return &m_form; }

    // Sets the volume as typed text would, and waits for nothing: the
    // conversion runs inside.
    void setVolume(const QString &text);

private:
    UnitDatabase m_database;
    Form1 m_form;
    QString m_error;
};

#endif
