#ifndef BRIMLOW_NUMBERTEXT_H
#define BRIMLOW_NUMBERTEXT_H

// The number texts the converter shows and reads: the result box, the values set
// by dragging the flask, the flask's scale labels. The format is fixed whatever
// the locale: "." is the decimal point and "," groups thousands.
//
// A Single is written from its seven-significant-digit text and a 64-bit value
// from its fifteen-digit text, so a result held as the float nearest 0.1 shows
// 0.1 and never digits that the type does not hold. Rounding to a number of
// decimals works on that decimal text, and exact halves round away from zero.
// Infinities and NaN have no text: the helpers give the empty text for them, and
// the conversion never lets one reach a caller.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QtGlobal>

#include <optional>

// v rounded to `decimals` decimals with exactly that many digits behind the
// point, a "0" before the point below 1, digits grouped in thousands:
// 1234.5 with 4 gives 1,234.5000; 100000 with 0 gives 100,000.
QString groupedFixedText(float v, int decimals);
QString groupedFixedText(double v, int decimals);

// Two decimals, no grouping: 1234.5 gives 1234.50, 0.5 gives 0.50.
QString fixedText(float v);

// One digit, the point, two decimals, "E" and at least two exponent digits:
// 123456 gives 1.23E+05. The exponent's sign is written always, or only when
// it is negative (0.000123 gives 1.23E-04 either way).
enum class ExponentSign {
    Always, // the format 0.00E+00
    WhenNegative, // the format 0.00E-00
};
QString scientificText(float v, ExponentSign sign);

// The shortest text of v with at most 7 (Single) or 15 (64-bit) significant
// digits: plain while the decimal exponent is from -4 to below the digit limit,
// else mantissa, "E", sign and at least two exponent digits (1E-05, 2E+09,
// 1.234568E+07). One leading blank for values of 0 or more, and a "0" before the
// point below 1 (" 0.05"). A whole number (Long) is always written in plain digits.
QString generalNumberText(float v);
QString generalNumberText(double v);
QString generalNumberText(qint32 v);

// The number at the start of a text: blanks, tabs and line feeds are skipped
// wherever they stand; then a sign, digits with at most one "." and an exponent
// (E or D) are read up to the first character that does not fit; 0 when nothing
// fits. "1,234.5" gives 1, "1.2.3" gives 1.2, ".5" gives 0.5.
double leadingNumber(QStringView text);

// The value of a text that is a number as a whole: optional surrounding blanks,
// a sign, digits grouped in thousands or not, at most one point, an exponent.
// Grouped digits must be true thousands groups after a leading group of 1 to 3
// digits that does not start with 0 ("1,234" but not "1,23", "0,500" or ",5").
// No value for the empty text, ".", "1.2.3", or a value beyond the 64-bit range.
std::optional<double> numericValue(QStringView text);
bool isNumericText(QStringView text);

// The same reading, but a number beyond the 64-bit range is an infinity of its
// sign rather than no value: "1e400" has the shape of a number, only too large.
std::optional<double> unboundedNumericValue(QStringView text);

// Drops trailing "0"s, then one trailing ".": "0.2641720000" gives 0.264172,
// "2.0000" gives 2. Meant for texts that hold a point.
QString trimResultText(const QString &text);

// The texts a box shows while trimResultText works on it, one removed character
// at a time, ending with the trimmed text; empty when nothing is removed.
QStringList trimResultSteps(const QString &text);

#endif
