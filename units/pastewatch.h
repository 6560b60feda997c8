#ifndef BRIMLOW_PASTEWATCH_H
#define BRIMLOW_PASTEWATCH_H

// Tells when the user has pasted into a line edit, by any of the ways a desktop
// offers: Ctrl+V or Shift+Insert, a middle click (the selection clipboard) and
// the context menu's "Paste". pasted() comes once the text is in the box, so a
// handler reads the box as the paste left it.

#include <QObject>

class QLineEdit;

class PasteWatch final : public QObject
{
    Q_OBJECT

public:
    // Watches `box`, whose child it becomes.
    explicit PasteWatch(QLineEdit *box);

signals:
    void pasted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Lets the box handle the event now, then tells of the paste.
    void deliverThenTell(QEvent *event);
    void showContextMenu(const QPoint &globalPos);

    QLineEdit *m_box;
    bool m_delivering = false;

    Q_DISABLE_COPY_MOVE(PasteWatch)
};

#endif
