#include "bench/benchwindow.h"

#include "Formkit/listbox.h"
#include "Formkit/textbox.h"
#include "Formkit/timer.h"
#include "bench/benchmain.h"

#include <QTest>

#include <benchmark/benchmark.h>

using Formkit::ListBox;

namespace {

bool selectUnit(ListBox *list, const QString &unit)
{
    for (int i = 0; i < list->listCount(); ++i) {
        if (list->list(i) == unit) {
            list->setListIndex(i);
            return true;
        }
    }
    return false;
}

} // namespace

BenchWindow::BenchWindow(const QString &fromUnit, const QString &toUnit)
    : m_database(shippedUnitDatabase())
    , m_form(m_database)
{
    m_form.load();
    m_form.show();
    // The start-up timer runs the first conversion 60 ms after the show.
    if (!QTest::qWaitFor([this] { return !m_form.Timer1->isEnabled(); }, 5000)) {
        m_error = QStringLiteral("the start-up conversion did not run");
        return;
    }
    if (!selectUnit(m_form.List1, fromUnit) || !selectUnit(m_form.List2, toUnit))
        m_error = QStringLiteral("the unit lists do not hold %1 and %2").arg(fromUnit, toUnit);
}

void BenchWindow::setVolume(const QString &text)
{
    m_form.Text1->setText(text);
    m_form.Text1->setCursorPosition(int(text.size()));
}

bool BenchWindow::readyFor(benchmark::State &state) const
{
    if (!ready())
        state.SkipWithError(qPrintable(m_error));
    return ready();
}
