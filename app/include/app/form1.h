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
#include "toolkit/programlayout.h"

#include <QWidget>

#include <memory>

class CommandButton;
class ListBox;
class OptionButton;
class PictureBox;
class QGroupBox;
class QLabel;
class ResultsGrid;
class Skinner;
class TextBox;
class Timer;
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
    Form1(UnitDatabase &database, toolkit::ProgramLayout layout, QString resultsFolder,
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
    void drawGraduations(PictureBox *target, ScaleVariant variant) override;
    void setVolumeFromLevel(float y) override;

    // The widgets, by the names of the saved layout.
    TextBox *Text1 = nullptr;
    TextBox *Text2 = nullptr;
    TextBox *Text3 = nullptr;
    TextBox *Text4 = nullptr;
    ListBox *List1 = nullptr;
    ListBox *List2 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QGroupBox *Frame3 = nullptr;
    OptionButton *Option1 = nullptr;
    OptionButton *Option2 = nullptr;
    OptionButton *Option3 = nullptr;
    OptionButton *Option4 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    CommandButton *Command2 = nullptr;
    CommandButton *SaveCmnd = nullptr;
    CommandButton *MakeFileCmnd = nullptr;
    OptionButton *optionwhite = nullptr;
    OptionButton *optionblue = nullptr;
    OptionButton *OptionLevel = nullptr;
    OptionButton *optionred = nullptr;
    OptionButton *optionsparkle = nullptr;
    PictureBox *PicFlask = nullptr;
    PictureBox *picflaskbuffer = nullptr;
    QWidget *Lumivane1 = nullptr; // null when the control could not be created
    ::ResultsGrid *ResultsGrid = nullptr;
    Timer *Timer1 = nullptr;
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
    const toolkit::ProgramLayout m_layout;
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
