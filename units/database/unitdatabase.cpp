#include "units/unitdatabase.h"

#include "keyderivation.h"
#include "units/jetsql.h"

#include <sqlite3.h>

#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <limits>
#include <utility>

namespace {

constexpr int saltSize = 16;

// Closes the statement on every way out.
struct Statement
{
    sqlite3_stmt *stmt = nullptr;
    ~Statement() { sqlite3_finalize(stmt); }
};

QString errorOf(sqlite3 *db)
{
    if (sqlite3_errcode(db) == SQLITE_CORRUPT)
        return QStringLiteral("the file is damaged");
    return QString::fromUtf8(sqlite3_errmsg(db));
}

QByteArray immutableUri(const QString &path)
{
    const QByteArray local = QFile::encodeName(path);
    // Characters that mean something in a URI are written as %XX.
    QByteArray uri = "file:";
    for (const char c : local) {
        if (c == '%' || c == '?' || c == '#' || static_cast<unsigned char>(c) < 0x20)
            uri += '%' + QByteArray::number(static_cast<unsigned char>(c), 16).rightJustified(2, '0');
        else
            uri += c;
    }
    return uri + "?immutable=1";
}

} // namespace

UnitDatabaseConnection::UnitDatabaseConnection(UnitDatabaseConnection &&other) noexcept
    : m_db(std::exchange(other.m_db, nullptr))
    , m_error(std::move(other.m_error))
{ }

UnitDatabaseConnection &UnitDatabaseConnection::operator=(UnitDatabaseConnection &&other) noexcept
{
    if (this != &other) {
        close();
        m_db = std::exchange(other.m_db, nullptr);
        m_error = std::move(other.m_error);
    }
    return *this;
}

UnitDatabaseConnection::~UnitDatabaseConnection()
{
    close();
}

void UnitDatabaseConnection::close()
{
    if (m_db) {
        sqlite3_close(m_db);
        m_db = nullptr;
    }
}

UnitDatabase::UnitDatabase(QString filePath, QByteArray password)
    : m_filePath(std::move(filePath))
    , m_password(std::move(password))
{ }

QString UnitDatabase::message(const QString &what) const
{
    return QStringLiteral("The unit database %1 %2").arg(m_filePath, what);
}

QString UnitDatabase::openingFailure(const QString &reason) const
{
    return message(QStringLiteral("cannot be opened: %1.").arg(reason));
}

// Looks at the file before the engine does, so that the common faults get a
// message of their own instead of the engine's "file is not a database".
std::optional<QString> UnitDatabase::checkFile(FileStamp &stamp) const
{
    const QFileInfo info(m_filePath);
    if (!info.exists())
        return openingFailure(QStringLiteral("the file does not exist"));
    if (info.isDir())
        return openingFailure(QStringLiteral("it is a folder, not a file"));
    QFile file(m_filePath);
    if (!file.open(QIODevice::ReadOnly))
        return openingFailure(QStringLiteral("the file cannot be read (%1)").arg(file.errorString()));
    stamp.size = file.size();
    stamp.modified = info.lastModified().toMSecsSinceEpoch();
    if (stamp.size == 0)
        return openingFailure(QStringLiteral("the file is empty"));
    stamp.salt = file.read(saltSize);
    if (stamp.salt.startsWith(QByteArrayLiteral("SQLite format 3")))
        return openingFailure(QStringLiteral("the file is not protected by the unit password"));
    // The engine writes whole pages of 512 bytes or a multiple of it.
    if (stamp.size < 512 || stamp.size % 512 != 0)
        return openingFailure(QStringLiteral("the file is damaged or is not a unit database"));
    return std::nullopt;
}

UnitDatabaseConnection UnitDatabase::openWithKey(const QByteArray &key, int *resultCode) const
{
    startCrypto();
    UnitDatabaseConnection connection;
    sqlite3 *db = nullptr;
    // The unit file is read-only data that nothing changes while it is open:
    // opened as immutable, the engine skips file locks and journal checks.
    int rc = sqlite3_open_v2(
        immutableUri(m_filePath).constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    // An empty password opens a plain file (tests compare against one).
    if (rc == SQLITE_OK && !key.isEmpty())
        rc = sqlite3_key(db, key.constData(), int(key.size()));
    if (rc == SQLITE_OK)
        rc = jetsql::install(db);
    // The key is only tried when the first page is read: reading the schema
    // does that, without compiling and running a statement.
    if (rc == SQLITE_OK)
        rc = sqlite3_table_column_metadata(
            db, "main", "sqlite_master", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    *resultCode = rc;
    if (rc != SQLITE_OK) {
        connection.m_error = db ? errorOf(db) : QStringLiteral("out of memory");
        sqlite3_close(db);
        return connection;
    }
    connection.m_db = db;
    return connection;
}

void UnitDatabase::prepareKeyInBackground()
{
    if (m_preparedKey.valid() || !m_rawKey.isEmpty())
        return;
    ++m_keyDerivations;
    m_preparedKey = std::async(std::launch::async, [path = m_filePath, password = m_password] {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return std::pair<QByteArray, QByteArray>();
        QByteArray salt = file.read(saltSize);
        if (salt.size() != saltSize)
            return std::pair<QByteArray, QByteArray>();
        QByteArray key = deriveRawKey(password, salt);
        return std::pair(std::move(salt), std::move(key));
    });
}

void UnitDatabase::prepareKey(const UnitDatabaseKey &known)
{
    if (m_preparedKey.valid() || !m_rawKey.isEmpty())
        return;
    if (!known.rawKey.isEmpty()) {
        QFile file(m_filePath);
        if (file.open(QIODevice::ReadOnly) && file.read(saltSize) == known.salt) {
            m_salt = known.salt;
            m_rawKey = known.rawKey;
            return;
        }
    }
    prepareKeyInBackground();
}

void UnitDatabase::adoptPreparedKey()
{
    if (!m_preparedKey.valid())
        return;
    auto [salt, key] = m_preparedKey.get();
    if (m_rawKey.isEmpty() && !key.isEmpty()) {
        m_salt = std::move(salt);
        m_rawKey = std::move(key);
    }
}

UnitDatabaseConnection UnitDatabase::openUnitDatabase()
{
    adoptPreparedKey();
    // The usual case: the kept key still fits the file. Any failure takes the
    // long way below, which also finds the words for what is wrong.
    if (m_rawKeyUsable && !m_rawKey.isEmpty()) {
        int rc = SQLITE_OK;
        UnitDatabaseConnection connection = openWithKey(m_rawKey, &rc);
        if (connection.isOpen()) {
            m_rawKeyProven = true;
            return connection;
        }
    }
    FileStamp stamp;
    if (std::optional<QString> problem = checkFile(stamp)) {
        UnitDatabaseConnection failed;
        failed.m_error = *problem;
        return failed;
    }
    // The same file that failed before fails the same way: told without
    // deriving its key again.
    if (m_failedFile == stamp) {
        UnitDatabaseConnection failed;
        failed.m_error = m_failedFileError;
        return failed;
    }
    UnitDatabaseConnection connection = openChangedFile(stamp.salt);
    if (connection.isOpen()) {
        m_failedFile.reset();
    } else {
        m_failedFile = stamp;
        m_failedFileError = connection.m_error;
    }
    return connection;
}

// Opens a file that the kept key did not open: one derived for its salt, or the
// password itself while derivation here is not known to match the engine's.
UnitDatabaseConnection UnitDatabase::openChangedFile(const QByteArray &salt)
{
    int rc = SQLITE_OK;
    if (m_rawKeyUsable) {
        const bool keptKeyFits = !m_rawKey.isEmpty() && m_salt == salt;
        QByteArray key = keptKeyFits ? m_rawKey : QByteArray();
        if (key.isEmpty()) {
            key = deriveRawKey(m_password, salt);
            ++m_keyDerivations;
        }
        if (key.isEmpty()) {
            m_rawKeyUsable = false;
        } else {
            UnitDatabaseConnection connection = openWithKey(key, &rc);
            if (connection.isOpen()) {
                m_salt = salt;
                m_rawKey = std::move(key);
                m_rawKeyProven = true;
                return connection;
            }
            if (m_rawKeyProven && rc == SQLITE_NOTADB) {
                // The right key for this salt is refused: the salt is the file's
                // own, so the pages behind it are not what it was written with.
                connection.m_error = openingFailure(keptKeyFits ? QStringLiteral("the file is damaged")
                                                                : QStringLiteral("the password was refused"));
                return connection;
            }
            if (m_rawKeyProven) {
                connection.m_error = openingFailure(connection.m_error);
                return connection;
            }
        }
    }
    // Without a usable raw key, or when it was refused: the password itself.
    UnitDatabaseConnection connection = openWithPassword(&rc);
    if (connection.isOpen()) {
        // The password opens what the raw key could not: this engine derives
        // keys differently, so stop deriving them.
        m_rawKeyUsable = false;
        m_rawKey.clear();
        return connection;
    }
    if (rc == SQLITE_NOTADB)
        connection.m_error = openingFailure(QStringLiteral("the password was refused"));
    else
        connection.m_error = openingFailure(connection.m_error);
    return connection;
}

UnitDatabaseConnection UnitDatabase::openWithPassword(int *resultCode)
{
    // The engine derives the key from the password itself: the slow way.
    ++m_keyDerivations;
    return openWithKey(m_password, resultCode);
}

UnitDatabaseConnection UnitDatabase::openWithPasswordOnly()
{
    FileStamp stamp;
    if (std::optional<QString> problem = checkFile(stamp)) {
        UnitDatabaseConnection failed;
        failed.m_error = *problem;
        return failed;
    }
    int rc = SQLITE_OK;
    UnitDatabaseConnection connection = openWithPassword(&rc);
    if (!connection.isOpen())
        connection.m_error = openingFailure(connection.m_error);
    return connection;
}

UnitNamesResult UnitDatabase::readUnitNames(
    const UnitDatabaseConnection &connection, const QString &statement) const
{
    UnitNamesResult result;
    if (!connection.isOpen()) {
        result.error = connection.errorText();
        return result;
    }
    sqlite3 *db = connection.handle();
    Statement query;
    const QByteArray sql = statement.toUtf8();
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &query.stmt, nullptr) != SQLITE_OK) {
        result.error = message(QStringLiteral("cannot be read: %1.").arg(errorOf(db)));
        return result;
    }
    int unitColumn = -1;
    for (int i = 0; i < sqlite3_column_count(query.stmt); ++i) {
        if (qstricmp(sqlite3_column_name(query.stmt, i), "unit") == 0) {
            unitColumn = i;
            break;
        }
    }
    if (unitColumn < 0) {
        result.error = message(QStringLiteral("cannot be read: the statement returns no unit column."));
        return result;
    }
    int rc;
    while ((rc = sqlite3_step(query.stmt)) == SQLITE_ROW) {
        if (sqlite3_column_type(query.stmt, unitColumn) == SQLITE_NULL) {
            result.error = message(QStringLiteral("holds a unit without a name."));
            result.names.clear();
            return result;
        }
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(query.stmt, unitColumn));
        result.names.append(QString::fromUtf8(text, sqlite3_column_bytes(query.stmt, unitColumn)));
    }
    if (rc != SQLITE_DONE) {
        result.error = message(QStringLiteral("cannot be read: %1.").arg(errorOf(db)));
        result.names.clear();
    }
    return result;
}

namespace {

// The size in the given column of the current row as the program holds it,
// or what is wrong with it (to follow "The unit database <file> ").
std::optional<QString> readSize(sqlite3_stmt *stmt, int column, const QString &unit, float &size)
{
    double value = 0.0;
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_NULL:
        return QStringLiteral("has no size for the unit \"%1\": the value is empty.").arg(unit);
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        value = sqlite3_column_double(stmt, column);
        break;
    default: {
        const auto *bytes = reinterpret_cast<const char *>(sqlite3_column_text(stmt, column));
        const QString text = QString::fromUtf8(bytes, sqlite3_column_bytes(stmt, column)).trimmed();
        if (text.isEmpty())
            return QStringLiteral("has no size for the unit \"%1\": the value is empty.").arg(unit);
        bool ok = false;
        value = text.toDouble(&ok);
        if (!ok)
            return QStringLiteral("holds \"%1\" as the size of the unit \"%2\", which is not a number.")
                .arg(text, unit);
    }
    }
    if (!std::isfinite(value) || std::fabs(value) > double(std::numeric_limits<float>::max()))
        return QStringLiteral("holds a size for the unit \"%1\" that is out of range.").arg(unit);
    // Sizes are held in single precision, as every conversion uses them.
    size = static_cast<float>(value);
    if (!(size > 0.0f))
        return QStringLiteral("holds the size %1 for the unit \"%2\", which is not above zero.")
            .arg(QString::number(value), unit);
    return std::nullopt;
}

} // namespace

UnitSizeResult UnitDatabase::lookupSize(const QString &unit)
{
    UnitSizeResult result;
    UnitDatabaseConnection connection = openUnitDatabase();
    if (!connection.isOpen()) {
        result.error = connection.errorText();
        return result;
    }
    sqlite3 *db = connection.handle();
    Statement query;
    if (sqlite3_prepare_v2(db, "select value from table1 where unit=?", -1, &query.stmt, nullptr)
        != SQLITE_OK) {
        result.error = message(QStringLiteral("cannot be read: %1.").arg(errorOf(db)));
        return result;
    }
    const QByteArray name = unit.toUtf8();
    sqlite3_bind_text(query.stmt, 1, name.constData(), int(name.size()), SQLITE_STATIC);
    const int rc = sqlite3_step(query.stmt);
    if (rc == SQLITE_DONE) {
        result.error = message(QStringLiteral("has no row for the unit \"%1\".").arg(unit));
    } else if (rc != SQLITE_ROW) {
        result.error = message(QStringLiteral("cannot be read: %1.").arg(errorOf(db)));
    } else if (std::optional<QString> problem = readSize(query.stmt, 0, unit, result.size)) {
        result.error = message(*problem);
        result.size = 0.0f;
    }
    return result;
}

std::optional<QString> UnitDatabase::verify()
{
    UnitDatabaseConnection connection = openUnitDatabase();
    if (!connection.isOpen())
        return connection.errorText();
    sqlite3 *db = connection.handle();
    Statement query;
    if (sqlite3_prepare_v2(db, "select unit, value from table1", -1, &query.stmt, nullptr) != SQLITE_OK)
        return message(QStringLiteral("cannot be read: %1.").arg(errorOf(db)));
    int rows = 0;
    int rc;
    while ((rc = sqlite3_step(query.stmt)) == SQLITE_ROW) {
        ++rows;
        if (sqlite3_column_type(query.stmt, 0) == SQLITE_NULL || sqlite3_column_bytes(query.stmt, 0) == 0)
            return message(QStringLiteral("holds a unit without a name."));
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(query.stmt, 0));
        const QString unit = QString::fromUtf8(text, sqlite3_column_bytes(query.stmt, 0));
        float size = 0.0f;
        if (std::optional<QString> problem = readSize(query.stmt, 1, unit, size))
            return message(*problem);
    }
    if (rc != SQLITE_DONE)
        return message(QStringLiteral("cannot be read: %1.").arg(errorOf(db)));
    if (rows == 0)
        return message(QStringLiteral("holds no units."));
    return std::nullopt;
}
