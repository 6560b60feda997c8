// Fuzzes opening the unit database: whatever lies at the unit file's path (the
// shipped file truncated or damaged, a plain or foreign database, a file of
// another kind) the start-up check either passes, and then every list statement
// and every lookup gives a usable size, or ends in the message naming the file;
// it never crashes.
//
// Input: the bytes of the unit file. One engine object reads every input from
// the same path, as the program's does for its whole run, so the key it keeps
// for one file meets the next file too.

#include "units/unitdatabase.h"
#include "units/unitorderings.h"

#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char *what, const QString &detail)
{
    std::fprintf(stderr, "%s\n[%s]\n", what, detail.toUtf8().constData());
    std::abort();
}

struct Place
{
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("brimlowDB.mdb"));
    UnitDatabase database { path };
    QString prefix = QStringLiteral("The unit database %1 ").arg(path);
};

// A message the user can act on: it names the file and ends a sentence.
void checkMessage(const Place &place, const char *where, const QString &message)
{
    if (!message.startsWith(place.prefix) || !message.endsWith(QLatin1Char('.')))
        fail(where, message);
}

void checkSize(const Place &place, const QString &unit, const UnitSizeResult &size)
{
    if (!size.ok())
        checkMessage(place, "lookupSize of a unit the lists show", size.error);
    else if (!std::isfinite(size.size) || !(size.size > 0.0f))
        fail("lookupSize gave a size that cannot divide", unit);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Place place;
    if (!place.folder.isValid())
        fail("no temporary folder", place.folder.errorString());
    {
        QFile file(place.path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
            fail("cannot write the unit file", file.errorString());
    }

    UnitDatabase &database = place.database;
    if (const std::optional<QString> problem = database.verify()) {
        checkMessage(place, "verify", *problem);
        // The window is never built on such a file; a lookup must still only report.
        const UnitSizeResult size = database.lookupSize(QStringLiteral("Litre"));
        if (!size.ok())
            checkMessage(place, "lookupSize on a file that failed the check", size.error);
        return 0;
    }

    // A file that passes the check fills every ordering of the lists, and every
    // unit they show has a size.
    for (const UnitOrdering ordering : { UnitOrdering::AllAscending, UnitOrdering::MetricFirst,
             UnitOrdering::UkUsFirst, UnitOrdering::AussieFirst }) {
        const UnitDatabaseConnection connection = database.openUnitDatabase();
        if (!connection.isOpen()) {
            checkMessage(place, "opening a file that passed the check", connection.errorText());
            continue;
        }
        QStringList names;
        bool read = true;
        for (const QString &statement : unitListStatements(ordering)) {
            const UnitNamesResult result = database.readUnitNames(connection, statement);
            if (!result.ok()) {
                checkMessage(place, "readUnitNames", result.error);
                read = false;
                break;
            }
            names += result.names;
        }
        if (!read)
            continue;
        if (names.isEmpty())
            fail("a file that passed the check shows no units", QString());
        // Every lookup opens the file again; a few names stand for all of them.
        if (ordering == UnitOrdering::AllAscending) {
            for (const QString &name : { names.first(), names.at(names.size() / 2), names.last() })
                checkSize(place, name, database.lookupSize(name));
        }
    }
    return 0;
}
