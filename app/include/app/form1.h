#ifndef BRIMLOW_FORM1_H
#define BRIMLOW_FORM1_H

// Brimlow's one window.
//
// Form1 builds every widget at its saved place, owns the state record and the
// subsystems, and wires widget events to them: the unit lists (units/), volume
// entry and conversion (conversion/), the flask and its dragging (flask/) and
// the results log (results/). It also implements the window procedures that one
// subsystem calls in another (FormProcedures) by handing each to its owner, and
// runs the window's own steps: Load, the start-up and restore timer, and the
// handling of minimise and restore. Handlers here stay one call long.
//
// Widgets keep the names the saved layout gives them (Text1, List2, SaveCmnd...),
// as members and as object names, so tests and accessibility tools find them.

#include "formstate/formprocedures.h"
#include "formstate/formstate.h"
#include "formstate/programlayout.h"

#include <QWidget>

#include <memory>

namespace Formkit {
class CommandButton;
class ListBox;
class OptionButton;
class PictureBox;
} // namespace Formkit
class QGroupBox;
class QLabel;
class ResultsGrid;
class Skinner;
namespace Formkit {
class TextBox;
class Timer;
} // namespace Formkit
class UnitDatabase;
class Conversion;
class UnitLists;
class Graduations;
class VolumeEntry;
class FlaskView;
class FlaskDrag;
class ResultsLog;
class FlaskAccess;

class Form1 final : public QWidget, public FormProcedures
{
    Q_OBJECT

public:
    // `database` is the unit database engine; it lives as long as the window.
    // "Make File" writes into the program's folder (the portable layout) ...
    explicit Form1(UnitDatabase &database, QWidget *parent = nullptr);
    // ... or into resultsFolder, telling the user where in the installed layout.
    Form1(UnitDatabase &database, program::ProgramLayout layout, QString resultsFolder,
        QWidget *parent = nullptr);
    ~Form1() override;

    // The Load steps; run once before the window is first shown.
    void load();

    FormState &state() { return m_state; }
    const FormState &state() const { return m_state; }

    // FormProcedures
    void lookupFromFactor() override;
    void lookupToFactor() override;
    void updateConversion() override;
    void update_framestatic(int topRow, int sparkleSpan) override;
    void showFlask() override;
    void drawGraduations(Formkit::PictureBox *target, ScaleVariant variant) override;
    void setVolumeFromLevel(float y) override;

    // The widgets, by the names of the saved layout.
    Formkit::TextBox *Text1 = nullptr;
    Formkit::TextBox *Text2 = nullptr;
    Formkit::TextBox *Text3 = nullptr;
    Formkit::TextBox *Text4 = nullptr;
    Formkit::ListBox *List1 = nullptr;
    Formkit::ListBox *List2 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QGroupBox *Frame3 = nullptr;
    Formkit::OptionButton *Option1 = nullptr;
    Formkit::OptionButton *Option2 = nullptr;
    Formkit::OptionButton *Option3 = nullptr;
    Formkit::OptionButton *Option4 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    Formkit::CommandButton *Command2 = nullptr;
    Formkit::CommandButton *SaveCmnd = nullptr;
    Formkit::CommandButton *MakeFileCmnd = nullptr;
    Formkit::OptionButton *optionwhite = nullptr;
    Formkit::OptionButton *optionblue = nullptr;
    Formkit::OptionButton *OptionLevel = nullptr;
    Formkit::OptionButton *optionred = nullptr;
    Formkit::OptionButton *optionsparkle = nullptr;
    Formkit::PictureBox *PicFlask = nullptr;
    Formkit::PictureBox *picflaskbuffer = nullptr;
    QWidget *Lumivane1 = nullptr; // null when the control could not be created
    ::ResultsGrid *ResultsGrid = nullptr;
    Formkit::Timer *Timer1 = nullptr;
    Skinner *Skinner1 = nullptr;

protected:
    void changeEvent(QEvent *event) override;

private:
    void createWidgets();
    // The client area's widget `name`, of type T.
    template <typename T> T *widget(const char *name) const;
    void createSubsystems();
    void wireEvents();
    void setTabOrder();
    void createLogoControl();
    void paintLogo();
    void onTimer();
    void onResize();
    void centreOnScreen();

    UnitDatabase &m_database;
    const program::ProgramLayout m_layout;
    const QString m_resultsFolder;
    FormState m_state;
    QWidget *m_client = nullptr;
    UnitLists *m_unitLists = nullptr;
    FlaskView *m_flaskView = nullptr;
    FlaskDrag *m_flaskDrag = nullptr;
    FlaskAccess *m_flaskAccess = nullptr;
    std::unique_ptr<VolumeEntry> m_volumeEntry;
    std::unique_ptr<Conversion> m_conversion;
    std::unique_ptr<Graduations> m_graduations;
    std::unique_ptr<ResultsLog> m_resultsLog;

    Q_DISABLE_COPY_MOVE(Form1)
};

#endif
