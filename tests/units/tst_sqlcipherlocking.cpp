#include "units/sqlcipherlocking.h"
#include "units/unitdatabase.h"

#include <QFile>
#include <QTest>

#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>

// AddressSanitizer answers mlock itself, locking nothing, so the kernel's count
// cannot show another caller's lock there.
#if defined(__SANITIZE_ADDRESS__)
#define BRIMLOW_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BRIMLOW_ADDRESS_SANITIZER 1
#endif
#endif

namespace {

const QString shippedDatabase = QStringLiteral(BRIMLOW_UNIT_DATABASE);

// Memory this process holds locked, from the kernel's own count.
qint64 lockedKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmLck:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

} // namespace

class tst_SqlcipherLocking : public QObject
{
    Q_OBJECT

private slots:
    void programTakesTheseLockCalls();
    void openUnitFileLocksNoMemory();
    void otherCallersStillLock();
};

void tst_SqlcipherLocking::programTakesTheseLockCalls()
{
    QVERIFY(sqlcipherlocking::interposed());
}

void tst_SqlcipherLocking::openUnitFileLocksNoMemory()
{
    UnitDatabase database(shippedDatabase);
    const qint64 before = lockedKilobytes();
    QVERIFY(before >= 0);
    UnitDatabaseConnection connection = database.openUnitDatabase();
    QVERIFY2(connection.isOpen(), qPrintable(connection.errorText()));
    // An open connection holds its keys and page buffer: none of it locked.
    QCOMPARE(lockedKilobytes(), before);
    QVERIFY(database.lookupSize(QStringLiteral("Liter")).ok());
    QCOMPARE(lockedKilobytes(), before);
}

void tst_SqlcipherLocking::otherCallersStillLock()
{
#ifdef BRIMLOW_ADDRESS_SANITIZER
    QSKIP("AddressSanitizer takes the mlock calls and locks nothing");
#endif
    const long page = sysconf(_SC_PAGESIZE);
    void *buffer = std::aligned_alloc(size_t(page), size_t(page));
    QVERIFY(buffer);
    static_cast<char *>(buffer)[0] = 1;
    const qint64 before = lockedKilobytes();
    if (mlock(buffer, size_t(page)) != 0) {
        std::free(buffer);
        QSKIP("this process may not lock memory");
    }
    QCOMPARE(lockedKilobytes(), before + page / 1024);
    QCOMPARE(munlock(buffer, size_t(page)), 0);
    QCOMPARE(lockedKilobytes(), before);
    std::free(buffer);
}

QTEST_APPLESS_MAIN(tst_SqlcipherLocking)
#include "tst_sqlcipherlocking.moc"
