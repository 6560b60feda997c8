#include "conversion/conversionarithmetic.h"
#include "conversion/numbertext.h"
#include "units/unitcsv.h"

#include <QFile>
#include <QTest>

#include <cmath>

// The sizes are Singles in a base unit of our choosing (only their ratios
// matter), and the base decides which answers come out exact: in cubic metres
// a litre is 0.001, which no Single holds, and 1 cubic metre shows 999.9999
// litres. This sweep counts the answers the result box gets wrong for a base
// unit of 10^k cubic metres.
//
// The population: every ordered pair of two different units of the reviewed
// table, and the volumes 1, 1000, 0.5 and 350 typed into the volume box. Of
// these conversions it takes those whose exact answer (worked out from the
// table's decimal sizes) has at most three significant digits and can be shown
// in full with the result box's decimals (10 below 1, else 4). One is wrong
// when the result box's text differs from that exact answer's text. The
// shipped table's base must give the fewest.
class tst_MetricSweep : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sweep_data();
    void sweep();
    void shippedBaseIsBest();

private:
    struct Sweep
    {
        int population = 0;
        int wrong = 0;
        int failed = 0; // no conversion at all
    };
    // Sweeps with the sizes in units of 10^k cubic metres.
    Sweep sweepBase(int k) const;

    QList<UnitCsvRow> m_rows;
    QStringList m_sizes; // the sizes as written, in the table's base
    int m_tableBase = 0; // the table's base is 10^m_tableBase cubic metres
};

namespace {

const char *const volumes[] = { "1", "1000", "0.5", "350" };

// The decimal size text times 10^shift, read as the unit file holds it (a
// double) and as the program reads it (a Single).
float sizeIn(const QString &size, int shift)
{
    const qsizetype e = size.indexOf(QLatin1Char('E'), 0, Qt::CaseInsensitive);
    const QString mantissa = e < 0 ? size : size.left(e);
    const int exponent = (e < 0 ? 0 : size.mid(e + 1).toInt()) + shift;
    return float((mantissa + QLatin1Char('E') + QString::number(exponent)).toDouble());
}

// The text the result box should show for the exact answer x, or nothing when
// x has more than three significant digits or more decimals than the box shows.
std::optional<QString> shortAnswerText(long double x)
{
    const int e = int(std::floor(std::log10(x))) - 2; // x = m * 10^e, m of three digits
    const long double m = x / std::pow(10.0L, e);
    const long double digits = std::round(m);
    if (std::fabs(m - digits) > 1e-12L * m)
        return std::nullopt;
    auto whole = qint64(digits);
    int decimals = -e;
    while (decimals > 0 && whole % 10 == 0) {
        whole /= 10;
        --decimals;
    }
    const double exact = double(digits) * std::pow(10.0, e);
    if (decimals > (exact < 1.0 ? 10 : 4))
        return std::nullopt;
    const QString rounded = groupedFixedText(exact, exact < 1.0 ? 10 : 4);
    const QStringList steps = trimResultSteps(rounded);
    return steps.isEmpty() ? rounded : steps.last();
}

QString baseName(int k)
{
    switch (k) {
    case 0:
        return QStringLiteral("cubic metre");
    case -3:
        return QStringLiteral("litre");
    case -6:
        return QStringLiteral("millilitre");
    case -9:
        return QStringLiteral("microlitre");
    case -12:
        return QStringLiteral("nanolitre");
    default:
        return QStringLiteral("10^%1 cubic metres").arg(k);
    }
}

} // namespace

void tst_MetricSweep::initTestCase()
{
    QFile csv(QStringLiteral(BRIMLOW_UNIT_TABLE));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(csv.readAll());
    const UnitCsvTable table = parseUnitCsv(text);
    QVERIFY2(table.ok(), qPrintable(table.error));
    m_rows = table.rows;
    // The size texts as written, which parseUnitCsv has read into doubles.
    for (const QString &line : text.split(QLatin1Char('\n')).mid(1)) {
        const QStringList fields = splitCsvLine(line.trimmed());
        if (fields.size() >= 2 && !fields[0].trimmed().isEmpty())
            m_sizes << fields[1].trimmed();
    }
    QCOMPARE(m_sizes.size(), m_rows.size());
    // The cubic metre's size names the table's base.
    bool found = false;
    for (const UnitCsvRow &row : std::as_const(m_rows)) {
        if (row.unit == QStringLiteral("Cubic meter")) {
            m_tableBase = -int(std::lround(std::log10(row.size)));
            found = std::pow(10.0, -m_tableBase) == row.size;
        }
    }
    QVERIFY2(found, "the table sizes the cubic metre as a power of ten");
}

tst_MetricSweep::Sweep tst_MetricSweep::sweepBase(int k) const
{
    // A size of s in the table's base is s * 10^(tableBase - k) in the new one.
    const int shift = m_tableBase - k;
    QList<float> sizes;
    QList<long double> exact;
    for (const QString &size : m_sizes) {
        sizes << sizeIn(size, shift);
        exact << std::strtold(size.toLatin1().constData(), nullptr);
    }
    Sweep sweep;
    for (qsizetype from = 0; from < sizes.size(); ++from) {
        for (qsizetype to = 0; to < sizes.size(); ++to) {
            if (from == to)
                continue;
            for (const char *volume : volumes) {
                const long double answer = exact[from] / exact[to] * std::strtold(volume, nullptr);
                const std::optional<QString> expected = shortAnswerText(answer);
                const ConversionOutcome shown
                    = convertVolume(QString::fromLatin1(volume), sizes[from], sizes[to]);
                if (!shown.ok())
                    ++sweep.failed;
                if (!expected)
                    continue;
                ++sweep.population;
                if (shown.resultText() != *expected)
                    ++sweep.wrong;
            }
        }
    }
    return sweep;
}

void tst_MetricSweep::sweep_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("wrong"); // -1: not pinned, only reported
    for (int k = 3; k >= -15; --k) {
        // The figures of the bases the table was weighed in.
        const int pinned = k == 0 ? 131 : k == -3 ? 83 : k == -6 ? 81 : k == -9 ? 8 : -1;
        QTest::addRow("%s", qPrintable(baseName(k))) << k << pinned;
    }
}

void tst_MetricSweep::sweep()
{
    QFETCH(int, k);
    QFETCH(int, wrong);
    const Sweep sweep = sweepBase(k);
    qInfo("base %s: %d of %d short answers wrong", qPrintable(baseName(k)), sweep.wrong, sweep.population);
    // Any base converts every pair: a unit file in another base still works.
    QCOMPARE(sweep.failed, 0);
    if (wrong >= 0)
        QCOMPARE(sweep.wrong, wrong);
}

void tst_MetricSweep::shippedBaseIsBest()
{
    const int shipped = sweepBase(m_tableBase).wrong;
    for (int k = 3; k >= -15; --k)
        QVERIFY2(sweepBase(k).wrong >= shipped, qPrintable(baseName(k)));
}

QTEST_APPLESS_MAIN(tst_MetricSweep)
#include "tst_metricsweep.moc"
