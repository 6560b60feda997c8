#ifndef BRIMLOW_LISTBOX_H
#define BRIMLOW_LISTBOX_H

// A list of texts with the list box events the converter relies on:
//  - click(): raised when the user moves the selection (mouse or keys) and every
//    time code sets listIndex, even to the index already selected, at once and
//    before setListIndex() returns. Clearing and adding entries raise nothing.
//  - mouseDown(button, shift, x, y): raised for a press after the list has moved
//    its selection to the pressed entry, so a handler reads the entry the press
//    selected. x and y are in twips from the list's top left corner.
//  - userMovedSelection(): raised right after click() when the user moves the
//    selection other than by pressing a button on an entry (which mouseDown
//    reports): with the keys (arrows, Home, End, Page Up/Down, a typed letter)
//    or by dragging with a button held. Never raised for a selection set by code.

#include "toolkit/formruntime_export.h"

#include <QListWidget>

class FORMRUNTIME_EXPORT ListBox : public QListWidget
{
    Q_OBJECT
    Q_PROPERTY(int listIndex READ listIndex WRITE setListIndex)

public:
    explicit ListBox(QWidget *parent = nullptr);

    void clear();
    void addItem(const QString &text);

    int listIndex() const { return currentRow(); }
    void setListIndex(int index);

    int listCount() const { return count(); }
    QString list(int index) const;
    // The selected entry's text, empty when nothing is selected.
    QString text() const;

signals:
    void click();
    void mouseDown(int button, int shift, float x, float y);
    void userMovedSelection();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void onCurrentRowChanged();

    bool m_quiet = false;
    bool m_pressing = false;

    Q_DISABLE_COPY_MOVE(ListBox)
};

// Button codes of mouse events: 1 left, 2 right, 4 middle.
FORMRUNTIME_EXPORT int mouseButtonCode(Qt::MouseButtons buttons);

#endif
