#include "app/form1.h"
#include "app/skinner.h"
#include "results/resultsgrid.h"
#include "toolkit/application.h"
#include "toolkit/commandbutton.h"
#include "toolkit/listbox.h"
#include "toolkit/messagebox.h"
#include "toolkit/optionbutton.h"
#include "toolkit/picturebox.h"
#include "toolkit/textbox.h"
#include "toolkit/timer.h"
#include "units/unitdatabase.h"
#include "units/unitdatabasepath.h"

#include <QAccessible>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <memory>

// The whole window on the unit database that the build puts beside the tests.
class tst_Form1 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadLeavesWindowLoaded();
    void timerMakesWindowReady();
    void widgetsAtTheirPlaces_data();
    void widgetsAtTheirPlaces();
    void accessibleNames();
    void tabOrder();
    void skinnerDrawsTheFrame();
    void firstFluidClickAfterStartConverts();
    void restoreBringsBackTextsAndButtons_data();
    void restoreBringsBackTextsAndButtons();
    void restoreKeepsTextThatIsNoNumber();
    void resizeThatIsNoRestoreChangesNothing();
    void everyRestoreTakesTheRestorePath();
    void valueBoxesShowTheSystemBase_data();
    void valueBoxesShowTheSystemBase();
    void optionsShowTheirFramesBack_data();
    void optionsShowTheirFramesBack();
    void frameCaptionsAboveTheirContents_data();
    void frameCaptionsAboveTheirContents();
    void hiddenGridHiddenFromScreenReaders();

private:
    void makeReady();
    QImage shot() const;
    QRect shown(const QImage &shot, QWidget *widget, const QRect &area) const;
    void minimiseAndRestore();

    std::unique_ptr<UnitDatabase> m_database;
    std::unique_ptr<Form1> m_form;
    QStringList m_messages;
};

void tst_Form1::init()
{
    m_messages.clear();
    MessageBox::setHandler([this](const QString &text, const QString &, MessageBox::Icon) { m_messages << text; });
    m_database = std::make_unique<UnitDatabase>(unitDatabasePath(toolkit::programFolder()));
    QVERIFY2(!m_database->verify(), "the unit database beside the tests must be sound");
    m_form = std::make_unique<Form1>(*m_database);
}

void tst_Form1::cleanup()
{
    m_form.reset();
    m_database.reset();
    MessageBox::setHandler({});
}

void tst_Form1::makeReady()
{
    m_form->load();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QTRY_VERIFY(!m_form->Timer1->isEnabled());
}

QImage tst_Form1::shot() const
{
    return m_form->grab().toImage();
}

// `area` of `widget` (in its own coordinates) in the pixels of a grab of the window.
QRect tst_Form1::shown(const QImage &shot, QWidget *widget, const QRect &area) const
{
    const int scale = qRound(shot.devicePixelRatio());
    const QPoint at = widget->mapTo(m_form.get(), area.topLeft());
    return QRect(at * scale, area.size() * scale);
}

// The most frequent colour of the pixels in `areas`.
static QColor commonest(const QImage &image, const QList<QRect> &areas)
{
    QHash<QRgb, int> counts;
    for (const QRect &area : areas)
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                ++counts[image.pixel(x, y)];
    QRgb best = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) {
            best = it.key();
            most = it.value();
        }
    return QColor(best);
}

void tst_Form1::minimiseAndRestore()
{
    m_form->setWindowState(Qt::WindowMinimized);
    m_form->setWindowState(Qt::WindowNoState);
    QVERIFY(m_form->Timer1->isEnabled());
    QTRY_VERIFY(!m_form->Timer1->isEnabled());
}

void tst_Form1::loadLeavesWindowLoaded()
{
    Form1 &f = *m_form;
    f.load();
    QVERIFY(f.Option1->value());
    QVERIFY(f.List1->listCount() >= 60);
    QCOMPARE(f.List2->listCount(), f.List1->listCount());
    QCOMPARE(f.List1->listIndex(), 0);
    QCOMPARE(f.List2->listIndex(), 0);
    QCOMPARE(f.Text3->text(), f.List1->list(0));
    QCOMPARE(f.Text4->text(), f.List2->list(0));
    QVERIFY(f.state().fromFactor > 0);
    QCOMPARE(f.state().toFactor, f.state().fromFactor);
    QCOMPARE(f.Text1->text(), QStringLiteral("1"));
    QCOMPARE(f.Text2->text(), QString()); // no conversion before the timer
    QVERIFY(f.optionwhite->value());
    QVERIFY(!f.state().skipColourClick);
    QVERIFY(!f.SaveCmnd->isEnabled());
    QVERIFY(!f.MakeFileCmnd->isEnabled());
    QVERIFY(f.state().firstShowPending);
    QVERIFY(!f.state().volumeEditLive);
    QVERIFY(!f.state().gridHasRows);
    QVERIFY(f.Timer1->isEnabled());
    QCOMPARE(f.Timer1->interval(), 60);
    QVERIFY(f.picflaskbuffer->isHidden());
    QCOMPARE(f.picflaskbuffer->scaleWidth(), f.PicFlask->scaleWidth());
    QCOMPARE(f.picflaskbuffer->scaleHeight(), f.PicFlask->scaleHeight());
    QVERIFY(!f.PicFlask->picture().isNull());
    QCOMPARE(f.PicFlask->picture().size(), QSize(92, 236));
    QVERIFY(!f.windowIcon().isNull());

    ResultsGrid &grid = *f.ResultsGrid;
    QCOMPARE(grid.rows(), 1);
    QCOMPARE(grid.cols(), 4);
    const QStringList headings = {QStringLiteral("From Unit"), QStringLiteral("From Value"), QStringLiteral("To Unit"),
                                  QStringLiteral("To Value")};
    grid.setRow(0);
    for (int col = 0; col < 4; ++col) {
        grid.setCol(col);
        QCOMPARE(grid.text(), headings.at(col));
    }
    QVERIFY(m_messages.isEmpty());
}

void tst_Form1::timerMakesWindowReady()
{
    makeReady();
    Form1 &f = *m_form;
    QCOMPARE(f.Text1->text(), QStringLiteral("1"));
    QCOMPARE(f.Text2->text(), QStringLiteral("1")); // 1 of the first unit in the same unit
    QVERIFY(f.SaveCmnd->isEnabled());
    QVERIFY(!f.MakeFileCmnd->isEnabled());
    QVERIFY(f.state().volumeEditLive);
    QVERIFY(f.state().volumeAtLeastOne);
    QCOMPARE(f.state().scaleExponent, qint16(1));
    QCOMPARE(f.state().fluidTopRow, 210);
    // The fluid stands on the visible flask: yellow dots from row 210 down.
    QCOMPARE(f.PicFlask->image().pixel(40, 220), qRgb(255, 255, 0));
    QVERIFY(f.PicFlask->image().pixel(40, 208) != qRgb(255, 255, 0));
    QVERIFY(m_messages.isEmpty());
}

void tst_Form1::widgetsAtTheirPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<bool>("visible");
    // Twips of the saved layout at 15 twips a pixel, relative to each container.
    QTest::newRow("Text3") << "Text3" << QRect(8, 8, 145, 19) << true;
    QTest::newRow("Text4") << "Text4" << QRect(160, 8, 145, 19) << true;
    QTest::newRow("List1") << "List1" << QRect(8, 24, 145, 121) << true;
    QTest::newRow("List2") << "List2" << QRect(160, 24, 145, 121) << true;
    QTest::newRow("Frame1") << "Frame1" << QRect(8, 152, 145, 110) << true;
    QTest::newRow("Option1") << "Option1" << QRect(8, 16, 17, 17) << true;
    QTest::newRow("Command2") << "Command2" << QRect(40, 80, 63, 25) << true;
    QTest::newRow("Frame2") << "Frame2" << QRect(160, 152, 145, 49) << true;
    QTest::newRow("MakeFileCmnd") << "MakeFileCmnd" << QRect(76, 17, 63, 25) << true;
    QTest::newRow("Frame3") << "Frame3" << QRect(160, 205, 145, 57) << true;
    QTest::newRow("OptionLevel") << "OptionLevel" << QRect(8, 33, 121, 17) << true;
    QTest::newRow("optionred") << "optionred" << QRect(64, 32, 49, 17) << false;
    QTest::newRow("optionsparkle") << "optionsparkle" << QRect(85, 32, 57, 17) << false;
    QTest::newRow("Text1") << "Text1" << QRect(8, 272, 145, 20) << true;
    QTest::newRow("Text2") << "Text2" << QRect(160, 272, 145, 20) << true;
    QTest::newRow("PicFlask") << "PicFlask" << QRect(311, 6, 97, 241) << true;
    QTest::newRow("picflaskbuffer") << "picflaskbuffer" << QRect(56, 8, 97, 241) << false;
    QTest::newRow("ResultsGrid") << "ResultsGrid" << QRect(248, 0, 65, 49) << false;
}

void tst_Form1::widgetsAtTheirPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    QFETCH(bool, visible);
    makeReady();
    auto *widget = m_form->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), pixels);
    QCOMPARE(widget->isVisible(), visible);
}

void tst_Form1::accessibleNames()
{
    const QList<QPair<QWidget *, QString>> expected = {
        {m_form->Text1, QStringLiteral("Volume")},          {m_form->Text2, QStringLiteral("Converted volume")},
        {m_form->List1, QStringLiteral("From unit")},       {m_form->List2, QStringLiteral("To unit")},
        {m_form->Text3, QStringLiteral("Find From unit")},  {m_form->Text4, QStringLiteral("Find To unit")},
        {m_form->Option1, QStringLiteral("All Ascending")}, {m_form->Option3, QStringLiteral("Metric units first")},
        {m_form->Option2, QStringLiteral("UK, US units first")},
        {m_form->Option4, QStringLiteral("Aussie units first")},
        {m_form->PicFlask, QStringLiteral("Flask")},        {m_form->SaveCmnd, QStringLiteral("Save")},
        {m_form->MakeFileCmnd, QStringLiteral("Make File")}, {m_form->Command2, QStringLiteral("Swap Units")},
        {m_form->optionwhite, QStringLiteral("Yellow")},    {m_form->OptionLevel, QStringLiteral("Level Marker Only")},
    };
    for (const auto &[widget, name] : expected)
        QCOMPARE(widget->accessibleName(), name);
    if (m_form->Lumivane1)
        QCOMPARE(m_form->Lumivane1->accessibleName(), QStringLiteral("Brimlow logo"));
}

void tst_Form1::tabOrder()
{
    makeReady();
    Form1 &f = *m_form;
    f.List1->setFocus();
    QTRY_VERIFY(f.List1->hasFocus());
    const QList<QWidget *> expected = {f.List2, f.Text1, f.Text2, f.Text3, f.Text4};
    for (QWidget *next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void tst_Form1::skinnerDrawsTheFrame()
{
    makeReady();
    Form1 &f = *m_form;
    QVERIFY(f.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(f.Skinner1->property(Skinner::BorderWidth).toInt(), 4);
    QCOMPARE(f.Skinner1->property(Skinner::SkinActive).toBool(), true);
    QCOMPARE(f.Skinner1->property(Skinner::ShowMaximizeButton).toBool(), false);
    QVERIFY(!f.Skinner1->setProperty(0x12345678, 1)); // an identifier it does not know
    const QMargins frame = f.Skinner1->frameMargins();
    QCOMPARE(f.size(), QSize(407 + frame.left() + frame.right(), 299 + frame.top() + frame.bottom()));
    auto *caption = f.Skinner1->findChild<QLabel *>();
    QVERIFY(caption);
    bool captionShown = false;
    for (QLabel *label : f.Skinner1->findChildren<QLabel *>())
        captionShown |= label->text() == QStringLiteral("Brimlow");
    QVERIFY(captionShown);
}

void tst_Form1::firstFluidClickAfterStartConverts()
{
    makeReady();
    Form1 &f = *m_form;
    QTest::mouseClick(f.optionblue, Qt::LeftButton);
    QVERIFY(f.optionblue->value());
    // The flask is redrawn in aqua by the conversion the click ran.
    QCOMPARE(f.PicFlask->image().pixel(40, 220), qRgb(0, 255, 255));
}

void tst_Form1::restoreBringsBackTextsAndButtons_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("save");
    QTest::newRow("typed volume, saved") << QStringLiteral("350") << true;
    QTest::newRow("typed volume, not saved") << QStringLiteral("0.05") << false;
}

void tst_Form1::restoreBringsBackTextsAndButtons()
{
    QFETCH(QString, typed);
    QFETCH(bool, save);
    makeReady();
    Form1 &f = *m_form;
    f.Text1->setFocus();
    f.Text1->selectAll();
    QTest::keyClicks(f.Text1, typed);
    QCOMPARE(f.Text1->text(), typed);
    if (save) {
        QTest::mouseClick(f.SaveCmnd, Qt::LeftButton);
        QVERIFY(!f.SaveCmnd->isEnabled());
        QVERIFY(f.MakeFileCmnd->isEnabled());
    }
    const QString result = f.Text2->text();
    const bool saveEnabled = f.SaveCmnd->isEnabled();
    const bool makeFileEnabled = f.MakeFileCmnd->isEnabled();
    const QImage flask = f.PicFlask->image();

    f.setWindowState(Qt::WindowMinimized);
    QCOMPARE(f.state().savedVolumeText, typed);
    QCOMPARE(f.state().savedResultText, result);
    QVERIFY(!f.state().firstShowPending);
    f.PicFlask->cls(); // what a repaint of the restored window would lose
    f.setWindowState(Qt::WindowNoState);
    QTRY_VERIFY(!f.Timer1->isEnabled());

    QCOMPARE(f.Text1->text(), typed);
    QCOMPARE(f.Text2->text(), result);
    QCOMPARE(f.SaveCmnd->isEnabled(), saveEnabled);
    QCOMPARE(f.MakeFileCmnd->isEnabled(), makeFileEnabled);
    QCOMPARE(f.state().keepSaveDisabled, qint16(0));
    QCOMPARE(f.PicFlask->image(), flask); // redrawn by the conversion the restore ran
}

void tst_Form1::restoreKeepsTextThatIsNoNumber()
{
    makeReady();
    Form1 &f = *m_form;
    f.Text1->setFocus();
    f.Text1->selectAll();
    QTest::keyClick(f.Text1, Qt::Key_Period);
    QCOMPARE(f.Text1->text(), QStringLiteral("."));
    QCOMPARE(f.Text2->text(), QStringLiteral("No conversion"));
    minimiseAndRestore();
    QCOMPARE(f.Text1->text(), QStringLiteral("."));
    QCOMPARE(f.Text2->text(), QStringLiteral("No conversion"));
    QVERIFY(m_messages.isEmpty());
}

void tst_Form1::resizeThatIsNoRestoreChangesNothing()
{
    makeReady();
    Form1 &f = *m_form;
    const QString result = f.Text2->text();
    f.setWindowState(Qt::WindowMaximized);
    f.setWindowState(Qt::WindowNoState);
    QVERIFY(!f.Timer1->isEnabled());
    QVERIFY(f.state().firstShowPending);
    QCOMPARE(f.Text2->text(), result);
}

void tst_Form1::everyRestoreTakesTheRestorePath()
{
    makeReady();
    Form1 &f = *m_form;
    minimiseAndRestore();
    QTest::mouseClick(f.SaveCmnd, Qt::LeftButton); // both report buttons change
    QVERIFY(!f.SaveCmnd->isEnabled());
    QVERIFY(f.MakeFileCmnd->isEnabled());
    minimiseAndRestore();
    QVERIFY(!f.SaveCmnd->isEnabled()); // kept disabled by the restore flag
    QVERIFY(f.MakeFileCmnd->isEnabled());
    QCOMPARE(f.Text1->text(), QStringLiteral("1"));
    QVERIFY(!f.state().firstShowPending);
}

void tst_Form1::valueBoxesShowTheSystemBase_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("volume") << "Text1";
    QTest::newRow("result") << "Text2";
}

void tst_Form1::valueBoxesShowTheSystemBase()
{
    QFETCH(QString, name);
    makeReady();
    auto *box = m_form->findChild<TextBox *>(name);
    QVERIFY(box);
    const QImage image = shot();
    // The right half of the box, inside its border: no text there, only the box.
    const QRect empty = box->rect().adjusted(box->width() / 2, 3, -3, -3);
    QCOMPARE(commonest(image, { shown(image, box, empty) }), QApplication::palette().color(QPalette::Base));
}

void tst_Form1::optionsShowTheirFramesBack_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name :
        { "Option1", "Option3", "Option2", "Option4", "optionwhite", "optionblue", "OptionLevel" })
        QTest::newRow(name) << name;
}

void tst_Form1::optionsShowTheirFramesBack()
{
    QFETCH(QString, name);
    makeReady();
    auto *option = m_form->findChild<OptionButton *>(name);
    QVERIFY(option);
    const QImage image = shot();
    // The option's edges against two columns of its frame just left of it.
    const QRect r = option->rect();
    const QColor optionBack = commonest(image,
        { shown(image, option, QRect(r.left(), r.top(), r.width(), 1)),
            shown(image, option, QRect(r.left(), r.bottom(), r.width(), 1)),
            shown(image, option, QRect(r.left(), r.top(), 1, r.height())),
            shown(image, option, QRect(r.right(), r.top(), 1, r.height())) });
    const QColor frameBack
        = commonest(image, { shown(image, option, QRect(r.left() - 3, r.top(), 2, r.height())) });
    QCOMPARE(optionBack, frameBack);
}

void tst_Form1::frameCaptionsAboveTheirContents_data()
{
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("first");
    QTest::newRow("ordering") << "Frame1"
                              << "Option1";
    QTest::newRow("report") << "Frame2"
                            << "SaveCmnd";
    QTest::newRow("fluid") << "Frame3"
                           << "optionwhite";
}

void tst_Form1::frameCaptionsAboveTheirContents()
{
    QFETCH(QString, frame);
    QFETCH(QString, first);
    makeReady();
    auto *box = m_form->findChild<QGroupBox *>(frame);
    auto *content = m_form->findChild<QWidget *>(first);
    QVERIFY(box && content);
    const QImage image = shot();
    const QRect area = shown(image, box, box->rect());
    const int contentTop = shown(image, content, content->rect()).top();
    QList<QRect> children;
    for (QWidget *child : box->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (child->isVisible())
            children << shown(image, child, child->rect());

    // The caption's ink: the near-black pixels of the frame outside its children.
    int inkBottom = -1;
    for (int y = area.top(); y < contentTop + content->height(); ++y)
        for (int x = area.left() + 2; x < area.right() - 2; ++x)
            if (qGray(image.pixel(x, y)) < 96
                && std::none_of(
                    children.cbegin(), children.cend(), [&](const QRect &c) { return c.contains(x, y); }))
                inkBottom = y;
    QVERIFY2(inkBottom >= 0, "the caption is drawn");
    QVERIFY2(inkBottom < contentTop,
        qPrintable(QStringLiteral("caption ink down to row %1, contents from row %2")
                       .arg(inkBottom - area.top())
                       .arg(contentTop - area.top())));

    // The frame's top line, met going down its right end, runs above the contents too.
    const QColor back = box->palette().color(QPalette::Window);
    const int x = area.right() - 4 * qRound(image.devicePixelRatio());
    int line = area.top();
    while (line < area.bottom() && QColor(image.pixel(x, line)) == back)
        ++line;
    QVERIFY2(line < contentTop,
        qPrintable(QStringLiteral("top line at row %1, contents from row %2")
                       .arg(line - area.top())
                       .arg(contentTop - area.top())));
}

// Names the accessible nodes at and below `node` that belong to the results grid
// and say they can be seen.
static void gridNodesShown(QAccessibleInterface *node, bool inGrid, QStringList &shown, int depth = 0)
{
    for (QObject *object = node->object(); object && !inGrid; object = object->parent())
        inGrid = qobject_cast<ResultsGrid *>(object) != nullptr;
    if (inGrid && !node->state().invisible)
        shown << QStringLiteral("%1 \"%2\"").arg(int(node->role())).arg(node->text(QAccessible::Name));
    if (depth > 32)
        return;
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface *child = node->child(i))
            gridNodesShown(child, inGrid, shown, depth + 1);
}

void tst_Form1::hiddenGridHiddenFromScreenReaders()
{
    makeReady();
    QTest::mouseClick(m_form->SaveCmnd, Qt::LeftButton); // a saved row besides the headings
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(m_form.get());
    QVERIFY(window);
    QStringList shown;
    gridNodesShown(window, false, shown);
    QVERIFY2(shown.isEmpty(), qPrintable(shown.join(QStringLiteral(", "))));
}

QTEST_MAIN(tst_Form1)
#include "tst_form1.moc"
