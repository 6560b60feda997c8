#ifndef BRIMLOW_TESTS_RFC4180READER_H
#define BRIMLOW_TESTS_RFC4180READER_H

// A plain reader of one CSV record after RFC 4180, written independently of the
// writer so that tests and the fuzz target can check that a written line reads
// back as the cells that went in. Quoted fields may hold commas, CR, LF and
// doubled quotes; unquoted fields may hold anything but those. The record ends
// at the end of the text or at a CRLF outside quotes.

#include <QString>
#include <QStringList>
#include <optional>

namespace rfc4180 {

struct Record
{
    QStringList fields;
    qsizetype consumed = 0; // characters read, the record's CRLF included
};

// nullopt for text that is not a well-formed record (a quote inside an
// unquoted field, text after a closing quote, an unterminated quoted field).
inline std::optional<Record> readRecord(const QString &text)
{
    Record record;
    qsizetype i = 0;
    const qsizetype n = text.size();
    const auto atRecordEnd = [&](qsizetype at) {
        return at == n || (text[at] == QLatin1Char('\r') && at + 1 < n && text[at + 1] == QLatin1Char('\n'));
    };
    for (;;) {
        QString field;
        if (i < n && text[i] == QLatin1Char('"')) {
            ++i;
            for (;;) {
                if (i == n)
                    return std::nullopt;
                if (text[i] == QLatin1Char('"')) {
                    if (i + 1 < n && text[i + 1] == QLatin1Char('"')) {
                        field += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i++];
            }
            if (!atRecordEnd(i) && text[i] != QLatin1Char(','))
                return std::nullopt;
        } else {
            while (!atRecordEnd(i) && text[i] != QLatin1Char(',')) {
                if (text[i] == QLatin1Char('"') || text[i] == QLatin1Char('\r')
                    || text[i] == QLatin1Char('\n'))
                    return std::nullopt;
                field += text[i++];
            }
        }
        record.fields.append(field);
        if (i == n) {
            record.consumed = i;
            return record;
        }
        if (text[i] == QLatin1Char('\r')) {
            record.consumed = i + 2;
            return record;
        }
        ++i; // the comma
    }
}

} // namespace rfc4180

#endif
