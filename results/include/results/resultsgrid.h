#ifndef BRIMLOW_RESULTSGRID_H
#define BRIMLOW_RESULTSGRID_H

// The hidden store of saved conversions. It is driven the way the converter has
// always driven its grid: set the row and column counts, move the current cell
// with setRow / setCol and read or write that cell's text. It has its place on
// the window but is never shown, so it keeps its texts in a plain table and
// draws nothing: no view, headers or scroll bars to build at start-up.
// Assistive tools see it as one invisible table without headings or cells.

#include <QList>
#include <QStringList>
#include <QWidget>

class ResultsGrid final : public QWidget
{
    Q_OBJECT

public:
    explicit ResultsGrid(QWidget *parent = nullptr);

    int rows() const { return int(m_cells.size()); }
    void setRows(int rows);
    int cols() const { return m_cols; }
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

    // Any cell's text, read without moving the current cell; empty outside the table.
    QString cellText(int row, int col) const;

private:
    bool hasCurrentCell() const;
    void clampCurrentCell();

    QList<QStringList> m_cells; // one list of m_cols texts per row
    int m_cols = 0;
    int m_row = 0;
    int m_col = 0;

    Q_DISABLE_COPY_MOVE(ResultsGrid)
};

#endif
