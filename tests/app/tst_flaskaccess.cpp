#include "Formkit/application.h"
#include "Formkit/listbox.h"
#include "Formkit/messagebox.h"
#include "Formkit/optionbutton.h"
#include "Formkit/picturebox.h"
#include "Formkit/textbox.h"
#include "Formkit/timer.h"
#include "app/flaskaccess.h"
#include "app/form1.h"
#include "formstate/programfolder.h"
#include "units/unitdatabase.h"
#include "units/unitdatabasepath.h"

#include <QAccessible>
#include <QTest>

#include <memory>

using Formkit::MessageBox;
using Formkit::TextBox;

// The flask as a screen reader meets it, through Qt's accessibility
// interfaces: its level as a value, its scale as a table, the change events
// that follow typing and dragging, and no hidden widgets in the tree.
class tst_FlaskAccess : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void scaleCells_data();
    void scaleCells();
    void valueFollowsTypingAndDrags();
    void settingValueMovesLevel_data();
    void settingValueMovesLevel();
    void noValidVolumeReadsZero();
    void hiddenWidgetsAreNotInTree();

private:
    void retype(TextBox *box, const QString &keys);
    QAccessibleInterface *flask() const { return QAccessible::queryAccessibleInterface(m_form->PicFlask); }
    QAccessibleInterface *scale() const { return flask()->child(0); }

    std::unique_ptr<UnitDatabase> m_database;
    std::unique_ptr<Form1> m_form;
};

#include <algorithm>

namespace {

struct Heard
{
    QAccessible::Event type;
    QVariant value; // of a value change
};
QList<Heard> heard;

void hear(QAccessibleEvent *event)
{
    QVariant value;
    if (event->type() == QAccessible::ValueChanged)
        value = static_cast<QAccessibleValueChangeEvent *>(event)->value();
    heard.append({ event->type(), value });
}

int count(QAccessible::Event type)
{
    return int(
        std::count_if(heard.cbegin(), heard.cend(), [type](const Heard &h) { return h.type == type; }));
}

QVariant lastValue()
{
    for (auto it = heard.crbegin(); it != heard.crend(); ++it)
        if (it->type == QAccessible::ValueChanged)
            return it->value;
    return QVariant();
}

// The names of an interface's children, recursively.
QStringList namesUnder(QAccessibleInterface *iface)
{
    QStringList names;
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface *child = iface->child(i);
        if (!child)
            continue;
        if (child->object())
            names << child->object()->objectName();
        names << namesUnder(child);
    }
    return names;
}

} // namespace

void tst_FlaskAccess::init()
{
    MessageBox::setHandler([](const QString &, const QString &, MessageBox::Icon) {});
    m_database = std::make_unique<UnitDatabase>(unitDatabasePath(program::programFolder()));
    m_form = std::make_unique<Form1>(*m_database);
    m_form->load();
    m_form->show();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QTRY_VERIFY(!m_form->Timer1->isEnabled());
    // The events a screen reader would get (Qt drops them while none listens).
    auto *access = m_form->PicFlask->findChild<FlaskAccess *>();
    QVERIFY(access);
    access->setEventSink(hear);
    retype(m_form->Text3, QStringLiteral("Liter"));
    retype(m_form->Text4, QStringLiteral("Deciliter"));
    heard.clear();
}

void tst_FlaskAccess::cleanup()
{
    m_form.reset();
    m_database.reset();
    MessageBox::setHandler({});
}

void tst_FlaskAccess::retype(TextBox *box, const QString &keys)
{
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_End);
    while (!box->text().isEmpty())
        QTest::keyClick(box, Qt::Key_Backspace);
    for (const QChar c : keys)
        QTest::keyClick(box, c.toLatin1());
}

void tst_FlaskAccess::scaleCells_data()
{
    QTest::addColumn<QString>("volume");
    QTest::addColumn<double>("top");
    QTest::addColumn<QStringList>("cells"); // from the top: litres, decilitres

    QTest::newRow("top 10") << "1" << 10.0
                            << QStringList { "10", "100.0", "9", "90.0", "8", "80.0", "7", "70.0", "6",
                                   "60.0", "5", "50.0", "4", "40.0", "3", "30.0", "2", "20.0", "1", "10.0" };
    QTest::newRow("top 1") << "0.5" << 1.0
                           << QStringList { " 1 ", "10.0", " 0.9 ", "9.0", " 0.8 ", "8.0", " 0.7 ", "7.0",
                                  " 0.6 ", "6.0", " 0.5 ", "5.0", " 0.4 ", "4.0", " 0.3 ", "3.0", " 0.2 ",
                                  "2.0", " 0.1 ", "1.0" };
    QTest::newRow("top 10^3") << "500" << 1000.0
                              << QStringList { "1,000", "10,000.0", "900", "9,000.0", "800", "8,000.0", "700",
                                     "7,000.0", "600", "6,000.0", "500", "5,000.0", "400", "4,000.0", "300",
                                     "3,000.0", "200", "2,000.0", "100", "1,000.0" };
    QTest::newRow("top 10^10") << "2500000000" << 1e10
                               << QStringList { "1.0E+10", "1.00E+11", "9.0E+9", "9.00E+10", "8.0E+9",
                                      "8.00E+10", "7.0E+9", "7.00E+10", "6.0E+9", "6.00E+10", "5.0E+9",
                                      "5.00E+10", "4.0E+9", "4.00E+10", "3.0E+9", "3.00E+10", "2.0E+9",
                                      "2.00E+10", "1.0E+9", "1.00E+10" };
    QTest::newRow("top 0.01") << "0.005" << 0.01
                              << QStringList { " 0.01 ", "0.1000", " 0.009 ", "0.0900", " 0.008 ", "0.0800",
                                     " 0.007 ", "0.0700", " 0.006 ", "0.0600", " 0.005 ", "0.0500", " 0.004 ",
                                     "0.0400", " 0.003 ", "0.0300", " 0.002 ", "0.0200", " 0.001 ",
                                     "0.0100" };
}

void tst_FlaskAccess::scaleCells()
{
    QFETCH(QString, volume);
    QFETCH(double, top);
    QFETCH(QStringList, cells);
    retype(m_form->Text1, volume);

    QAccessibleInterface *table = scale();
    QVERIFY(table);
    QCOMPARE(table->role(), QAccessible::Table);
    QAccessibleTableInterface *rows = table->tableInterface();
    QVERIFY(rows);
    QCOMPARE(rows->rowCount(), 10);
    QCOMPARE(rows->columnCount(), 2);
    QStringList read;
    for (int row = 0; row < 10; ++row)
        for (int column = 0; column < 2; ++column)
            read << rows->cellAt(row, column)->text(QAccessible::Name);
    QCOMPARE(read, cells);
    const QList<QAccessibleInterface *> headers
        = rows->cellAt(0, 1)->tableCellInterface()->columnHeaderCells();
    QCOMPARE(headers.size(), 1);
    QCOMPARE(headers.first()->text(QAccessible::Name), QStringLiteral("Deciliter"));
    QCOMPARE(rows->columnDescription(0), QStringLiteral("Liter"));

    QAccessibleValueInterface *level = flask()->valueInterface();
    QCOMPARE(level->maximumValue().toDouble(), top);
    QCOMPARE(level->minimumValue().toDouble(), 0.0);
    QCOMPARE(level->currentValue().toDouble(), double(volume.toFloat()));
}

void tst_FlaskAccess::valueFollowsTypingAndDrags()
{
    QCOMPARE(flask()->text(QAccessible::Name), QStringLiteral("Flask"));
    QCOMPARE(flask()->role(), QAccessible::Slider);
    retype(m_form->Text1, QStringLiteral("35"));
    QCOMPARE(flask()->valueInterface()->currentValue().toDouble(), 35.0);
    QCOMPARE(lastValue().toDouble(), 35.0);
    QVERIFY(count(QAccessible::TableModelChanged) >= 2); // "3", then "35"
    QVERIFY2(flask()->text(QAccessible::Description).contains(QStringLiteral("35 Liter")),
        qPrintable(flask()->text(QAccessible::Description)));

    heard.clear();
    // Half way up the scale to 100.
    QTest::mousePress(m_form->PicFlask, Qt::LeftButton, {}, QPoint(40, 125));
    QTest::mouseMove(m_form->PicFlask, QPoint(40, 161));
    QTest::mouseRelease(m_form->PicFlask, Qt::LeftButton, {}, QPoint(40, 161));
    QCOMPARE(count(QAccessible::ValueChanged), 2);
    QCOMPARE(count(QAccessible::TableModelChanged), 2);
    const float dragged = 71 * 100.0f / 214; // row 161
    QCOMPARE(lastValue().toDouble(), double(dragged));
    QCOMPARE(flask()->valueInterface()->currentValue().toDouble(), double(dragged));
    QCOMPARE(m_form->Text1->text(), QStringLiteral("33.1776"));
}

void tst_FlaskAccess::settingValueMovesLevel_data()
{
    QTest::addColumn<QString>("volume");
    QTest::addColumn<double>("set");
    QTest::addColumn<double>("readBack"); // the volume of the nearest row
    QTest::addColumn<QString>("shown");
    QTest::newRow("half of 100") << "35" << 50.0 << 50.0 << "50";
    QTest::newRow("a third of 100") << "35" << 33.0 << 71 * 100.0 / 214 << "33.1776";
    QTest::newRow("above the top") << "35" << 500.0 << 100.0 << "100";
    QTest::newRow("below zero") << "35" << -3.0 << 0.0 << "0";
    QTest::newRow("on the scale to 1") << "0.2" << 0.7 << 150 / 214.0 << "0.7009346";
}

void tst_FlaskAccess::settingValueMovesLevel()
{
    QFETCH(QString, volume);
    QFETCH(double, set);
    QFETCH(double, readBack);
    QFETCH(QString, shown);
    retype(m_form->Text1, volume);
    heard.clear();
    flask()->valueInterface()->setCurrentValue(set);
    QCOMPARE(m_form->Text1->text(), shown);
    QCOMPARE(flask()->valueInterface()->currentValue().toDouble(), double(float(readBack)));
    QCOMPARE(count(QAccessible::ValueChanged), 1);
    QVERIFY(!m_form->state().draggingFlask); // pressed and released
    // The flask shows the yellow fluid from that row as a drag does.
    const int row = qRound(232 - readBack / flask()->valueInterface()->maximumValue().toDouble() * 214);
    const QImage picture = m_form->PicFlask->image();
    auto fluidIn = [&picture](int from, int to) {
        for (int y = qMax(0, from); y <= to; ++y)
            for (int x = 6; x <= 86; ++x)
                if (picture.pixel(x, y) == qRgb(255, 255, 0))
                    return true;
        return false;
    };
    QVERIFY(fluidIn(row, qMin(row + 4, 232))); // at the zero only row 232 has dots
    QVERIFY(!fluidIn(row - 6, row - 1));
}

void tst_FlaskAccess::noValidVolumeReadsZero()
{
    retype(m_form->Text1, QStringLiteral("35"));
    retype(m_form->Text1, QStringLiteral("."));
    QCOMPARE(m_form->Text2->text(), QStringLiteral("No conversion"));
    QCOMPARE(flask()->valueInterface()->currentValue().toDouble(), 0.0);
    QVERIFY2(flask()->text(QAccessible::Description).contains(QStringLiteral("no valid volume")),
        qPrintable(flask()->text(QAccessible::Description)));
}

void tst_FlaskAccess::hiddenWidgetsAreNotInTree()
{
    const QStringList names = namesUnder(QAccessible::queryAccessibleInterface(m_form.get()));
    for (const char *hidden : { "optionred", "optionsparkle", "ResultsGrid", "picflaskbuffer" })
        QVERIFY2(!names.contains(QLatin1String(hidden)), hidden);
    for (const char *shown : { "optionwhite", "optionblue", "OptionLevel", "PicFlask", "Text1", "List2" })
        QVERIFY2(names.contains(QLatin1String(shown)), shown);
}

QTEST_MAIN(tst_FlaskAccess)
#include "tst_flaskaccess.moc"
