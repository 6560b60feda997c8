// The form that Qt Designer writes with every enum property of the control set
// (lumivaneform.ui, checked by tst_lumivanedesignerform), built by uic as C++17
// and shown: each value reaches the control.
#include "ui_lumivaneform.h"

#include <QTest>

class tst_LumivaneForm final : public QObject
{
    Q_OBJECT

private slots:
    void formSetsEveryValue();
};

void tst_LumivaneForm::formSetsEveryValue()
{
    QWidget window;
    Ui::LumivaneForm form;
    form.setupUi(&window);
    const Lumivane *control = form.Lumivane1;
    QCOMPARE(control->appearance(), Lumivane::LVNAppearence::Flat);
    QCOMPARE(control->backStyle(), Lumivane::LVNBackStyle::Opaque);
    QCOMPARE(control->borderStyle(), Lumivane::LVNBorderStyle::FixedSingle);
    QCOMPARE(control->drawMode(), Lumivane::LVNDrawMode::XorPen);
    QCOMPARE(control->drawStyle(), Lumivane::LVNDrawStyle::DashDot);
    QCOMPARE(control->fillStyle(), Lumivane::LVNFillStyle::Cross);
    QCOMPARE(control->mousePointer(), Lumivane::LVNMousePointer::Cross);
    QCOMPARE(control->scaleMode(), Lumivane::LVNScaleMode::Pixel);
    QCOMPARE(control->oleDragMode(), Lumivane::LVNOLEDragMode::Automatic);
    QCOMPARE(control->linkMode(), Lumivane::LVNLinkMode::Manual);
    QCOMPARE(control->oleDropMode(), Lumivane::LVNOLEDropMode::Manual);
    QCOMPARE(control->moveStyle(), Lumivane::LVNMoveStyle::WireFrame);
    QCOMPARE(control->currentX(), 120.5f);
    // The form's see-through colour is taken as a stored one: the mask follows.
    QCOMPARE(control->transparentColor(), 0x00BEBEBEu);
    QCOMPARE(control->maskColor(), 0x00BEBEBEu);
    // A host runs the form: no design-time outline.
    QVERIFY(!control->isDesignMode());
}

QTEST_MAIN(tst_LumivaneForm)
#include "tst_lumivaneform.moc"
