#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <QMetaProperty>
#include <QPluginLoader>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

// The plugin is loaded from its file, as Qt Designer loads it: the one built
// here, or the one named by LUMIVANE_DESIGNER_PLUGIN (an installed copy, which
// must then find the control library by itself). The test does not link the
// control: it reaches the control as Designer does, through the plugin and the
// meta-object.
class tst_LumivaneDesigner final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void describesTheControl();
    void iconIsTheToolboxPicture();
    void createsAnInitialisedControl();
    void designablePropertiesUniqueIgnoringCase();
    void emptyControlShowsItsOutlineOnAForm();

private:
    QDesignerCustomWidgetInterface *m_plugin = nullptr;
};

void tst_LumivaneDesigner::initTestCase()
{
    const QString file = qEnvironmentVariableIsSet("LUMIVANE_DESIGNER_PLUGIN")
        ? qEnvironmentVariable("LUMIVANE_DESIGNER_PLUGIN")
        : QStringLiteral(LUMIVANE_DESIGNER_PLUGIN);
    QPluginLoader loader(file);
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
    QCOMPARE(m_plugin->includeFile(), QStringLiteral("Lumivane/Lumivane"));
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
    QVERIFY(made);
    QCOMPARE(made->metaObject()->className(), "Lumivane");
    QCOMPARE(made->parentWidget(), &form);
    QCOMPARE(made->property("Font").value<QFont>(), form.font());
    QVERIFY(made->property("AutoRedraw").toBool());
    QVERIFY(!made->property("Moveable").toBool());
    // What Designer's property editor lists and sets by name.
    QVERIFY(made->setProperty("MoveStyle", 2));
    QCOMPARE(made->property("MoveStyle").toInt(), 2);
}

void tst_LumivaneDesigner::designablePropertiesUniqueIgnoringCase()
{
    // Designer's property editor lists every designable property by name; two
    // names that differ only in case would be two rows that uic turns into the
    // same setter call.
    QWidget form;
    std::unique_ptr<QWidget> made(m_plugin->createWidget(&form));
    const QMetaObject *meta = made->metaObject();
    QSet<QString> seen;
    QStringList twice;
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (!property.isDesignable())
            continue;
        const QString folded = QString::fromLatin1(property.name()).toLower();
        if (seen.contains(folded))
            twice << QString::fromLatin1(property.name());
        seen.insert(folded);
    }
    QVERIFY2(twice.isEmpty(), qPrintable(twice.join(QLatin1String(", "))));
    // Qt's own two are the ones shown.
    QVERIFY(meta->property(meta->indexOfProperty("font")).isDesignable());
    QVERIFY(meta->property(meta->indexOfProperty("enabled")).isDesignable());
    QVERIFY(seen.contains(QStringLiteral("movestyle")));
}

void tst_LumivaneDesigner::emptyControlShowsItsOutlineOnAForm()
{
    // A control without a picture draws nothing of its own; on a form it shows
    // a dashed outline, so that it can be found and picked.
    QWidget form;
    form.setAutoFillBackground(true);
    form.setPalette(QPalette(Qt::white));
    form.resize(120, 80);
    QWidget *made = m_plugin->createWidget(&form);
    made->setGeometry(10, 10, 92, 49);
    const QImage shot = form.grab().toImage();
    int outline = 0;
    for (int x = 10; x < 102; ++x)
        outline += (shot.pixel(x, 10) != qRgb(255, 255, 255)) + (shot.pixel(x, 58) != qRgb(255, 255, 255));
    QVERIFY2(outline > 40 && outline < 2 * 92, qPrintable(QString::number(outline))); // dashed
    QCOMPARE(shot.pixel(50, 30), qRgb(255, 255, 255)); // see-through inside
}

QTEST_MAIN(tst_LumivaneDesigner)
#include "tst_lumivanedesigner.moc"
