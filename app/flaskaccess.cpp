#include "app/flaskaccess.h"

#include "Formkit/listbox.h"
#include "Formkit/picturebox.h"
#include "Formkit/textbox.h"
#include "conversion/conversionarithmetic.h"
#include "conversion/graduationlayout.h"
#include "conversion/numbertext.h"
#include "flask/dragband.h"
#include "flask/flaskdrag.h"
#include "formstate/formstate.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMenu>
#include <QPointer>
#include <QWindow>

#include <algorithm>
#include <array>
#include <cmath>

using Formkit::ListBox;
using Formkit::PictureBox;
using Formkit::TextBox;

namespace {

constexpr int scaleRows = 10;
constexpr int scaleColumns = 2;
constexpr int leftButton = 1;
constexpr int labelHeight = 8; // rows of the labels' pixel face
const char hidesHiddenProperty[] = "brimlowHidesHiddenChildren";

// One cell of the scale, or with row -1 the header of a column.
class ScaleCell final : public QAccessibleInterface, public QAccessibleTableCellInterface
{
public:
    ScaleCell(QAccessibleInterface *table, FlaskAccess *source, int row, int column)
        : m_table(table)
        , m_source(source)
        , m_row(row)
        , m_column(column)
    { }

    bool isValid() const override { return m_source && m_table->isValid(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_table->window(); }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override { return m_table; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !m_source)
            return QString();
        return m_row < 0 ? m_source->headerText(m_column) : m_source->cellText(m_row, m_column);
    }
    void setText(QAccessible::Text, const QString &) override { }
    QRect rect() const override
    {
        if (!m_source || m_row < 0)
            return QRect();
        const QRect place = m_source->cellRect(m_row, m_column);
        return QRect(m_source->picFlask()->mapToGlobal(place.topLeft()), place.size());
    }
    QAccessible::Role role() const override
    {
        return m_row < 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface *>(this)
                                                       : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface *> columnHeaderCells() const override
    {
        if (m_row < 0)
            return {};
        return { m_table->tableInterface()->cellAt(-1, m_column) };
    }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return m_table; }

private:
    QAccessibleInterface *m_table;
    QPointer<FlaskAccess> m_source;
    int m_row;
    int m_column;
};

// The scale: ten rows from the top graduation down, two columns. Its children
// are the two headers, then the cells row by row.
class ScaleTable final : public QAccessibleInterface, public QAccessibleTableInterface
{
public:
    ScaleTable(QAccessibleInterface *flask, FlaskAccess *source)
        : m_flask(flask)
        , m_source(source)
    { }
    ~ScaleTable() override
    {
        for (const QAccessible::Id id : m_cells)
            if (id)
                QAccessible::deleteAccessibleInterface(id);
    }

    bool isValid() const override { return m_source && m_flask->isValid(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_flask->window(); }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (child(i)->rect().contains(x, y))
                return child(i);
        return nullptr;
    }
    QAccessibleInterface *parent() const override { return m_flask; }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (index < scaleColumns)
            return cellAt(-1, index);
        index -= scaleColumns;
        return cellAt(index / scaleColumns, index % scaleColumns);
    }
    int childCount() const override { return scaleColumns + scaleRows * scaleColumns; }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (this->child(i) == child)
                return i;
        return -1;
    }
    QString text(QAccessible::Text t) const override
    {
        if (!m_source)
            return QString();
        if (t == QAccessible::Name)
            return QStringLiteral("Flask scale");
        if (t == QAccessible::Description)
            return QStringLiteral("The ten graduations from the top, each in %1 and in %2")
                .arg(m_source->headerText(0), m_source->headerText(1));
        return QString();
    }
    void setText(QAccessible::Text, const QString &) override { }
    QRect rect() const override { return m_flask->rect(); }
    QAccessible::Role role() const override { return QAccessible::Table; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface *>(this) : nullptr;
    }

    // Row -1 stands for the column headers.
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        if (row < -1 || row >= scaleRows || column < 0 || column >= scaleColumns)
            return nullptr;
        QAccessible::Id &id = m_cells[std::size_t((row + 1) * scaleColumns + column)];
        if (!id)
            id = QAccessible::registerAccessibleInterface(
                new ScaleCell(const_cast<ScaleTable *>(this), m_source, row, column));
        return QAccessible::accessibleInterface(id);
    }
    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface *> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override
    {
        return m_source ? m_source->headerText(column) : QString();
    }
    QString rowDescription(int) const override { return QString(); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return scaleColumns; }
    int rowCount() const override { return scaleRows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    // The cells read the scale when asked: nothing to rebuild.
    void modelChange(QAccessibleTableModelChangeEvent *) override { }

private:
    QAccessibleInterface *m_flask;
    QPointer<FlaskAccess> m_source;
    mutable std::array<QAccessible::Id, (scaleRows + 1) * scaleColumns> m_cells {};
};

// PicFlask: the fluid level as a value, the scale as its one child.
class FlaskAccessible final : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    FlaskAccessible(QWidget *flask, FlaskAccess *source)
        : QAccessibleWidget(flask, QAccessible::Slider)
        , m_source(source)
    { }
    ~FlaskAccessible() override
    {
        if (m_table)
            QAccessible::deleteAccessibleInterface(m_table);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description && m_source)
            return m_source->description();
        if (t == QAccessible::Value && m_source)
            return currentValue().toString();
        return QAccessibleWidget::text(t);
    }
    QAccessibleInterface *child(int index) const override
    {
        if (index != 0 || !m_source)
            return nullptr;
        if (!m_table)
            m_table = QAccessible::registerAccessibleInterface(
                new ScaleTable(const_cast<FlaskAccessible *>(this), m_source));
        return QAccessible::accessibleInterface(m_table);
    }
    int childCount() const override { return m_source ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child == this->child(0) ? 0 : -1;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return m_source ? m_source->volume().value_or(0.0) : 0.0; }
    void setCurrentValue(const QVariant &value) override
    {
        bool ok = false;
        const double volume = value.toDouble(&ok);
        if (ok && m_source)
            m_source->setLevel(volume);
    }
    QVariant maximumValue() const override { return m_source ? m_source->scaleTop() : 0.0; }
    QVariant minimumValue() const override { return 0.0; }
    QVariant minimumStepSize() const override
    {
        return m_source ? m_source->scaleTop() / scaleSpan : 0.0; // one row
    }

private:
    QPointer<FlaskAccess> m_source;
    mutable QAccessible::Id m_table = 0;
};

// A container whose explicitly hidden children are left out, as Qt's own
// widget interface would list them all.
class ShownChildrenAccessible final : public QAccessibleWidget
{
public:
    explicit ShownChildrenAccessible(QWidget *container)
        : QAccessibleWidget(
            container, container->inherits("QGroupBox") ? QAccessible::Grouping : QAccessible::Client)
    { }

    int childCount() const override { return int(shown().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QWidgetList children = shown();
        return index >= 0 && index < children.size()
            ? QAccessible::queryAccessibleInterface(children.at(index))
            : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(shown().indexOf(qobject_cast<QWidget *>(child->object()))) : -1;
    }

private:
    QWidgetList shown() const
    {
        QWidgetList list;
        for (QObject *o : widget()->children()) {
            auto *w = qobject_cast<QWidget *>(o);
            if (w && !w->isWindow() && !qobject_cast<QMenu *>(w) && w->isVisibleTo(widget()))
                list.append(w);
        }
        return list;
    }
};

QAccessibleInterface *accessibleFor(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (auto *source = widget->findChild<FlaskAccess *>(QString(), Qt::FindDirectChildrenOnly))
        return new FlaskAccessible(widget, source);
    if (widget->property(hidesHiddenProperty).toBool())
        return new ShownChildrenAccessible(widget);
    return nullptr;
}

// Drops an interface Qt may have made for the widget before it was marked
// (setting an accessible name makes one), so that the next query gets ours.
void forgetAccessible(QObject *object)
{
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(object))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

} // namespace

FlaskAccess::FlaskAccess(const FormState &state, FlaskDrag &drag, PictureBox *picFlask, TextBox *text1,
    ListBox *list1, ListBox *list2)
    : QObject(picFlask)
    , m_state(state)
    , m_drag(drag)
    , m_picFlask(picFlask)
    , m_text1(text1)
    , m_list1(list1)
    , m_list2(list2)
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(installed);
    forgetAccessible(picFlask);
}

void FlaskAccess::hidesHiddenChildren(QWidget *container)
{
    container->setProperty(hidesHiddenProperty, true);
    forgetAccessible(container);
}

double FlaskAccess::scaleTop() const
{
    return m_state.volumeAtLeastOne ? std::pow(10.0, m_state.scaleExponent)
                                    : std::pow(10.0, -m_state.fractionScaleExponent);
}

std::optional<double> FlaskAccess::volume() const
{
    if (!convertVolume(m_text1->text(), m_state.fromFactor, m_state.toFactor).ok())
        return std::nullopt;
    return double(m_byDrag ? m_state.dragVolume : m_state.volumeValue);
}

QString FlaskAccess::description() const
{
    const QString unit = headerText(0);
    const QString top = generalNumberText(scaleTop()).trimmed();
    const std::optional<double> level = volume();
    if (!level)
        return QStringLiteral("Fluid level: no valid volume, so it reads 0; the scale goes up to %1 %2.")
            .arg(top, unit);
    return QStringLiteral("Fluid level: %1 %2 on a scale up to %3 %2. Set it to move the level.")
        .arg(generalNumberText(float(*level)).trimmed(), unit, top);
}

void FlaskAccess::setLevel(double volume)
{
    const double top = scaleTop();
    double row = std::round(scaleZeroRow - volume / top * scaleSpan);
    row = std::clamp(row, double(scaleTopRow), double(scaleZeroRow));
    // The band's top is lower on the largest scales.
    while (!isInDragBand(float(row), m_state.scaleExponent) && row < scaleZeroRow)
        ++row;
    const float y = float(row);
    const float x = float(m_picFlask->width()) / 2;
    m_drag.mouseDown(leftButton, 0, x, y);
    m_drag.mouseUp(leftButton, 0, x, y);
}

QString FlaskAccess::headerText(int column) const
{
    return column == 0 ? m_list1->text() : m_list2->text();
}

QString FlaskAccess::cellText(int row, int column) const
{
    const GraduationLayout layout = graduationLayout(
        m_state.volumeAtLeastOne ? ScaleVariant::Large : ScaleVariant::Small, m_state.scaleExponent,
        m_state.fractionScaleExponent, m_state.fromFactor, m_state.toFactor, false);
    const GraduationLabel &label = layout[std::size_t(scaleRows - 1 - row)];
    return column == 0 ? label.leftText : label.rightText;
}

QRect FlaskAccess::cellRect(int row, int column) const
{
    const int y = graduationRow(scaleRows - row);
    if (column == 0)
        return QRect(graduationLeftColumn, y, rightTickFrom / 2 - graduationLeftColumn, labelHeight);
    return QRect(rightTickFrom / 2, y, rightTickTo - rightTickFrom / 2, labelHeight);
}

void FlaskAccess::scaleDrawn(bool byDrag)
{
    m_byDrag = byDrag;
    if (!m_eventSink && !QAccessible::isActive())
        return; // nobody listens: nothing to work out
    QAccessibleInterface *flask = QAccessible::queryAccessibleInterface(m_picFlask);
    if (!flask)
        return;
    QAccessibleValueChangeEvent value(flask, flask->valueInterface()->currentValue());
    notify(&value);
    QAccessibleEvent description(flask, QAccessible::DescriptionChanged);
    notify(&description);

    QAccessibleInterface *scale = flask->child(0);
    QAccessibleTableModelChangeEvent cells(scale, QAccessibleTableModelChangeEvent::DataChanged);
    cells.setFirstRow(0);
    cells.setLastRow(scaleRows - 1);
    cells.setFirstColumn(0);
    cells.setLastColumn(scaleColumns - 1);
    notify(&cells);
    for (int i = 0; i < scale->childCount(); ++i) {
        QAccessibleEvent name(scale->child(i), QAccessible::NameChanged);
        notify(&name);
    }
}

void FlaskAccess::notify(QAccessibleEvent *event) const
{
    if (m_eventSink)
        m_eventSink(event);
    else
        QAccessible::updateAccessibility(event);
}
