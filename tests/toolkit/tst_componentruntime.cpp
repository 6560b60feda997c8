#include "Formkit/classfactory.h"
#include "Formkit/componentruntime.h"
#include "Formkit/dispatch.h"
#include "Formkit/memorypropertybag.h"
#include "Formkit/olecolor.h"
#include "Formkit/twips.h"
#include "testsupport/tempfolder.h"

#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QMouseEvent>
#include <QPixmap>
#include <QRegularExpression>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <sys/stat.h>

using Formkit::ClassFactory;
using Formkit::ControlRegistry;
using Formkit::Dispatchable;
using Formkit::DispatchKind;
using Formkit::MemoryPropertyBag;
namespace component = Formkit::component;
namespace componentruntime = Formkit::componentruntime;
namespace olecolor = Formkit::olecolor;
namespace twips = Formkit::twips;

namespace {
const QString progId = QStringLiteral("LumivaneBox.Lumivane");
const QString classId = QStringLiteral("{6AFEA333-57C6-4DD9-88C0-E3A240370351}");

component::ComponentDescription lumivaneDescription()
{
    component::ComponentDescription d;
    d.className = QStringLiteral("Lumivane");
    d.classId = classId;
    d.progId = progId;
    d.isControl = true;
    d.typeLibId = QStringLiteral("{48C32CF0-560A-4342-9DCA-3DC89E8FAC67}");
    d.typeLibVersion = QStringLiteral("1.0");
    return d;
}
} // namespace

class tst_ComponentRuntime final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void registerWritesTheClass();
    void createByNameOrIdentifier_data();
    void createByNameOrIdentifier();
    void paintPictureByDispatchIdentifier();
    void hostsTheLogoAsTheConverterDoes();
    void canUnloadNowFollowsInstancesAndLocks();
    void unregisterThenCreateFails();
    void createFailsForAMissingLibrary();
    void untrustedUserEntryFallsBackToTheInstalledControl_data();
    void untrustedUserEntryFallsBackToTheInstalledControl();
    void classFactoryOnlyForItsClass();

private:
    QString m_registry;
    TempFolder m_dir;
};

void tst_ComponentRuntime::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // The module writes the registry the test names: its own.
    m_registry = m_dir.filePath(QStringLiteral("controls.json"));
}

void tst_ComponentRuntime::init()
{
    QCOMPARE(componentruntime::registerServer(QStringLiteral(LUMIVANE_LIBRARY), m_registry), QString());
}

void tst_ComponentRuntime::registerWritesTheClass()
{
    const auto entry = ControlRegistry(m_registry).find(progId);
    QVERIFY(entry);
    QCOMPARE(entry->classId, classId);
    QVERIFY(entry->isControl);
    QCOMPARE(entry->typeLibId, QStringLiteral("{48C32CF0-560A-4342-9DCA-3DC89E8FAC67}"));
    QCOMPARE(entry->typeLibVersion, QStringLiteral("1.0"));
    QVERIFY(QFile::exists(entry->serverPath));
    QVERIFY(QFileInfo(entry->serverPath).isAbsolute());
}

void tst_ComponentRuntime::createByNameOrIdentifier_data()
{
    QTest::addColumn<QString>("key");
    QTest::newRow("programmatic name") << progId;
    QTest::newRow("class identifier in small letters") << classId.toLower();
}

void tst_ComponentRuntime::createByNameOrIdentifier()
{
    QFETCH(QString, key);
    QWidget host;
    const componentruntime::Creation creation = componentruntime::createControl(key, &host, m_registry);
    QVERIFY2(creation.control, qPrintable(creation.error));
    QCOMPARE(creation.control->parentWidget(), &host);
    QCOMPARE(QLatin1String(creation.control->metaObject()->className()), QLatin1String("Lumivane"));
    QVERIFY(qobject_cast<Dispatchable *>(creation.control));
    // Members by name through the meta-object system.
    QVERIFY(creation.control->setProperty("TransparentColor", 0x00BEBEBEu));
    QCOMPARE(creation.control->property("TransparentColor").toUInt(), 0x00BEBEBEu);
}

void tst_ComponentRuntime::paintPictureByDispatchIdentifier()
{
    QWidget host;
    const auto creation = componentruntime::createControl(progId, &host, m_registry);
    QVERIFY(creation.control);
    creation.control->resize(92, 49);
    Dispatchable *control = qobject_cast<Dispatchable *>(creation.control);
    QVERIFY(control);
    QImage logo(92, 49, QImage::Format_RGB32);
    logo.fill(qRgb(190, 190, 190));
    logo.setPixel(3, 4, qRgb(0, 0, 0));
    QVariantList arguments { QPixmap::fromImage(logo), 0.0f, 0.0f };
    QVERIFY(control->invoke(0x60030043, DispatchKind::Call, arguments).ok());
    QVariantList none;
    const QPixmap image
        = control->invoke(control->dispatchIdOfName(QStringLiteral("Image")), DispatchKind::Get, none)
              .value.value<QPixmap>();
    QCOMPARE(image.toImage().pixel(3, 4), qRgb(0, 0, 0));
}

namespace {
class Window final : public QWidget
{
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
};
} // namespace

void tst_ComponentRuntime::hostsTheLogoAsTheConverterDoes()
{
    Window window;
    window.resize(480, 330);
    const auto creation = componentruntime::createControl(progId, &window, m_registry);
    QVERIFY2(creation.control, qPrintable(creation.error));
    QWidget *logoControl = creation.control;
    logoControl->setGeometry(twips::rect(4660, 3570, 1385, 735));

    MemoryPropertyBag settings;
    settings.setValue(QStringLiteral("TransparentColor"), 0x00BEBEBE);
    settings.setValue(QStringLiteral("ForeColor"), qint32(olecolor::windowText));
    settings.setValue(QStringLiteral("ScaleWidth"), 1380);
    settings.setValue(QStringLiteral("ScaleHeight"), 735);
    bool read = false;
    QVERIFY(QMetaObject::invokeMethod(
        logoControl, "readProperties", Q_RETURN_ARG(bool, read), Q_ARG(QObject *, &settings)));
    QVERIFY(read);

    // Load: the logo at 0, 0 through PaintPicture's dispatch identifier.
    QImage logo(92, 49, QImage::Format_RGB32);
    logo.fill(qRgb(190, 190, 190));
    for (int x = 20; x < 30; ++x)
        for (int y = 10; y < 20; ++y)
            logo.setPixel(x, y, qRgb(20, 20, 90));
    QVariantList arguments { QPixmap::fromImage(logo), 0.0f, 0.0f };
    QVERIFY(
        qobject_cast<Dispatchable *>(logoControl)->invoke(0x60030043, DispatchKind::Call, arguments).ok());

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint origin = logoControl->geometry().topLeft();
    QTest::mouseClick(
        window.windowHandle(), Qt::LeftButton, {}, origin + QPoint(60, 30)); // grey: see-through
    QCOMPARE(window.presses, 1);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, origin + QPoint(25, 15)); // lettering
    QCOMPARE(window.presses, 1);
}

void tst_ComponentRuntime::canUnloadNowFollowsInstancesAndLocks()
{
    const QString library = QStringLiteral(LUMIVANE_LIBRARY);
    QCOMPARE(componentruntime::canUnloadNow(library), std::optional<bool>(true));
    auto *host = new QWidget;
    const auto creation = componentruntime::createControl(progId, host, m_registry);
    QVERIFY(creation.control);
    QCOMPARE(componentruntime::canUnloadNow(library), std::optional<bool>(false));
    delete host; // the last instance goes with its host
    QCOMPARE(componentruntime::canUnloadNow(library), std::optional<bool>(true));

    // A factory kept by a host, or a lock on the server, keeps the module busy.
    QLibrary module(library);
    QVERIFY(module.load());
    const auto getClassObject
        = reinterpret_cast<component::GetClassObjectFunction>(module.resolve("DllGetClassObject"));
    void *object = nullptr;
    QCOMPARE(getClassObject(classId.toLatin1().constData(), ClassFactory::interfaceId, &object),
        component::resultOk);
    auto *factory = static_cast<ClassFactory *>(object);
    QCOMPARE(componentruntime::canUnloadNow(library), std::optional<bool>(false));
    factory->lockServer(true);
    factory->release();
    QCOMPARE(componentruntime::canUnloadNow(library), std::optional<bool>(false));
    // Unlocking needs a factory again, as a host would ask for one.
    QCOMPARE(getClassObject(classId.toLatin1().constData(), ClassFactory::interfaceId, &object),
        component::resultOk);
    factory = static_cast<ClassFactory *>(object);
    factory->lockServer(false);
    factory->release();
    QCOMPARE(componentruntime::canUnloadNow(library), std::optional<bool>(true));
}

void tst_ComponentRuntime::unregisterThenCreateFails()
{
    QCOMPARE(componentruntime::unregisterServer(QStringLiteral(LUMIVANE_LIBRARY), m_registry), QString());
    QVERIFY(!ControlRegistry(m_registry).find(classId));
    QWidget host;
    const auto creation = componentruntime::createControl(progId, &host, m_registry);
    QVERIFY(!creation.control);
    QVERIFY(creation.error.contains(QStringLiteral("not registered")));
    QVERIFY(host.children().isEmpty());
}

void tst_ComponentRuntime::createFailsForAMissingLibrary()
{
    TempFolder dir;
    const QString registryPath = dir.filePath(QStringLiteral("controls.json"));
    QCOMPARE(ControlRegistry(registryPath)
                 .registerClass(lumivaneDescription(), dir.filePath(QStringLiteral("gone.so"))),
        QString());
    QWidget host;
    const auto creation = componentruntime::createControl(progId, &host, registryPath);
    QVERIFY(!creation.control);
    QVERIFY2(creation.error.contains(QStringLiteral("not there")), qPrintable(creation.error));
}

void tst_ComponentRuntime::untrustedUserEntryFallsBackToTheInstalledControl_data()
{
    // What sits in the user's registry's place, and what the one warning names.
    QTest::addColumn<QString>("library");
    QTest::addColumn<QString>("registry");
    QTest::addColumn<QString>("warning");
    const QString notAControl = QStringLiteral(NOTACONTROL_LIBRARY);
    const QString oldControl = QStringLiteral(OLDCONTROL_LIBRARY);
    QTest::newRow("library without metadata") << notAControl << "file"
                                              << "no control metadata";
    QTest::newRow("library for another interface") << oldControl << "file"
                                                   << "runtime interface 1";
    QTest::newRow("library that is gone") << "gone.so"
                                          << "file"
                                          << "not there";
    QTest::newRow("registry writable by all") << notAControl << "writable by all"
                                              << "everybody may write";
    QTest::newRow("FIFO") << QString() << "fifo"
                          << "not a regular file";
    QTest::newRow("/dev/zero") << QString() << "/dev/zero"
                               << "not a regular file";
    QTest::newRow("oversized file") << QString() << "oversized"
                                    << "larger than";
}

void tst_ComponentRuntime::untrustedUserEntryFallsBackToTheInstalledControl()
{
    QFETCH(QString, library);
    QFETCH(QString, registry);
    QFETCH(QString, warning);
    TempFolder dir;
    const QString userRegistry = dir.filePath(QStringLiteral("controls.json"));
    if (!library.isEmpty())
        library = QDir(dir.path()).absoluteFilePath(library);
    const QString mark = library + QStringLiteral(".ran");
    QFile::remove(mark);
    if (!library.isEmpty())
        QCOMPARE(ControlRegistry(userRegistry).registerClass(lumivaneDescription(), library), QString());
    if (registry == QLatin1String("writable by all"))
        QVERIFY(QFile::setPermissions(userRegistry, QFile::permissions(userRegistry) | QFile::WriteOther));
    else if (registry == QLatin1String("fifo"))
        QCOMPARE(mkfifo(QFile::encodeName(userRegistry).constData(), 0600), 0);
    else if (registry == QLatin1String("/dev/zero"))
        QVERIFY(QFile::link(registry, userRegistry));
    else if (registry == QLatin1String("oversized"))
        QVERIFY(
            !dir.write(QStringLiteral("controls.json"), QByteArray(5 * 1024 * 1024, ' ') + "{}").isEmpty());

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(warning)));
    QWidget host;
    const auto creation
        = componentruntime::createControl(progId, &host, QStringList { userRegistry, m_registry });
    QVERIFY2(creation.control, qPrintable(creation.error));
    QCOMPARE(creation.control->metaObject()->className(), "Lumivane");
    QVERIFY(!QFile::exists(mark));
}

void tst_ComponentRuntime::classFactoryOnlyForItsClass()
{
    QLibrary module(QStringLiteral(LUMIVANE_LIBRARY));
    QVERIFY(module.load());
    const auto getClassObject
        = reinterpret_cast<component::GetClassObjectFunction>(module.resolve("DllGetClassObject"));
    QVERIFY(getClassObject);
    void *object = reinterpret_cast<void *>(1);
    QCOMPARE(getClassObject("{00000000-0000-0000-0000-000000000000}", ClassFactory::interfaceId, &object),
        component::resultClassNotAvailable);
    QVERIFY(object == nullptr);
    QCOMPARE(
        getClassObject(classId.toLatin1().constData(), "{00000000-0000-0000-C000-000000000046}", &object),
        component::resultNoInterface);
}

QTEST_MAIN(tst_ComponentRuntime)
#include "tst_componentruntime.moc"
