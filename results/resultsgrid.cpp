#include "results/resultsgrid.h"

#include <QAccessibleWidget>
#include <QtGlobal>
#include <algorithm>

namespace {

// The grid is a store that is never shown, so assistive tools get one invisible
// table with nothing under it. The table view's own tree would offer every
// heading and cell, each placed inside the grid's rectangle and so reporting
// itself on screen although the grid is hidden.
class HiddenGridAccessible final : public QAccessibleWidget
{
public:
    explicit HiddenGridAccessible(QWidget *grid)
        : QAccessibleWidget(grid, QAccessible::Table)
    { }

    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        state.offscreen = true;
        state.focusable = false;
        return state;
    }
};

QAccessibleInterface *hiddenGridAccessible(const QString &className, QObject *object)
{
    if (object && object->isWidgetType()
        && className == QLatin1String(ResultsGrid::staticMetaObject.className()))
        return new HiddenGridAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

ResultsGrid::ResultsGrid(QWidget *parent)
    : QWidget(parent)
{
    static const bool accessibleInstalled = (QAccessible::installFactory(hiddenGridAccessible), true);
    Q_UNUSED(accessibleInstalled);
    // Only a store: keep it out of sight and out of the tab order even when the
    // window around it is shown.
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void ResultsGrid::setRows(int rows)
{
    if (rows < 0) {
        qWarning("ResultsGrid::setRows: %d rows, using 0", rows);
        rows = 0;
    }
    m_cells.resize(rows, QStringList(m_cols));
    clampCurrentCell();
}

void ResultsGrid::setCols(int cols)
{
    if (cols < 0) {
        qWarning("ResultsGrid::setCols: %d columns, using 0", cols);
        cols = 0;
    }
    m_cols = cols;
    for (QStringList &row : m_cells)
        row.resize(cols);
    clampCurrentCell();
}

void ResultsGrid::setRow(int row)
{
    const int clamped = std::clamp(row, 0, std::max(rows() - 1, 0));
    if (clamped != row)
        qWarning("ResultsGrid::setRow: row %d is outside %d rows", row, rows());
    m_row = clamped;
}

void ResultsGrid::setCol(int col)
{
    const int clamped = std::clamp(col, 0, std::max(cols() - 1, 0));
    if (clamped != col)
        qWarning("ResultsGrid::setCol: column %d is outside %d columns", col, cols());
    m_col = clamped;
}

QString ResultsGrid::text() const
{
    if (!hasCurrentCell())
        return QString();
    return m_cells.at(m_row).at(m_col);
}

void ResultsGrid::setText(const QString &text)
{
    if (!hasCurrentCell()) {
        qWarning("ResultsGrid::setText: the grid has no cells");
        return;
    }
    m_cells[m_row][m_col] = text;
}

QString ResultsGrid::cellText(int row, int col) const
{
    if (row < 0 || row >= rows() || col < 0 || col >= cols())
        return QString();
    return m_cells.at(row).at(col);
}

bool ResultsGrid::hasCurrentCell() const
{
    return m_row < rows() && m_col < cols();
}

void ResultsGrid::clampCurrentCell()
{
    // Shrinking the table pulls the current cell back inside it, as dropping the
    // saved rows after writing the file leaves the heading row current.
    m_row = std::min(m_row, std::max(rows() - 1, 0));
    m_col = std::min(m_col, std::max(cols() - 1, 0));
}
