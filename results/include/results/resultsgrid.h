#ifndef BRIMLOW_RESULTSGRID_H
#define BRIMLOW_RESULTSGRID_H

// The hidden store of saved conversions. It is driven the way the converter has
// always driven its grid: set the row and column counts, move the current cell
// with setRow / setCol and read or write that cell's text. The table underneath
// keeps the texts; it is never shown, and assistive tools see it as one
// invisible table without headings or cells.

#include <QTableWidget>

class ResultsGrid final : public QTableWidget
{
    Q_OBJECT

public:
    explicit ResultsGrid(QWidget *parent = nullptr);

    int rows() const { return rowCount(); }
    void setRows(int rows);
    int cols() const { return columnCount(); }
    void setCols(int cols);

    // The current cell. Moving it outside the table clamps to the last row or
    // column and warns; a table without rows or columns has no cell to move to.
    int row() const { return m_row; }
    void setRow(int row);
    int col() const { return m_col; }
    void setCol(int col);

    // The current cell's text; empty, and writing ignored, when there is no cell.
    QString text() const;
    void setText(const QString &text);

private:
    bool hasCurrentCell() const;
    void clampCurrentCell();

    int m_row = 0;
    int m_col = 0;

    Q_DISABLE_COPY_MOVE(ResultsGrid)
};

#endif
