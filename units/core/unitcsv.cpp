#include "units/unitcsv.h"

#include <QSet>

#include <cmath>
#include <limits>

QStringList splitCsvLine(QStringView line, bool *wellFormed)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    bool ok = true;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < line.size() && line[i + 1] == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
        } else if (c == u',') {
            fields.append(field);
            field.clear();
        } else if (c == u'"' && field.isEmpty()) {
            quoted = true;
        } else {
            field += c;
        }
    }
    if (quoted)
        ok = false;
    fields.append(field);
    if (wellFormed)
        *wellFormed = ok;
    return fields;
}

UnitCsvTable parseUnitCsv(QStringView text)
{
    UnitCsvTable table;
    QSet<QString> seen;
    int lineNumber = 0;
    for (QStringView line : text.split(u'\n')) {
        ++lineNumber;
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (lineNumber == 1 || line.trimmed().isEmpty())
            continue; // the header, and blank lines
        auto fail = [&](const QString &what) {
            table.error = QStringLiteral("line %1: %2").arg(lineNumber).arg(what);
            table.rows.clear();
            return table;
        };
        bool wellFormed = true;
        const QStringList fields = splitCsvLine(line, &wellFormed);
        if (!wellFormed)
            return fail(QStringLiteral("a quoted field is not closed"));
        if (fields.size() < 2)
            return fail(QStringLiteral("a name and a size are needed"));
        UnitCsvRow row;
        row.unit = fields[0].trimmed();
        if (row.unit.isEmpty())
            return fail(QStringLiteral("the unit has no name"));
        if (row.unit.contains(u'\''))
            return fail(QStringLiteral("the name \"%1\" holds a single quote").arg(row.unit));
        if (seen.contains(row.unit.toCaseFolded()))
            return fail(QStringLiteral("the name \"%1\" is there twice").arg(row.unit));
        seen.insert(row.unit.toCaseFolded());
        bool isNumber = false;
        row.size = fields[1].trimmed().toDouble(&isNumber);
        if (!isNumber || !std::isfinite(row.size))
            return fail(QStringLiteral("the size \"%1\" is not a number").arg(fields[1]));
        if (row.size > double(std::numeric_limits<float>::max()) || !(static_cast<float>(row.size) > 0.0f))
            return fail(QStringLiteral("the size \"%1\" is not above zero or out of range").arg(fields[1]));
        if (fields.size() > 2)
            row.definition = fields[2].trimmed();
        table.rows.append(row);
    }
    if (table.rows.isEmpty())
        table.error = QStringLiteral("the table holds no units");
    return table;
}
