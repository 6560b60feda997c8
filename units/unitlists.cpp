#include "units/unitlists.h"

#include "Formkit/commandbutton.h"
#include "Formkit/listbox.h"
#include "Formkit/messagebox.h"
#include "Formkit/optionbutton.h"
#include "Formkit/textbox.h"
#include "formstate/formprocedures.h"
#include "formstate/formstate.h"
#include "units/unitdatabase.h"

#include "pastewatch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHelpEvent>
#include <QScopedValueRollback>
#include <QStyle>
#include <QToolTip>

using Formkit::ListBox;
using Formkit::MessageBox;
using Formkit::OptionButton;
using Formkit::TextBox;

namespace {

bool isModifierKey(int keyCode)
{
    return keyCode == Qt::Key_Shift || keyCode == Qt::Key_Control || keyCode == Qt::Key_Alt
        || keyCode == Qt::Key_Meta || keyCode == Qt::Key_AltGr;
}

constexpr int enter = 13;
constexpr int escape = 27;

// Whether the release of the keys that follow may complete the box's text.
// Backspace never completes, nor do the editing shortcuts (Ctrl+A, Ctrl+C,
// Ctrl+V, Ctrl+X, Ctrl+Z and the other Ctrl+letter codes): completing after
// them would drop the selection Ctrl+A made. A paste, by any way, completes
// once by itself (completePastedName).
// Ctrl+M types Enter's code, and like Enter it may complete.
bool completesAfter(int keyAscii)
{
    return keyAscii >= 32 || keyAscii == enter || keyAscii == escape;
}

// Releasing Shift, Ctrl or Alt completes nothing: after a capital letter the
// Shift key comes up last, and completing again then would drop the selection
// of the completed tail that the next letter should replace. Nor does a key
// released while Ctrl is held, which is part of a shortcut.
bool completesOnRelease(int keyCode, int shift)
{
    constexpr int ctrl = 2;
    return !isModifierKey(keyCode) && (shift & ctrl) == 0;
}

const QString noConversion = QStringLiteral("No conversion");

// The volume box counts as empty when it holds nothing but spaces.
bool isBlank(const QString &text)
{
    for (const QChar c : text) {
        if (c != u' ')
            return false;
    }
    return true;
}

} // namespace

UnitLists::UnitLists(FormState &state, FormProcedures &procedures, UnitDatabase &database,
    const UnitListWidgets &widgets, QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_procedures(procedures)
    , m_database(database)
    , m_w(widgets)
{
    Q_ASSERT_X(m_w.List1 && m_w.List2 && m_w.Text1 && m_w.Text2 && m_w.Text3 && m_w.Text4 && m_w.SaveCmnd
            && m_w.MakeFileCmnd && m_w.Option1 && m_w.Option2 && m_w.Option3 && m_w.Option4 && m_w.Command2,
        "UnitLists", "every widget is needed");
    wireEvents();
    QCoreApplication::instance()->installEventFilter(this);
}

bool UnitLists::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        // An event passed on to a parent widget counts again; that is harmless,
        // since the handlers of its first receiver have run by then.
        ++m_userAction;
        // Before the key or click acts, so that it finds the lists full. Only
        // in this window: the click that closes a message is no such action.
        const auto *widget = qobject_cast<QWidget *>(watched);
        if (m_refillPending && widget && widget->window() == m_w.List1->window()) {
            const QScopedValueRollback retrying(m_retrying, true);
            fillUnitLists(*m_refillPending);
        }
        break;
    }
    case QEvent::ToolTip:
        for (ListBox *list : { m_w.List1, m_w.List2 }) {
            if (watched == list->viewport())
                return showWholeName(list, static_cast<QHelpEvent *>(event));
        }
        break;
    default:
        break;
    }
    return false;
}

// The text rectangle of an entry is its row less the style's margin on each
// side; a name wider than that is cut, and only such a name gets a tooltip.
bool UnitLists::showWholeName(ListBox *list, QHelpEvent *event)
{
    const QModelIndex entry = list->indexAt(event->pos());
    const QString name = entry.data().toString();
    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const QRect row = list->visualRect(entry);
    const int room = (row & list->viewport()->rect()).width() - 2 * margin;
    if (!entry.isValid() || list->fontMetrics().horizontalAdvance(name) <= room) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    QToolTip::showText(event->globalPos(), name, list->viewport(), row);
    return true;
}

void UnitLists::wireEvents()
{
    const std::pair<OptionButton *, UnitOrdering> orderings[] = {
        { m_w.Option1, UnitOrdering::AllAscending },
        { m_w.Option3, UnitOrdering::MetricFirst },
        { m_w.Option2, UnitOrdering::UkUsFirst },
        { m_w.Option4, UnitOrdering::AussieFirst },
    };
    for (const auto &[option, ordering] : orderings) {
        connect(option, &QAbstractButton::clicked, this,
            [this, ordering = ordering] { fillUnitLists(ordering); });
    }
    connect(m_w.Command2, &QAbstractButton::clicked, this, &UnitLists::swapUnits);

    connect(m_w.List1, &ListBox::click, this, [this] { m_procedures.lookupFromFactor(); });
    connect(m_w.List2, &ListBox::click, this, [this] { m_procedures.lookupToFactor(); });
    // The list has moved its selection to the pressed entry before it reports the press.
    // A unit chosen with the keys or by dragging is shown and converted the same way.
    for (auto [list, box] : { std::pair { m_w.List1, m_w.Text3 }, std::pair { m_w.List2, m_w.Text4 } }) {
        connect(list, &ListBox::mouseDown, this, [list, box] { box->setText(list->text()); });
        connect(list, &ListBox::userMovedSelection, this, [list, box] { box->setText(list->text()); });
    }

    connect(m_w.Text3, &TextBox::change, this, [this] { unitBoxChanged(Side::From); });
    connect(m_w.Text4, &TextBox::change, this, [this] { unitBoxChanged(Side::To); });
    for (TextBox *box : { m_w.Text3, m_w.Text4 }) {
        connect(box, &TextBox::gotFocus, this, [box] {
            box->setSelStart(0);
            box->setSelLength(int(box->text().size()));
        });
    }
    connect(m_w.Text3, &TextBox::keyPress, this,
        [this](int &keyAscii) { m_state.fromCompleteAllowed = completesAfter(keyAscii); });
    connect(m_w.Text4, &TextBox::keyPress, this,
        [this](int &keyAscii) { m_state.toCompleteAllowed = completesAfter(keyAscii); });
    connect(new PasteWatch(m_w.Text3), &PasteWatch::pasted, this,
        [this] { completePastedName(m_w.Text3, m_w.List1, m_state.fromCompleteAllowed); });
    connect(new PasteWatch(m_w.Text4), &PasteWatch::pasted, this,
        [this] { completePastedName(m_w.Text4, m_w.List2, m_state.toCompleteAllowed); });
    connect(m_w.Text3, &TextBox::keyUp, this, [this](int keyCode, int shift) {
        if (completesOnRelease(keyCode, shift))
            completeUnitName(m_w.Text3, m_w.List1, m_state.fromCompleteAllowed);
    });
    connect(m_w.Text4, &TextBox::keyUp, this, [this](int keyCode, int shift) {
        if (completesOnRelease(keyCode, shift))
            completeUnitName(m_w.Text4, m_w.List2, m_state.toCompleteAllowed);
    });
}

void UnitLists::fillUnitLists(UnitOrdering ordering)
{
    m_refillPending = ordering; // until the lists are full again
    m_w.List1->clear();
    m_w.List2->clear();
    {
        const UnitDatabaseConnection connection = m_database.openUnitDatabase();
        if (!connection.isOpen()) {
            listsLost(connection.errorText());
            return;
        }
        for (const QString &statement : unitListStatements(ordering)) {
            const UnitNamesResult result = m_database.readUnitNames(connection, statement);
            if (!result.ok()) {
                // Half a list would hide units without a word: show none.
                listsLost(result.error);
                return;
            }
            for (const QString &name : result.names) {
                m_w.List1->addItem(name);
                m_w.List2->addItem(name);
            }
        }
        // The connection closes here, before any selection raises a lookup.
    }
    if (m_w.List1->listCount() == 0) {
        listsLost(QStringLiteral("The unit database %1 holds no units.").arg(m_database.filePath()));
        return;
    }
    m_refillPending.reset();
    m_w.List1->setListIndex(0);
    m_w.List2->setListIndex(0);
    m_w.Text3->setText(m_w.List1->text());
    m_w.Text4->setText(m_w.List2->text());
}

// Empty lists select no unit: nothing is left to convert with or to save, and
// the find boxes no longer name units that are not there.
void UnitLists::listsLost(const QString &message)
{
    m_w.List1->clear();
    m_w.List2->clear();
    m_state.fromFactor = 0.0f;
    m_state.toFactor = 0.0f;
    m_w.Text3->setText(QString());
    m_w.Text4->setText(QString());
    showNoSizes();
    // A retry that fails again has nothing new to say.
    if (!m_retrying)
        report(message
            + QStringLiteral("\n\nThe unit lists fill again at your next key or click in the window "
                             "once the unit database can be read."));
}

void UnitLists::swapUnits()
{
    const int a = m_w.List1->listIndex();
    const int b = m_w.List2->listIndex();
    m_w.List1->setListIndex(b);
    m_w.List2->setListIndex(a);
    m_w.Text3->setText(m_w.List1->text());
    m_w.Text4->setText(m_w.List2->text());
}

void UnitLists::unitBoxChanged(Side side)
{
    if (isBlank(m_w.Text1->text()))
        return;
    m_w.SaveCmnd->setEnabled(true);
    m_w.MakeFileCmnd->setEnabled(m_state.gridHasRows);
    if (side == Side::From)
        m_procedures.lookupFromFactor();
    else
        m_procedures.lookupToFactor();
    // A unit whose size could not be read gives nothing to save.
    if (!unitSizesKnown())
        m_w.SaveCmnd->setEnabled(false);
    m_procedures.updateConversion();
}

void UnitLists::completeUnitName(TextBox *box, ListBox *list, bool allowed)
{
    if (!allowed)
        return;
    const QString typed = box->text().toUpper();
    const qsizetype typedLength = box->text().size();
    int match = -1;
    for (int i = 0; i < list->listCount(); ++i) {
        if (list->list(i).left(typedLength).toUpper() == typed) {
            match = i;
            break;
        }
    }
    if (match < 0)
        return;
    const int before = list->listIndex();
    list->setListIndex(match);
    // The box is read again: the lookup above may have run other handlers.
    const QString text = box->text();
    const QString tail = list->list(match).mid(text.size());
    box->setText(text + tail);
    // The key's own change converted with the entry selected before it. With
    // no tail the text stays as typed and raises no change, so the newly
    // selected entry is converted here.
    if (tail.isEmpty() && match != before)
        unitBoxChanged(box == m_w.Text3 ? Side::From : Side::To);
    box->setSelStart(int(box->text().size() - tail.size()));
    box->setSelLength(int(tail.size()));
}

void UnitLists::completePastedName(TextBox *box, ListBox *list, bool &completeAllowed)
{
    const QString pasted = box->text().trimmed();
    box->setText(pasted);
    completeUnitName(box, list, true);
    completeAllowed = false;
}

void UnitLists::lookupFromFactor()
{
    if (lookup(m_w.List1, m_state.fromFactor) && m_state.toFactor == 0.0f)
        lookup(m_w.List2, m_state.toFactor);
}

void UnitLists::lookupToFactor()
{
    if (lookup(m_w.List2, m_state.toFactor) && m_state.fromFactor == 0.0f)
        lookup(m_w.List1, m_state.fromFactor);
}

// True when the size was read. A size is never 0, so a factor of 0 stands for
// "no size known": no conversion can use a size that belongs to another unit.
bool UnitLists::lookup(ListBox *list, float &factor)
{
    // With nothing selected (a refill failed and was reported) there is
    // nothing to look up, and no size.
    if (list->listIndex() < 0) {
        factor = 0.0f;
        return false;
    }
    const UnitSizeResult size = m_database.lookupSize(list->text());
    if (!size.ok()) {
        factor = 0.0f;
        showNoSizes();
        report(size.error);
        return false;
    }
    factor = size.size;
    return true;
}

bool UnitLists::unitSizesKnown() const
{
    return m_state.fromFactor != 0.0f && m_state.toFactor != 0.0f;
}

void UnitLists::showNoSizes()
{
    m_w.Text2->setText(noConversion);
    m_w.SaveCmnd->setEnabled(false);
}

void UnitLists::report(const QString &message)
{
    // One action runs several lookups (a key in the volume box looks up both
    // units): the same fault is told once per action, and again in the next.
    if (message == m_lastMessage && m_userAction == m_lastMessageAction)
        return;
    MessageBox::show(m_w.List1->window(), message, QStringLiteral("Brimlow"), MessageBox::Icon::Critical);
    // Read after the message: the click that closed it belongs to this action.
    m_lastMessage = message;
    m_lastMessageAction = m_userAction;
}
