#ifndef BRIMLOW_VOLUMEENTRY_H
#define BRIMLOW_VOLUMEENTRY_H

// The volume box Text1: its key filter, its Change (which enables the report
// buttons and starts a conversion), its focus selection, and the filling of the
// volume and result boxes from a flask row while the user drags the level.
// The rules themselves live in volumeinput.h and conversionarithmetic.h; this
// class only reads and writes the widgets and the state record.

#include <QtGlobal>

struct FormState;
class FormProcedures;
namespace Formkit {
class CommandButton;
class TextBox;
} // namespace Formkit

struct VolumeEntryWidgets
{
    Formkit::TextBox *text1 = nullptr; // the volume (Text1)
    Formkit::TextBox *text2 = nullptr; // the result (Text2)
    Formkit::CommandButton *saveCmnd = nullptr; // "Save"
    Formkit::CommandButton *makeFileCmnd = nullptr; // "Make File"
};

class VolumeEntry final
{
public:
    VolumeEntry(FormState &state, FormProcedures &procedures, const VolumeEntryWidgets &widgets);

    // KeyPress of Text1: sets keyAscii to 0 for a key the box does not take.
    void keyPress(int &keyAscii);
    // Change of Text1.
    void change();
    // GotFocus of Text1: select the whole text so typing replaces it.
    void gotFocus();

    // Fills Text1 and Text2 for the fluid standing at flask row y.
    void setVolumeFromLevel(float y);

private:
    void updateReportButtons();

    FormState &m_state;
    FormProcedures &m_procedures;
    VolumeEntryWidgets m_widgets;

    Q_DISABLE_COPY_MOVE(VolumeEntry)
};

#endif
