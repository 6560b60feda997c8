#ifndef BRIMLOW_UNITDATABASE_H
#define BRIMLOW_UNITDATABASE_H

// The program's whole access to the unit database file: opening it with its
// password, reading the unit names of a list statement, and looking up the
// size of one unit. Nothing stays open between operations: each one opens the
// file, runs its statement and closes it again. Only the engine object lives
// for the whole run; it keeps the file's derived key so that later openings
// skip the slow key derivation, and it remembers the last file that could not
// be opened (by its size, modification time and salt), so that a damaged or
// foreign file costs one derivation when it appears, not one per keystroke.
//
// Every failure a user can meet (a missing, foreign or damaged file, a refused
// password, a unit without a usable size) comes back as a message naming the
// file and what is wrong. Nothing here ever writes to the file.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <future>
#include <optional>
#include <utility>

struct sqlite3;

inline constexpr char unitDatabasePassword[] = "tolvek361";

// A raw key worked out ahead of time for the unit file with this salt. The build
// works out the key of the file it ships (shippedunitkey.h), so that opening
// that file needs no derivation from the password.
struct UnitDatabaseKey
{
    QByteArray salt; // the file's first 16 bytes
    QByteArray rawKey; // "x'<key hex><salt hex>'"; empty when the engine takes no raw key
};

// The raw key of a file with this salt, derived from the password the way the
// installed SQLCipher derives it (the slow step of opening); empty when that
// engine's keys cannot be given raw.
QByteArray deriveUnitDatabaseKey(const QByteArray &password, const QByteArray &salt);

// An open unit database, closed when it goes out of scope; or, when opening
// failed, the message saying why.
class UnitDatabaseConnection final
{
public:
    UnitDatabaseConnection() = default;
    UnitDatabaseConnection(UnitDatabaseConnection &&other) noexcept;
    UnitDatabaseConnection &operator=(UnitDatabaseConnection &&other) noexcept;
    UnitDatabaseConnection(const UnitDatabaseConnection &) = delete;
    UnitDatabaseConnection &operator=(const UnitDatabaseConnection &) = delete;
    ~UnitDatabaseConnection();

    bool isOpen() const { return m_db != nullptr; }
    const QString &errorText() const { return m_error; }
    sqlite3 *handle() const { return m_db; }
    void close();

private:
    friend class UnitDatabase;
    sqlite3 *m_db = nullptr;
    QString m_error;
};

struct UnitNamesResult
{
    QStringList names;
    QString error; // empty on success
    bool ok() const { return error.isEmpty(); }
};

struct UnitSizeResult
{
    float size = 0.0f;
    QString error; // empty on success
    bool ok() const { return error.isEmpty(); }
};

class UnitDatabase final
{
public:
    explicit UnitDatabase(QString filePath, QByteArray password = QByteArray(unitDatabasePassword));

    const QString &filePath() const { return m_filePath; }

    // Opens the file read-only with the password.
    UnitDatabaseConnection openUnitDatabase();

    // Runs one select statement on an open database and returns the `unit`
    // texts of its rows in the order the statement returns them.
    UnitNamesResult readUnitNames(const UnitDatabaseConnection &connection, const QString &statement) const;

    // Opens the file, reads the size of the named unit (the first row with
    // that name) as single precision, closes the file. The name is bound as a
    // parameter, so any text is safe to look up.
    UnitSizeResult lookupSize(const QString &unit);

    // Start-up check of the whole table: the file opens, the table has rows,
    // every row has a name and a usable size. The message of the first
    // problem found, or nothing when the file is sound.
    std::optional<QString> verify();

    // Starts deriving the file's key on a worker thread, so that the program can
    // set itself up meanwhile; the first opening picks the key up (or derives it
    // itself when the file could not be read then).
    void prepareKeyInBackground();

    // Makes the file's key ready before the first opening. When the file's salt
    // is the one `known` was worked out for, that key is taken as it is and
    // nothing is derived; any other file (one rebuilt or edited with the
    // password has a new salt) has its key derived in the background, as
    // prepareKeyInBackground() does.
    void prepareKey(const UnitDatabaseKey &known);

    // True once the file's key is known, so that openings skip derivation.
    bool hasDerivedKey() const { return !m_rawKey.isEmpty(); }

    // How many times a key was derived from the password (the slow step of
    // opening, about a sixth of a second): by an opening on the caller's
    // thread, or on the worker that prepareKeyInBackground() starts.
    int keyDerivations() const { return m_keyDerivations; }

    // Opens with the password alone, deriving the key every time (the slow
    // way); for checking the fast way against it.
    UnitDatabaseConnection openWithPasswordOnly();

private:
    // What tells one state of the file from another without reading it through.
    struct FileStamp
    {
        qint64 size = -1;
        qint64 modified = 0; // milliseconds since the epoch
        QByteArray salt;
        bool operator==(const FileStamp &) const = default;
    };

    QString message(const QString &what) const;
    QString openingFailure(const QString &reason) const;
    std::optional<QString> checkFile(FileStamp &stamp) const;
    UnitDatabaseConnection openWithKey(const QByteArray &key, int *resultCode) const;
    UnitDatabaseConnection openWithPassword(int *resultCode);
    UnitDatabaseConnection openChangedFile(const QByteArray &salt);
    void adoptPreparedKey();

    QString m_filePath;
    QByteArray m_password;
    QByteArray m_salt; // salt of the file the raw key was derived for
    QByteArray m_rawKey; // "x'<key hex><salt hex>'", empty until derived
    bool m_rawKeyUsable = true;
    // A derived key has opened a file: derivation here matches the engine's, so
    // a file that refuses a key derived for its salt refuses the password too.
    bool m_rawKeyProven = false;
    std::future<std::pair<QByteArray, QByteArray>> m_preparedKey; // salt, raw key
    int m_keyDerivations = 0;
    // The last file that could not be opened, and why.
    std::optional<FileStamp> m_failedFile;
    QString m_failedFileError;
};

#endif
