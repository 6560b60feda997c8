#ifndef BRIMLOW_CAPTIONLABEL_H
#define BRIMLOW_CAPTIONLABEL_H

// A transparent label whose white caption is drawn with a thin dark outline, so it
// stays readable on the window's light aqua background.

#include <QLabel>

class CaptionLabel final : public QLabel
{
    Q_OBJECT

public:
    explicit CaptionLabel(const QString &caption, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Q_DISABLE_COPY_MOVE(CaptionLabel)
};

#endif
