#include "results/resultsgrid.h"

#include <QAccessible>
#include <QTest>
#include <QWidget>

class tst_ResultsGrid : public QObject
{
    Q_OBJECT

private slots:
    void startsEmpty();
    void cellsByCurrentCell();
    void addingARowKeepsTheOthers();
    void shrinkingDropsRowsAndPullsTheCurrentCellBack();
    void regrowingGivesEmptyCells();
    void currentCellClampedToTheTable_data();
    void currentCellClampedToTheTable();
    void noCellWithoutRowsOrColumns();
    void staysHiddenWhenTheWindowShows();
    void hiddenFromScreenReaders();
};

static void putRow(ResultsGrid &grid, int row, const QStringList &texts)
{
    grid.setRow(row);
    for (int col = 0; col < texts.size(); ++col) {
        grid.setCol(col);
        grid.setText(texts[col]);
    }
}

static QStringList readRow(ResultsGrid &grid, int row)
{
    QStringList texts;
    grid.setRow(row);
    for (int col = 0; col < grid.cols(); ++col) {
        grid.setCol(col);
        texts.append(grid.text());
    }
    return texts;
}

void tst_ResultsGrid::startsEmpty()
{
    ResultsGrid grid;
    QCOMPARE(grid.rows(), 0);
    QCOMPARE(grid.cols(), 0);
    QCOMPARE(grid.row(), 0);
    QCOMPARE(grid.col(), 0);
    QCOMPARE(grid.text(), QString());
}

void tst_ResultsGrid::cellsByCurrentCell()
{
    ResultsGrid grid;
    grid.setRows(2);
    grid.setCols(4);
    putRow(grid, 0, { "From Unit", "From Value", "To Unit", "To Value" });
    putRow(grid, 1, { "Litre", "2", "Pint", "3.5" });

    QCOMPARE(grid.row(), 1);
    QCOMPARE(grid.col(), 3);
    QCOMPARE(grid.text(), QString("3.5"));
    QCOMPARE(readRow(grid, 0), (QStringList { "From Unit", "From Value", "To Unit", "To Value" }));
    QCOMPARE(readRow(grid, 1), (QStringList { "Litre", "2", "Pint", "3.5" }));

    // Overwriting a cell replaces its text.
    grid.setRow(1);
    grid.setCol(1);
    grid.setText("7");
    QCOMPARE(readRow(grid, 1), (QStringList { "Litre", "7", "Pint", "3.5" }));

    // Any cell reads without moving the current one; outside the table, nothing.
    grid.setCol(0);
    QCOMPARE(grid.cellText(0, 2), QString("To Unit"));
    QCOMPARE(grid.cellText(2, 0), QString());
    QCOMPARE(grid.text(), QString("Litre"));
}

void tst_ResultsGrid::addingARowKeepsTheOthers()
{
    ResultsGrid grid;
    grid.setRows(1);
    grid.setCols(2);
    putRow(grid, 0, { "a", "b" });
    grid.setRows(grid.rows() + 1);
    QCOMPARE(grid.rows(), 2);
    QCOMPARE(readRow(grid, 0), (QStringList { "a", "b" }));
    QCOMPARE(readRow(grid, 1), (QStringList { "", "" }));
}

void tst_ResultsGrid::shrinkingDropsRowsAndPullsTheCurrentCellBack()
{
    ResultsGrid grid;
    grid.setRows(3);
    grid.setCols(2);
    putRow(grid, 0, { "h1", "h2" });
    putRow(grid, 1, { "a", "b" });
    putRow(grid, 2, { "c", "d" });
    QCOMPARE(grid.row(), 2);

    grid.setRows(1);
    QCOMPARE(grid.rows(), 1);
    QCOMPARE(grid.row(), 0);
    QCOMPARE(grid.col(), 1);
    QCOMPARE(grid.text(), QString("h2"));
    QCOMPARE(readRow(grid, 0), (QStringList { "h1", "h2" }));
}

void tst_ResultsGrid::regrowingGivesEmptyCells()
{
    // Rows dropped by shrinking must not come back with their old texts.
    ResultsGrid grid;
    grid.setRows(2);
    grid.setCols(1);
    putRow(grid, 1, { "old" });
    grid.setRows(1);
    grid.setRows(2);
    QCOMPARE(readRow(grid, 1), QStringList { "" });
}

void tst_ResultsGrid::currentCellClampedToTheTable_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("expectedRow");
    QTest::addColumn<int>("expectedCol");

    QTest::newRow("inside") << 1 << 2 << 1 << 2;
    QTest::newRow("row past the end") << 5 << 0 << 2 << 0;
    QTest::newRow("column past the end") << 0 << 9 << 0 << 3;
    QTest::newRow("negative row and column") << -1 << -4 << 0 << 0;
}

void tst_ResultsGrid::currentCellClampedToTheTable()
{
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, expectedRow);
    QFETCH(int, expectedCol);

    ResultsGrid grid;
    grid.setRows(3);
    grid.setCols(4);
    if (row != expectedRow)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("setRow"));
    if (col != expectedCol)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("setCol"));
    grid.setRow(row);
    grid.setCol(col);
    QCOMPARE(grid.row(), expectedRow);
    QCOMPARE(grid.col(), expectedCol);
}

void tst_ResultsGrid::noCellWithoutRowsOrColumns()
{
    ResultsGrid grid;
    grid.setRows(2);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no cells"));
    grid.setText("lost");
    QCOMPARE(grid.text(), QString());
    grid.setCols(1);
    QCOMPARE(grid.text(), QString());
}

void tst_ResultsGrid::staysHiddenWhenTheWindowShows()
{
    QWidget window;
    auto *grid = new ResultsGrid(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!grid->isVisible());
}

void tst_ResultsGrid::hiddenFromScreenReaders()
{
    QWidget window;
    auto *grid = new ResultsGrid(&window);
    grid->setRows(2);
    grid->setCols(4);
    putRow(*grid, 0, { "From Unit", "From Value", "To Unit", "To Value" });
    putRow(*grid, 1, { "Litre", "2", "Pint", "3.5" });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // Neither the table nor any heading or cell under it says it is shown.
    QList<QAccessibleInterface *> pending { QAccessible::queryAccessibleInterface(grid) };
    QVERIFY(pending.first());
    while (!pending.isEmpty()) {
        QAccessibleInterface *node = pending.takeLast();
        QVERIFY2(node->state().invisible, qPrintable(node->text(QAccessible::Name)));
        for (int i = 0; i < node->childCount(); ++i)
            if (QAccessibleInterface *child = node->child(i))
                pending << child;
    }
}

QTEST_MAIN(tst_ResultsGrid)
#include "tst_resultsgrid.moc"
