#include "units/jetsql.h"

#include "units/jetpattern.h"

#include <sqlite3.h>

#include <QString>

namespace {

QString textOf(sqlite3_value *value)
{
    const auto *bytes = reinterpret_cast<const char *>(sqlite3_value_text(value));
    return QString::fromUtf8(bytes, sqlite3_value_bytes(value));
}

void deletePattern(void *pattern)
{
    delete static_cast<JetPattern *>(pattern);
}

// SQLite calls like(pattern, text) for "text LIKE pattern".
void likeFunction(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    if (argc != 2)
        return;
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    // The pattern of a statement is the same for every row: compile it once.
    auto *pattern = static_cast<JetPattern *>(sqlite3_get_auxdata(context, 0));
    if (!pattern) {
        pattern = new JetPattern(textOf(argv[0]));
        sqlite3_set_auxdata(context, 0, pattern, deletePattern);
        // SQLite may have freed it already when it could not keep it.
        pattern = static_cast<JetPattern *>(sqlite3_get_auxdata(context, 0));
    }
    const QString text = textOf(argv[1]);
    const bool matched = pattern ? pattern->matches(text) : jetLike(text, textOf(argv[0]));
    sqlite3_result_int(context, matched ? 1 : 0);
}

bool isAscii(const char *bytes, int length)
{
    for (int i = 0; i < length; ++i) {
        if (static_cast<unsigned char>(bytes[i]) >= 0x80)
            return false;
    }
    return true;
}

int asciiFolded(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
}

int compareIgnoringCase(void *, int lengthA, const void *a, int lengthB, const void *b)
{
    const auto *bytesA = static_cast<const char *>(a);
    const auto *bytesB = static_cast<const char *>(b);
    // Unit names are plain ASCII as a rule; spare them the UTF-16 round trip.
    if (isAscii(bytesA, lengthA) && isAscii(bytesB, lengthB)) {
        const int common = qMin(lengthA, lengthB);
        for (int i = 0; i < common; ++i) {
            const int d = asciiFolded(static_cast<unsigned char>(bytesA[i]))
                - asciiFolded(static_cast<unsigned char>(bytesB[i]));
            if (d != 0)
                return d;
        }
        return lengthA - lengthB;
    }
    return QString::fromUtf8(bytesA, lengthA)
        .compare(QString::fromUtf8(bytesB, lengthB), Qt::CaseInsensitive);
}

} // namespace

namespace jetsql {

int install(sqlite3 *db)
{
    int rc = sqlite3_create_function(
        db, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, likeFunction, nullptr, nullptr);
    if (rc != SQLITE_OK)
        return rc;
    rc = sqlite3_create_collation(db, collationName, SQLITE_UTF8, nullptr, compareIgnoringCase);
    return rc;
}

} // namespace jetsql
