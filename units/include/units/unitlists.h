#ifndef BRIMLOW_UNITLISTS_H
#define BRIMLOW_UNITLISTS_H

// The two unit lists and their type-ahead boxes: List1 (From) under Text3,
// List2 (To) under Text4, always holding the same entries in the same order.
// UnitLists fills them in one of four orderings from the unit database, swaps
// the two selections, completes a unit name as it is typed, keeps fromFactor
// and toFactor in step with the selections, and on every change of a unit box
// has the volume converted again through the window's procedures. A unit the
// user picks in a list (a press, the keys or a drag) is shown in its box, whose
// change converts again; selections made here by code fill the boxes themselves.
//
// It wires the widgets' events itself when it is constructed; the window only
// forwards its lookupFromFactor / lookupToFactor procedures to it.
//
// When the unit file fails while the program runs, no size is left behind: a
// failed lookup sets its factor to 0 (no size known), the result box shows "No
// conversion" and "Save" stays disabled until the sizes are read again; a failed
// refill leaves both lists and both boxes empty, and the user's next key or click
// in the window tries that refill again before it acts, quietly, until the file
// reads. Each user action (one key, one click) that meets the fault is told once,
// however many lookups it runs.
//
// A unit name too long for its list shows whole in a tooltip where the pointer
// rests on it.

#include "units/unitorderings.h"

#include <QObject>
#include <QString>

#include <optional>

class QHelpEvent;
namespace Formkit {
class CommandButton;
} // namespace Formkit
class FormProcedures;
namespace Formkit {
class ListBox;
class OptionButton;
class TextBox;
} // namespace Formkit
class UnitDatabase;
struct FormState;

// The widgets the unit lists touch, by their names in the window.
struct UnitListWidgets
{
    Formkit::ListBox *List1 = nullptr;
    Formkit::ListBox *List2 = nullptr;
    Formkit::TextBox *Text3 = nullptr;
    Formkit::TextBox *Text4 = nullptr;
    Formkit::TextBox *Text1 = nullptr;
    Formkit::CommandButton *SaveCmnd = nullptr;
    Formkit::CommandButton *MakeFileCmnd = nullptr;
    Formkit::OptionButton *Option1 = nullptr; // All Ascending
    Formkit::OptionButton *Option2 = nullptr; // UK, US units first
    Formkit::OptionButton *Option3 = nullptr; // Metric units first
    Formkit::OptionButton *Option4 = nullptr; // Aussie units first
    Formkit::CommandButton *Command2 = nullptr; // Swap Units
    Formkit::TextBox *Text2 = nullptr; // the result, "No conversion" while a size is missing
};

class UnitLists final : public QObject
{
    Q_OBJECT

public:
    UnitLists(FormState &state, FormProcedures &procedures, UnitDatabase &database,
        const UnitListWidgets &widgets, QObject *parent = nullptr);

    // Refills both lists in an ordering, selects the first entry of each and
    // shows the selections in the boxes.
    void fillUnitLists(UnitOrdering ordering);

    // Exchanges the selections of the two lists and shows them in the boxes.
    void swapUnits();

    // Completes the box's text to the first entry of the list that starts with
    // it (in any case), selects that entry and selects the completed tail.
    void completeUnitName(Formkit::TextBox *box, Formkit::ListBox *list, bool allowed);

    // After a paste into a unit box: its whole text, blanks and line breaks
    // around it dropped, completes once as a typed name does. The keys of the
    // paste that come up afterwards complete nothing more.
    void completePastedName(Formkit::TextBox *box, Formkit::ListBox *list, bool &completeAllowed);

    // The size of the selected entry of List1 / List2 into fromFactor /
    // toFactor. When the lookup fails the user is told and the factor becomes 0.
    // A good lookup also reads the other side's size if that one is missing.
    void lookupFromFactor();
    void lookupToFactor();

protected:
    // Counts the user's actions (every key and mouse button pressed in the
    // program), refills lists that a failed refill left empty at the first
    // such action in the window, and shows cut unit names whole.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Side { From, To };

    void wireEvents();
    void unitBoxChanged(Side side);
    bool lookup(Formkit::ListBox *list, float &factor);
    bool unitSizesKnown() const;
    void showNoSizes();
    void listsLost(const QString &message);
    bool showWholeName(Formkit::ListBox *list, QHelpEvent *event);
    void report(const QString &message);

    FormState &m_state;
    FormProcedures &m_procedures;
    UnitDatabase &m_database;
    UnitListWidgets m_w;
    // The user's actions so far, and the message last shown with the action it
    // was shown in: the lookups of one action tell a fault once.
    quint64 m_userAction = 0;
    QString m_lastMessage;
    quint64 m_lastMessageAction = 0;
    // The ordering of a refill that failed, to be tried again; retried quietly.
    std::optional<UnitOrdering> m_refillPending;
    bool m_retrying = false;

    Q_DISABLE_COPY_MOVE(UnitLists)
};

#endif
