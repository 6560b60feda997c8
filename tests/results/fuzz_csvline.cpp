// Fuzzes the CSV line writer: whatever the cells hold (quotes, commas, line
// breaks, any text), the results file read back by a plain RFC 4180 reader must
// give every row and every cell that went in.
//
// Input: rows separated by byte 0x01, cells within a row by byte 0x00, each cell
// taken as UTF-8.

#include "results/csvline.h"
#include "results/resultsfile.h"
#include "rfc4180reader.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QList<QStringList> rowsOf(const uint8_t *data, size_t size)
{
    QList<QStringList> rows { QStringList {} };
    QByteArray cell;
    bool cellOpen = false;
    const auto endCell = [&] {
        rows.last().append(QString::fromUtf8(cell));
        cell.clear();
        cellOpen = false;
    };
    for (size_t i = 0; i < size; ++i) {
        const char c = static_cast<char>(data[i]);
        if (c == '\0') {
            endCell();
        } else if (c == '\x01') {
            if (cellOpen)
                endCell();
            rows.append(QStringList {});
        } else {
            cell.append(c);
            cellOpen = true;
        }
    }
    if (cellOpen)
        endCell();
    return rows;
}

[[noreturn]] void fail(const char *what, const QString &text)
{
    std::fprintf(stderr, "%s\n%s\n", what, text.toUtf8().constData());
    std::abort();
}

// Every cell, then the empty field that the comma after the last cell opens.
QStringList expectedFields(const QStringList &cells)
{
    QStringList fields = cells;
    fields.append(QString());
    return fields;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QStringList> rows = rowsOf(data, size);

    // One line on its own, without its line ending.
    for (const QStringList &cells : rows) {
        const QString line = csvLine(cells);
        const auto record = rfc4180::readRecord(line);
        if (!record)
            fail("line is not a CSV record", line);
        if (record->consumed != line.size())
            fail("line was read as more than one record", line);
        if (record->fields != expectedFields(cells))
            fail("line read back as other cells", line);
    }

    // The whole file, through its UTF-8 bytes, record after record.
    const QString file = QString::fromUtf8(resultsFileBytes(rows));
    QString rest = file;
    for (const QStringList &cells : rows) {
        const auto record = rfc4180::readRecord(rest);
        if (!record)
            fail("file holds a malformed record", file);
        if (record->fields != expectedFields(cells))
            fail("file read back as other cells", file);
        if (record->consumed < 2 || rest.mid(record->consumed - 2, 2) != QLatin1String("\r\n"))
            fail("record not ended by CRLF", file);
        rest = rest.mid(record->consumed);
    }
    if (!rest.isEmpty())
        fail("file holds more records than rows", file);
    return 0;
}
