#include "Formkit/controlregistry.h"

#include "../results/filesizelimit.h"
#include "testsupport/tempfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using Formkit::ControlRegistry;
namespace component = Formkit::component;

namespace {

component::ComponentDescription sample(const QString &classId, const QString &progId)
{
    component::ComponentDescription d;
    d.className = QStringLiteral("Sample");
    d.classId = classId;
    d.progId = progId;
    d.isControl = true;
    d.typeLibName = QStringLiteral("SampleLib");
    d.typeLibId = QStringLiteral("{11111111-2222-3333-4444-555555555555}");
    d.typeLibVersion = QStringLiteral("1.0");
    d.typeLibLocale = 0x409;
    d.defaultInterfaceName = QStringLiteral("_Sample");
    d.defaultInterfaceId = QStringLiteral("{AAAAAAAA-2222-3333-4444-555555555555}");
    d.eventInterfaceName = QStringLiteral("__Sample");
    d.eventInterfaceId = QStringLiteral("{BBBBBBBB-2222-3333-4444-555555555555}");
    return d;
}

QJsonObject readJson(const QString &path)
{
    return QJsonDocument::fromJson(readFile(path)).object();
}

} // namespace

class tst_ControlRegistry final : public QObject
{
    Q_OBJECT

private slots:
    void registersUnderIdentifierAndName();
    void findsByNameOrIdentifierInAnyCase_data();
    void findsByNameOrIdentifierInAnyCase();
    void unregisterRemovesEverything();
    void unregisterLeavesANameTakenOver();
    void damagedRegistryIsReportedAndKept();
    void registrationOnAFullDiskFailsAndKeepsTheOldFile();
    void userRegistryIsInTheDataFolder();
    void noVariableNamesARegistry();
    void registryMovedWithItsLibraryStillFindsIt();
    void absoluteLibraryPathIsReadAsItStands();
    void installedRegistryIsReadAfterTheUsers();
};

void tst_ControlRegistry::registersUnderIdentifierAndName()
{
    TempFolder dir;
    const QString path = dir.filePath(QStringLiteral("share/formkit/controls.json"));
    const ControlRegistry registry(path);
    QCOMPARE(registry.registerClass(sample(QStringLiteral("{abcdef00-1111-2222-3333-444444444444}"),
                                        QStringLiteral("Sample.Control")),
                 dir.filePath(QStringLiteral("lib/libsample.so.1"))),
        QString());
    const QJsonObject root = readJson(path);
    const QJsonObject entry = root.value(QStringLiteral("CLSID"))
                                  .toObject()
                                  .value(QStringLiteral("{ABCDEF00-1111-2222-3333-444444444444}"))
                                  .toObject();
    QCOMPARE(entry.value(QStringLiteral("ProgID")).toString(), QStringLiteral("Sample.Control"));
    // The library is named relative to the registry's folder.
    QCOMPARE(
        entry.value(QStringLiteral("InprocServer")).toString(), QStringLiteral("../../lib/libsample.so.1"));
    QVERIFY(entry.value(QStringLiteral("Control")).toBool());
    QCOMPARE(entry.value(QStringLiteral("TypeLib")).toString(),
        QStringLiteral("{11111111-2222-3333-4444-555555555555}"));
    QCOMPARE(entry.value(QStringLiteral("Version")).toString(), QStringLiteral("1.0"));
    QVERIFY(root.value(QStringLiteral("TypeLib"))
                .toObject()
                .contains(QStringLiteral("{11111111-2222-3333-4444-555555555555}")));
    QVERIFY(root.value(QStringLiteral("Interface"))
                .toObject()
                .contains(QStringLiteral("{AAAAAAAA-2222-3333-4444-555555555555}")));
}

void tst_ControlRegistry::findsByNameOrIdentifierInAnyCase_data()
{
    QTest::addColumn<QString>("key");
    QTest::newRow("programmatic name") << QStringLiteral("Sample.Control");
    QTest::newRow("programmatic name, other case") << QStringLiteral("sample.CONTROL");
    QTest::newRow("class identifier") << QStringLiteral("{ABCDEF00-1111-2222-3333-444444444444}");
    QTest::newRow("class identifier, lower case") << QStringLiteral("{abcdef00-1111-2222-3333-444444444444}");
}

void tst_ControlRegistry::findsByNameOrIdentifierInAnyCase()
{
    QFETCH(QString, key);
    TempFolder dir;
    const ControlRegistry registry(dir.filePath(QStringLiteral("controls.json")));
    registry.registerClass(
        sample(QStringLiteral("{ABCDEF00-1111-2222-3333-444444444444}"), QStringLiteral("Sample.Control")),
        QStringLiteral("/opt/sample.so"));
    const auto entry = registry.find(key);
    QVERIFY(entry);
    QCOMPARE(entry->serverPath, QStringLiteral("/opt/sample.so"));
    QCOMPARE(entry->className, QStringLiteral("Sample"));
}

void tst_ControlRegistry::unregisterRemovesEverything()
{
    TempFolder dir;
    const QString path = dir.filePath(QStringLiteral("controls.json"));
    const ControlRegistry registry(path);
    const auto d
        = sample(QStringLiteral("{ABCDEF00-1111-2222-3333-444444444444}"), QStringLiteral("Sample.Control"));
    registry.registerClass(d, QStringLiteral("/opt/sample.so"));
    QCOMPARE(registry.unregisterClass(d), QString());
    QString why;
    QVERIFY(!registry.find(QStringLiteral("Sample.Control"), &why));
    QVERIFY(why.contains(QStringLiteral("not registered")));
    const QJsonObject root = readJson(path);
    for (const char *key : { "CLSID", "ProgID", "TypeLib", "Interface" })
        QVERIFY2(root.value(QLatin1String(key)).toObject().isEmpty(), key);
    // Unregistering again is no failure.
    QCOMPARE(registry.unregisterClass(d), QString());
}

void tst_ControlRegistry::unregisterLeavesANameTakenOver()
{
    TempFolder dir;
    const ControlRegistry registry(dir.filePath(QStringLiteral("controls.json")));
    const auto first
        = sample(QStringLiteral("{00000000-1111-2222-3333-444444444444}"), QStringLiteral("Sample.Control"));
    const auto second
        = sample(QStringLiteral("{99999999-1111-2222-3333-444444444444}"), QStringLiteral("Sample.Control"));
    registry.registerClass(first, QStringLiteral("/opt/one.so"));
    registry.registerClass(second, QStringLiteral("/opt/two.so"));
    registry.unregisterClass(first);
    const auto entry = registry.find(QStringLiteral("Sample.Control"));
    QVERIFY(entry);
    QCOMPARE(entry->serverPath, QStringLiteral("/opt/two.so"));
}

void tst_ControlRegistry::damagedRegistryIsReportedAndKept()
{
    TempFolder dir;
    const QString path = dir.write(QStringLiteral("controls.json"), "{ not json");
    QVERIFY(!path.isEmpty());
    const ControlRegistry registry(path);
    const QString failure = registry.registerClass(
        sample(QStringLiteral("{ABCDEF00-1111-2222-3333-444444444444}"), QStringLiteral("Sample.Control")),
        QStringLiteral("/opt/sample.so"));
    QVERIFY(failure.contains(QStringLiteral("damaged")));
    QCOMPARE(readFile(path), QByteArray("{ not json"));
    QString why;
    QVERIFY(!registry.find(QStringLiteral("Sample.Control"), &why));
    QVERIFY(why.contains(QStringLiteral("damaged")));
}

void tst_ControlRegistry::registrationOnAFullDiskFailsAndKeepsTheOldFile()
{
    TempFolder dir;
    const QString path = dir.filePath(QStringLiteral("controls.json"));
    const ControlRegistry registry(path);
    QCOMPARE(registry.registerClass(sample(QStringLiteral("{ABCDEF00-1111-2222-3333-444444444444}"),
                                        QStringLiteral("Sample.Control")),
                 QStringLiteral("/opt/sample.so")),
        QString());
    const QByteArray before = readFile(path);
    QString failure;
    {
        FileSizeLimit full(before.size() + 16);
        QVERIFY(full.isActive());
        failure = registry.registerClass(
            sample(QStringLiteral("{ABCDEF00-1111-2222-3333-555555555555}"), QStringLiteral("Other.Control")),
            QStringLiteral("/opt/other.so"));
    }
    QVERIFY(failure.contains(path));
    QCOMPARE(readFile(path), before);
    QVERIFY(registry.find(QStringLiteral("Sample.Control")));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "controls.json" });
}

void tst_ControlRegistry::userRegistryIsInTheDataFolder()
{
    qputenv("XDG_DATA_HOME", "/tmp/data-home");
    QCOMPARE(ControlRegistry::userPath(), QStringLiteral("/tmp/data-home/formkit/controls.json"));
    qunsetenv("XDG_DATA_HOME");
    QCOMPARE(ControlRegistry::userPath(),
        QDir::homePath() + QStringLiteral("/.local/share/formkit/controls.json"));
    // Outside a registration the module writes the user's registry.
    QCOMPARE(ControlRegistry::registrationPath(), ControlRegistry::userPath());
}

void tst_ControlRegistry::noVariableNamesARegistry()
{
    // The variable the converter's first runtime read is honoured no more.
    qputenv("BRIMLOW_CONTROL_REGISTRY", "/tmp/elsewhere/controls.json");
    const QStringList paths = ControlRegistry::defaultSearchPaths();
    const QString registration = ControlRegistry::registrationPath();
    qunsetenv("BRIMLOW_CONTROL_REGISTRY");
    QVERIFY(!paths.contains(QStringLiteral("/tmp/elsewhere/controls.json")));
    QCOMPARE(registration, ControlRegistry::userPath());
}

void tst_ControlRegistry::registryMovedWithItsLibraryStillFindsIt()
{
    TempFolder first;
    const auto d
        = sample(QStringLiteral("{ABCDEF00-1111-2222-3333-444444444444}"), QStringLiteral("Sample.Control"));
    ControlRegistry(first.filePath(QStringLiteral("share/formkit/controls.json")))
        .registerClass(d, first.filePath(QStringLiteral("lib/libsample.so.1")));
    // The whole prefix unpacked elsewhere: only the registry file comes along here.
    TempFolder second;
    const QString moved = second.filePath(QStringLiteral("share/formkit/controls.json"));
    QVERIFY(QDir().mkpath(QFileInfo(moved).absolutePath()));
    QVERIFY(QFile::copy(first.filePath(QStringLiteral("share/formkit/controls.json")), moved));
    const auto entry = ControlRegistry(moved).find(QStringLiteral("Sample.Control"));
    QVERIFY(entry);
    QCOMPARE(entry->serverPath, second.filePath(QStringLiteral("lib/libsample.so.1")));
}

void tst_ControlRegistry::absoluteLibraryPathIsReadAsItStands()
{
    TempFolder dir;
    const QString path = dir.write(QStringLiteral("controls.json"),
        R"({"ProgID": {"Sample.Control": "{ABCDEF00-1111-2222-3333-444444444444}"},
            "CLSID": {"{ABCDEF00-1111-2222-3333-444444444444}":
                      {"InprocServer": "/opt/sample.so", "Control": true}}})");
    const auto entry = ControlRegistry(path).find(QStringLiteral("Sample.Control"));
    QVERIFY(entry);
    QCOMPARE(entry->serverPath, QStringLiteral("/opt/sample.so"));
}

void tst_ControlRegistry::installedRegistryIsReadAfterTheUsers()
{
    qputenv("XDG_DATA_HOME", "/tmp/data-home");
    const QStringList paths = ControlRegistry::defaultSearchPaths();
    qunsetenv("XDG_DATA_HOME");
    // Beside the runtime library this test links: <libdir>/../share/formkit.
    const QString libraryFolder = QFileInfo(QStringLiteral(FORMKIT_CORE_LIBRARY)).absolutePath();
    QCOMPARE(paths,
        QStringList({ QStringLiteral("/tmp/data-home/formkit/controls.json"),
            QDir::cleanPath(libraryFolder + QStringLiteral("/../share/formkit/controls.json")) }));
}

QTEST_APPLESS_MAIN(tst_ControlRegistry)
#include "tst_controlregistry.moc"
