#include "units/unitdatabasewriter.h"

#include "units/jetsql.h"

#include <sqlite3.h>

#include <QFile>

namespace {

QString lastError(sqlite3 *db)
{
    return QString::fromUtf8(sqlite3_errmsg(db));
}

// Closes the handle on every way out of the writer.
struct Handle
{
    sqlite3 *db = nullptr;
    ~Handle() { sqlite3_close(db); }
};

struct Statement
{
    sqlite3_stmt *stmt = nullptr;
    ~Statement() { sqlite3_finalize(stmt); }
};

std::optional<QString> writeRows(sqlite3 *db, const QList<UnitRow> &rows)
{
    const QByteArray create = QByteArrayLiteral("create table table1 (unit text collate ")
        + jetsql::collationName + QByteArrayLiteral(", value double)");
    for (const char *sql : { "begin", create.constData() }) {
        if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
            return lastError(db);
    }
    Statement insert;
    if (sqlite3_prepare_v2(db, "insert into table1 (unit, value) values (?, ?)", -1, &insert.stmt, nullptr)
        != SQLITE_OK)
        return lastError(db);
    for (const UnitRow &row : rows) {
        const QByteArray unit = row.unit.toUtf8();
        sqlite3_bind_text(insert.stmt, 1, unit.constData(), int(unit.size()), SQLITE_TRANSIENT);
        if (!row.value.isValid() || row.value.isNull()) {
            sqlite3_bind_null(insert.stmt, 2);
        } else if (row.value.typeId() == QMetaType::QString) {
            const QByteArray text = row.value.toString().toUtf8();
            sqlite3_bind_text(insert.stmt, 2, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        } else {
            sqlite3_bind_double(insert.stmt, 2, row.value.toDouble());
        }
        if (sqlite3_step(insert.stmt) != SQLITE_DONE)
            return lastError(db);
        sqlite3_reset(insert.stmt);
    }
    if (sqlite3_exec(db, "commit", nullptr, nullptr, nullptr) != SQLITE_OK)
        return lastError(db);
    return std::nullopt;
}

} // namespace

std::optional<QString> writeUnitDatabase(
    const QString &path, const QList<UnitRow> &rows, const QByteArray &password)
{
    // Written beside the target and renamed at the end, so a failed build
    // never leaves a half-written file where the program looks for it.
    const QString partPath = path + QStringLiteral(".part");
    QFile::remove(partPath);
    std::optional<QString> error;
    {
        Handle handle;
        const int rc = sqlite3_open_v2(QFile::encodeName(partPath).constData(), &handle.db,
            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        if (rc != SQLITE_OK) {
            error = handle.db ? lastError(handle.db) : QStringLiteral("out of memory");
        } else if (!password.isEmpty()
            && sqlite3_key(handle.db, password.constData(), int(password.size())) != SQLITE_OK) {
            error = lastError(handle.db);
        } else if (jetsql::install(handle.db) != SQLITE_OK) {
            error = lastError(handle.db);
        } else {
            error = writeRows(handle.db, rows);
        }
    }
    if (!error) {
        QFile::remove(path);
        if (!QFile::rename(partPath, path))
            error = QStringLiteral("the file cannot be put in place");
    }
    if (error) {
        QFile::remove(partPath);
        return QStringLiteral("The unit database %1 cannot be written: %2.").arg(path, *error);
    }
    return std::nullopt;
}
