#include "results/csvline.h"

QString csvField(const QString &cell)
{
    QString field;
    field.reserve(cell.size() + 3);
    field += QLatin1Char('"');
    for (const QChar c : cell) {
        if (c == QLatin1Char('"'))
            field += QLatin1Char('"');
        field += c;
    }
    field += QLatin1String("\",");
    return field;
}

QString csvLine(const QStringList &cells, LineEnding ending)
{
    QString line;
    for (const QString &cell : cells)
        line += csvField(cell);
    if (ending == LineEnding::CrLf)
        line += QLatin1String("\r\n");
    return line;
}
