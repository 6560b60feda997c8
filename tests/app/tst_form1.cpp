#include "Formkit/commandbutton.h"
#include "Formkit/listbox.h"
#include "Formkit/messagebox.h"
#include "Formkit/optionbutton.h"
#include "Formkit/picturebox.h"
#include "Formkit/textbox.h"
#include "Formkit/timer.h"
#include "app/form1.h"
#include "app/form1layout.h"
#include "app/skinner.h"
#include "formstate/programfolder.h"
#include "results/resultsgrid.h"
#include "units/unitdatabase.h"
#include "units/unitdatabasepath.h"

#include <QAccessible>
#include <QGroupBox>
#include <QHash>
#include <QHelpEvent>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <memory>

using Formkit::MessageBox;
using Formkit::OptionButton;
using Formkit::TextBox;

// The whole window on the unit database that the build puts beside the tests.
class tst_Form1 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadLeavesWindowLoaded();
    void timerMakesWindowReady();
    void layoutAsScreenReadersSeeIt();
    void wellKnownPlaces_data();
    void wellKnownPlaces();
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
    void titleButtonSymbolsStandOut_data();
    void titleButtonSymbolsStandOut();
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void cutUnitNameShowsWhole_data();
    void cutUnitNameShowsWhole();

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
    MessageBox::setHandler(
        [this](const QString &text, const QString &, MessageBox::Icon) { m_messages << text; });
    m_database = std::make_unique<UnitDatabase>(unitDatabasePath(program::programFolder()));
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
    const QStringList headings = { QStringLiteral("From Unit"), QStringLiteral("From Value"),
        QStringLiteral("To Unit"), QStringLiteral("To Value") };
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

// The accessible nodes of the shown window, by the object names of their widgets.
static void accessibleNodes(
    QAccessibleInterface *node, QHash<QString, QAccessibleInterface *> &nodes, int depth = 0)
{
    if (QObject *object = node->object(); object && !object->objectName().isEmpty())
        nodes.insert(object->objectName(), node);
    if (depth > 32)
        return;
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface *child = node->child(i))
            accessibleNodes(child, nodes, depth + 1);
}

static QHash<QString, QAccessibleInterface *> accessibleNodes(QWidget *window)
{
    QHash<QString, QAccessibleInterface *> nodes;
    if (QAccessibleInterface *root = QAccessible::queryAccessibleInterface(window))
        accessibleNodes(root, nodes);
    return nodes;
}

// A rectangle in twips as whole pixels at 15 twips a pixel.
static QRect pixels(int left, int top, int width, int height)
{
    auto px = [](int t) { return (t + 7) / 15; };
    return QRect(px(left), px(top), px(width), px(height));
}

void tst_Form1::layoutAsScreenReadersSeeIt()
{
    makeReady();
    const QHash<QString, QAccessibleInterface *> nodes = accessibleNodes(m_form.get());
    for (const form1layout::Widget &row : form1layout::widgets()) {
        const QString name = QLatin1String(row.name);
        if (row.kind == form1layout::Kind::Logo && !m_form->Lumivane1)
            continue; // the window works on without its logo control
        QAccessibleInterface *node = nodes.value(name);
        if (!row.visible) {
            // Hidden widgets are no part of the tree a screen reader walks.
            QVERIFY2(!node, row.name);
            continue;
        }
        QVERIFY2(node, row.name);
        QVERIFY(!node->state().invisible);
        if (row.accessibleName)
            QCOMPARE(node->text(QAccessible::Name), QLatin1String(row.accessibleName));
        QAccessibleInterface *container
            = nodes.value(QLatin1String(row.container ? row.container : "client"));
        QVERIFY2(container, row.name);
        const QRect onScreen = node->rect().translated(-container->rect().topLeft());
        const QRect expected = pixels(row.left, row.top, row.width, row.height);
        // An option button shows as its circle and caption, inside its own place.
        if (node->role() == QAccessible::RadioButton)
            QVERIFY2(expected.contains(onScreen) && onScreen.left() == expected.left(), row.name);
        else
            QCOMPARE(onScreen, expected);
    }
}

void tst_Form1::wellKnownPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("accessibleName");
    QTest::newRow("volume") << "Text1"
                            << "client" << QRect(8, 272, 145, 20) << "Volume";
    QTest::newRow("find From") << "Text3"
                               << "client" << QRect(8, 8, 145, 19) << "Find From unit";
    QTest::newRow("flask") << "PicFlask"
                           << "client" << QRect(311, 6, 97, 241) << "Flask";
    QTest::newRow("swap") << "Command2"
                          << "Frame1" << QRect(40, 80, 63, 25) << "Swap Units";
    QTest::newRow("make file") << "MakeFileCmnd"
                               << "Frame2" << QRect(76, 17, 63, 25) << "Make File";
    QTest::newRow("ordering") << "Frame1"
                              << "client" << QRect(8, 152, 145, 110) << "Order units lists by";
}

void tst_Form1::wellKnownPlaces()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, rect);
    QFETCH(QString, accessibleName);
    makeReady();
    const QHash<QString, QAccessibleInterface *> nodes = accessibleNodes(m_form.get());
    QVERIFY(nodes.value(name) && nodes.value(container));
    QCOMPARE(nodes.value(name)->text(QAccessible::Name), accessibleName);
    QCOMPARE(nodes.value(name)->rect().translated(-nodes.value(container)->rect().topLeft()), rect);
}

void tst_Form1::tabOrder()
{
    makeReady();
    Form1 &f = *m_form;
    const QHash<QString, QAccessibleInterface *> nodes = accessibleNodes(m_form.get());
    // What a screen reader calls focusable, shown and enabled, in the layout's tab
    // indexes; Tab stops in a group of options only at its first.
    QList<const form1layout::Widget *> rows;
    for (const form1layout::Widget &row : form1layout::widgets())
        if (QAccessibleInterface *node = nodes.value(QLatin1String(row.name));
            node && node->state().focusable && !node->state().invisible && !node->state().disabled)
            rows << &row;
    std::ranges::sort(rows, {}, &form1layout::Widget::tabIndex);
    QList<const form1layout::Widget *> stops;
    for (const form1layout::Widget *row : rows)
        if (std::ranges::none_of(stops, [row](const form1layout::Widget *stop) {
                return row->kind == form1layout::Kind::OptionButton && stop->kind == row->kind
                    && qstrcmp(stop->container, row->container) == 0;
            }))
            stops << row;
    QVERIFY(stops.size() >= 10);
    QStringList first; // a well-known start: the lists, the volumes, the find boxes
    for (const form1layout::Widget *stop : stops.first(6))
        first << QLatin1String(stop->name);
    QCOMPARE(first.join(u' '), QStringLiteral("List1 List2 Text1 Text2 Text3 Text4"));

    QTest::mouseClick(f.List1->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
    QTRY_COMPARE(QApplication::focusWidget(), f.List1);
    for (const form1layout::Widget *row : stops.mid(1)) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(row->name));
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

// The title bar --------------------------------------------------------------------

static double luminance(QColor c)
{
    const auto linear
        = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

static double contrast(QColor a, QColor b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// How a title button's symbol, drawn in `ink`, stands out in `area` of a grab:
// its contrast with the least contrasting pixel around and between its
// strokes; 1 when no pixel of the symbol shows.
static double symbolContrast(const QImage &shot, const QRect &area, QRgb ink)
{
    QRect symbol;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (shot.pixel(x, y) == ink)
                symbol |= QRect(x, y, 1, 1);
    if (symbol.isEmpty())
        return 1.0;
    const QRect around = symbol.adjusted(-2, -2, 2, 2) & area;
    double worst = 21.0;
    for (int y = around.top(); y <= around.bottom(); ++y)
        for (int x = around.left(); x <= around.right(); ++x)
            if (shot.pixel(x, y) != ink)
                worst = std::min(worst, contrast(QColor(ink), QColor(shot.pixel(x, y))));
    return worst;
}

void tst_Form1::titleButtonSymbolsStandOut_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("pressed");
    QTest::newRow("minimise under the pointer") << "Minimise" << false;
    QTest::newRow("minimise pressed") << "Minimise" << true;
    QTest::newRow("close under the pointer") << "Close" << false;
    QTest::newRow("close pressed") << "Close" << true;
}

void tst_Form1::titleButtonSymbolsStandOut()
{
    QFETCH(QString, button);
    QFETCH(bool, pressed);
    makeReady();
    QToolButton *target = nullptr;
    for (QToolButton *titleButton : m_form->Skinner1->findChildren<QToolButton *>())
        if (titleButton->accessibleName() == button)
            target = titleButton;
    QVERIFY(target);
    const QRgb ink = qRgb(255, 255, 255); // the caption colour Load sets
    const QRect area = shown(shot(), target, target->rect());
    const double resting = symbolContrast(shot(), area, ink);
    QVERIFY2(resting > 2.5, qPrintable(QString::number(resting)));

    QTest::mouseMove(target);
    QTRY_VERIFY(target->underMouse());
    if (pressed) {
        QTest::mousePress(target, Qt::LeftButton);
        QVERIFY(target->isDown());
    }
    const double active = symbolContrast(shot(), area, ink);
    if (pressed) // let go off the button, which then does nothing
        QTest::mouseRelease(target, Qt::LeftButton, {}, QPoint(-40, target->height() / 2));
    QVERIFY2(active >= resting, qPrintable(QStringLiteral("%1 at rest, %2 now").arg(resting).arg(active)));
    QVERIFY(m_form->isVisible() && !m_form->isMinimized());
}

// Enter on a focused button ----------------------------------------------------------

void tst_Form1::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    const Qt::KeyboardModifiers none;
    QTest::newRow("Save, Return") << "SaveCmnd" << Qt::Key_Return << none;
    QTest::newRow("Make File, keypad Enter")
        << "MakeFileCmnd" << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier);
    QTest::newRow("Swap Units, Return") << "Command2" << Qt::Key_Return << none;
    QTest::newRow("minimise, keypad Enter")
        << "Minimise" << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier);
    QTest::newRow("close, Return") << "Close" << Qt::Key_Return << none;
}

void tst_Form1::enterPressesTheFocusedButton()
{
    QFETCH(QString, button);
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QTemporaryDir results; // "Make File" writes here, not beside the tests
    m_form = std::make_unique<Form1>(*m_database, program::ProgramLayout::Portable, results.path());
    makeReady();
    Form1 &f = *m_form;
    if (button == QLatin1String("MakeFileCmnd"))
        QTest::mouseClick(f.SaveCmnd, Qt::LeftButton); // a row to write
    auto *target = f.findChild<QAbstractButton *>(button);
    QVERIFY(target);

    // Reached as a user reaches it: into the volume box, then Tab.
    QTest::mouseClick(f.Text1, Qt::LeftButton);
    for (int i = 0; i < 40 && QApplication::focusWidget() != target; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), target);

    // As with Space: down while the key is held, clicked when it comes up.
    QSignalSpy clicked(target, &QAbstractButton::clicked);
    QTest::keyPress(target, key, modifiers);
    QVERIFY(target->isDown());
    QCOMPARE(clicked.size(), 0);
    QTest::keyRelease(target, key, modifiers);
    QCOMPARE(clicked.size(), 1);
    QVERIFY(!target->isDown());
}

// Unit names cut by their list ---------------------------------------------------------

void tst_Form1::cutUnitNameShowsWhole_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<bool>("cut");
    QTest::newRow("From, cut") << "List1"
                               << "Fluid ounce (US food label)" << true;
    QTest::newRow("To, cut") << "List2"
                             << "Fluid ounce (US food label)" << true;
    QTest::newRow("From, whole") << "List1"
                                 << "Liter" << false;
}

void tst_Form1::cutUnitNameShowsWhole()
{
    QFETCH(QString, list);
    QFETCH(QString, unit);
    QFETCH(bool, cut);
    makeReady();
    auto *box = m_form->findChild<Formkit::ListBox *>(list);
    const QList<QListWidgetItem *> found = box->findItems(unit, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    QCOMPARE(box->fontMetrics().horizontalAdvance(unit) > box->viewport()->width(), cut);

    // Brought into view as the scroll bar would; the pointer comes to rest on
    // it and the window system asks for its tooltip.
    box->scrollToItem(found.first());
    const QPoint at = box->visualItemRect(found.first()).center();
    QTest::mouseMove(box->viewport(), at);
    QHelpEvent rest(QEvent::ToolTip, at, box->viewport()->mapToGlobal(at));
    QApplication::sendEvent(box->viewport(), &rest);
    QCOMPARE(QToolTip::isVisible(), cut);
    if (cut)
        QCOMPARE(QToolTip::text(), unit);
    QToolTip::hideText();

    // Screen readers read the whole name.
    QAccessibleInterface *node = QAccessible::queryAccessibleInterface(box);
    QVERIFY(node);
    QStringList names;
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface *entry = node->child(i))
            names << entry->text(QAccessible::Name);
    QVERIFY(names.contains(unit));
}

QTEST_MAIN(tst_Form1)
#include "tst_form1.moc"
