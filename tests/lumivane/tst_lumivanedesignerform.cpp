#include <QtDesigner/QDesignerComponents>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QDesignerFormWindowManagerInterface>
#include <QtDesigner/QDesignerIntegration>
#include <QtDesigner/QDesignerWidgetFactoryInterface>

#include <QApplication>
#include <QFile>
#include <QTest>

// Qt Designer's own form writer and reader with the control from the plugin:
// every enum property set to a key that is not its default (keys that several
// enums share among them), a Single and the see-through colour. What Designer
// writes is the form that tst_lumivaneform builds with uic, and reading it back
// and writing it again changes nothing.
class tst_LumivaneDesignerForm final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void writesTheFormThatIsBuilt();
    void readAndWrittenAgainUnchanged();

private:
    QDesignerFormWindowInterface *newForm();
    QDesignerFormEditorInterface *m_core = nullptr;
    QString m_written;
};

QDesignerFormWindowInterface *tst_LumivaneDesignerForm::newForm()
{
    QDesignerFormWindowInterface *form = m_core->formWindowManager()->createFormWindow();
    m_core->formWindowManager()->setActiveFormWindow(form);
    return form;
}

void tst_LumivaneDesignerForm::initTestCase()
{
    QCoreApplication::addLibraryPath(QStringLiteral(LUMIVANE_PLUGIN_ROOT));
    m_core = QDesignerComponents::createFormEditor(this);
    QDesignerComponents::initializeResources();
    QDesignerComponents::initializePlugins(m_core);
    m_core->setIntegration(new QDesignerIntegration(m_core, this));
}

void tst_LumivaneDesignerForm::writesTheFormThatIsBuilt()
{
    QDesignerFormWindowInterface *form = newForm();
    QVERIFY(form->setContents(QStringLiteral(
        R"(<ui version="4.0"><class>LumivaneForm</class><widget class="QWidget" name="LumivaneForm">
<property name="geometry"><rect><x>0</x><y>0</y><width>200</width><height>120</height></rect></property>
</widget></ui>)")));
    QWidget *control
        = m_core->widgetFactory()->createWidget(QStringLiteral("Lumivane"), form->mainContainer());
    QVERIFY(control);
    QCOMPARE(control->metaObject()->className(), "Lumivane");
    control->setObjectName(QStringLiteral("Lumivane1"));
    control->setGeometry(10, 10, 92, 49);
    form->manageWidget(control);
    const std::pair<const char *, QVariant> values[] = {
        { "Appearance", 0 }, // Flat
        { "TransparentColor", 0x00BEBEBEu }, { "BackStyle", 1 }, // Opaque
        { "BorderStyle", 1 }, // FixedSingle
        { "DrawMode", 7 }, // XorPen
        { "DrawStyle", 3 }, // DashDot
        { "FillStyle", 6 }, // Cross, as a MousePointer key
        { "MousePointer", 2 }, // Cross
        { "ScaleMode", 3 }, // Pixel
        { "OLEDragMode", 1 }, // Automatic
        { "LinkMode", 2 }, // Manual
        { "CurrentX", 120.5 }, { "OLEDropMode", 1 }, // Manual, as an OLEDragMode and LinkMode key
        { "MoveStyle", 1 }, // WireFrame
    };
    for (const auto &[name, value] : values)
        form->cursor()->setWidgetProperty(control, QString::fromLatin1(name), value);
    m_written = form->contents();

    QFile built(QStringLiteral(LUMIVANE_FORM));
    QVERIFY(built.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString expected = QString::fromUtf8(built.readAll());
    if (m_written != expected) {
        QFile actual(QStringLiteral("lumivaneform.written.ui"));
        if (actual.open(QIODevice::WriteOnly | QIODevice::Text))
            actual.write(m_written.toUtf8());
    }
    QCOMPARE(m_written, expected);
}

void tst_LumivaneDesignerForm::readAndWrittenAgainUnchanged()
{
    QVERIFY(!m_written.isEmpty());
    QDesignerFormWindowInterface *form = newForm();
    QVERIFY(form->setContents(m_written));
    auto *control = form->mainContainer()->findChild<QWidget *>(QStringLiteral("Lumivane1"));
    QVERIFY(control);
    QCOMPARE(control->property("MoveStyle").toInt(), 1);
    QCOMPARE(control->property("FillStyle").toInt(), 6);
    QCOMPARE(control->property("CurrentX").toDouble(), 120.5);
    QCOMPARE(form->contents(), m_written);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    tst_LumivaneDesignerForm test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_lumivanedesignerform.moc"
