#include "lumivane/lumivane.h"

#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <QPluginLoader>
#include <QTest>
#include <QXmlStreamReader>

// The plugin is loaded from its file, as Qt Designer loads it.
class tst_LumivaneDesigner final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void describesTheControl();
    void iconIsTheToolboxPicture();
    void createsAnInitialisedControl();

private:
    QDesignerCustomWidgetInterface *m_plugin = nullptr;
};

void tst_LumivaneDesigner::initTestCase()
{
    QPluginLoader loader(QStringLiteral(LUMIVANE_DESIGNER_PLUGIN));
    QVERIFY2(loader.load(), qPrintable(loader.errorString()));
    QCOMPARE(loader.metaData().value(QStringLiteral("IID")).toString(),
        QStringLiteral("org.qt-project.Qt.QDesignerCustomWidgetInterface"));
    m_plugin = qobject_cast<QDesignerCustomWidgetInterface *>(loader.instance());
    QVERIFY(m_plugin);
}

void tst_LumivaneDesigner::describesTheControl()
{
    QCOMPARE(m_plugin->name(), QStringLiteral("Lumivane"));
    QCOMPARE(m_plugin->group(), QStringLiteral("LumivaneBox"));
    QCOMPARE(m_plugin->includeFile(), QStringLiteral("lumivane/lumivane.h"));
    QVERIFY(!m_plugin->isContainer());
    // The form description names the same class, in well-formed XML.
    QXmlStreamReader xml(m_plugin->domXml());
    QString widgetClass;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("widget"))
            widgetClass = xml.attributes().value(QLatin1String("class")).toString();
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(widgetClass, m_plugin->name());
}

void tst_LumivaneDesigner::iconIsTheToolboxPicture()
{
    const QIcon icon = m_plugin->icon();
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.availableSizes(), QList<QSize> { QSize(16, 15) });
    QCOMPARE(icon.pixmap(QSize(16, 15)).toImage().convertToFormat(QImage::Format_RGB32),
        QImage(QStringLiteral(":/lumivane/bitmap/30000")).convertToFormat(QImage::Format_RGB32));
}

void tst_LumivaneDesigner::createsAnInitialisedControl()
{
    QWidget form;
    form.setFont(QFont(QStringLiteral("Serif"), 10));
    m_plugin->initialize(nullptr);
    QVERIFY(m_plugin->isInitialized());
    QWidget *made = m_plugin->createWidget(&form);
    auto *control = qobject_cast<Lumivane *>(made);
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), &form);
    QCOMPARE(control->drawingFont(), form.font());
    QVERIFY(control->autoRedraw());
    QVERIFY(!control->isMoveable());
    // What Designer's property editor lists and sets by name.
    QVERIFY(control->setProperty("MoveStyle", 2));
    QCOMPARE(control->moveStyle(), Lumivane::LVNMoveStyle::Both);
}

QTEST_MAIN(tst_LumivaneDesigner)
#include "tst_lumivanedesigner.moc"
