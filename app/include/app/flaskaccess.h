#ifndef BRIMLOW_FLASKACCESS_H
#define BRIMLOW_FLASKACCESS_H

// The flask for screen readers, through Qt's accessibility interfaces (and so
// AT-SPI): PicFlask reads as a slider named "Flask" whose value is the fluid
// level, the volume in the From unit from 0 to the scale's top, with a
// description that says so; setting the value drags the level to the nearest
// row the way the mouse does. Its one child is the scale, a table of the ten
// graduations from the top, whose two columns are headed by the From and To
// units and whose cells are the labels as the flask draws them.
//
// Hidden widgets (the "Red" and "Sparkle" options, the results grid, the
// drawing buffer) are left out of the tree of the containers marked with
// hidesHiddenChildren. Nothing here changes what the window shows or its tab
// order.

#include <QObject>
#include <QRect>
#include <QString>

#include <functional>
#include <optional>

struct FormState;
class FlaskDrag;
class QAccessibleEvent;
class QWidget;
namespace Formkit {
class ListBox;
class PictureBox;
class TextBox;
} // namespace Formkit

class FlaskAccess final : public QObject
{
    Q_OBJECT

public:
    // Becomes a child of picFlask, whose accessible interface it then serves.
    FlaskAccess(const FormState &state, FlaskDrag &drag, Formkit::PictureBox *picFlask,
        Formkit::TextBox *text1, Formkit::ListBox *list1, Formkit::ListBox *list2);

    // Marks a container whose explicitly hidden children are no part of the
    // accessibility tree.
    static void hidesHiddenChildren(QWidget *container);

    // After every drawing of the scale, by a conversion or by a drag: tells
    // the assistive tools that the value, description and cells changed.
    void scaleDrawn(bool byDrag);
    // Where those change events go instead of QAccessible::updateAccessibility,
    // which drops them while no assistive tool listens (for a test to hear them).
    void setEventSink(std::function<void(QAccessibleEvent *)> sink) { m_eventSink = std::move(sink); }

    // The scale's top value, 10^scaleExponent or 10^-fractionScaleExponent.
    double scaleTop() const;
    // The volume the fluid stands for, in the From unit; none while the volume
    // box holds no volume that converts.
    std::optional<double> volume() const;
    QString description() const;
    // Drags the level to the row nearest `volume`, as a press and release there.
    void setLevel(double volume);

    // The scale as a table: row 0 is the top graduation, column 0 the From unit.
    QString headerText(int column) const;
    QString cellText(int row, int column) const;
    // Where cell (row, column) is drawn, in PicFlask's pixels; a header has no place.
    QRect cellRect(int row, int column) const;

    Formkit::PictureBox *picFlask() const { return m_picFlask; }

private:
    void notify(QAccessibleEvent *event) const;

    const FormState &m_state;
    FlaskDrag &m_drag;
    Formkit::PictureBox *m_picFlask;
    Formkit::TextBox *m_text1;
    Formkit::ListBox *m_list1;
    Formkit::ListBox *m_list2;
    bool m_byDrag = false; // the level was last set by a drag
    std::function<void(QAccessibleEvent *)> m_eventSink;

    Q_DISABLE_COPY_MOVE(FlaskAccess)
};

#endif
