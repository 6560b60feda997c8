#ifndef BRIMLOW_TESTS_FLASKFIXTURE_H
#define BRIMLOW_TESTS_FLASKFIXTURE_H

// The flask's widgets as the window lays them out (PicFlask, the hidden buffer,
// the fluid options in one frame, "Save" and "Make File"), with the real flask
// picture, and window procedures that record what the flask code asks of the
// rest of the window. update_framestatic and showFlask go to the real FlaskView,
// as the window hands them on; the scale is a magenta line on row 2 of its
// target, to see where it went; the filling of the volume box is recorded with
// the state it meets ("setVolumeFromLevel(150) live=0 dragging=0").

#include "Formkit/commandbutton.h"
#include "Formkit/optionbutton.h"
#include "Formkit/picturebox.h"
#include "flask/flaskview.h"
#include "flask/flaskwidgets.h"
#include "formstate/formstate.h"
#include "resources/resourcepicture.h"
#include "testsupport/fakeprocedures.h"

#include <QStringList>
#include <QWidget>

#include <memory>

struct FlaskFixture
{
    FormState state;
    FakeProcedures procedures;
    QWidget window;
    QWidget *frame3 = nullptr;
    FlaskWidgets widgets;
    std::unique_ptr<FlaskView> view;

    FlaskFixture()
    {
        window.resize(420, 300);
        const QPixmap flask
            = QPixmap::fromImage(loadResourcePicture(flaskResourceId, QStringLiteral("Custom")));
        widgets.picFlask = new Formkit::PictureBox(&window);
        widgets.picflaskbuffer = new Formkit::PictureBox(&window);
        for (Formkit::PictureBox *box : { widgets.picFlask, widgets.picflaskbuffer }) {
            box->setGeometry(0, 0, 97, 241);
            box->setBackColor(QColor(128, 255, 255));
            box->setPicture(flask);
        }
        widgets.picFlask->move(310, 6);
        widgets.picflaskbuffer->hide();

        frame3 = new QWidget(&window);
        frame3->setGeometry(160, 205, 145, 57);
        widgets.optionwhite = new Formkit::OptionButton(QStringLiteral("Yellow"), frame3);
        widgets.optionblue = new Formkit::OptionButton(QStringLiteral("Aqua"), frame3);
        widgets.optionLevel = new Formkit::OptionButton(QStringLiteral("Level Marker Only"), frame3);
        widgets.optionred = new Formkit::OptionButton(QStringLiteral("Red"), frame3);
        widgets.optionsparkle = new Formkit::OptionButton(QStringLiteral("Sparkle"), frame3);
        widgets.optionwhite->setGeometry(8, 16, 52, 17);
        widgets.optionblue->setGeometry(64, 16, 49, 17);
        widgets.optionLevel->setGeometry(8, 33, 121, 17);
        widgets.optionred->setGeometry(64, 32, 49, 17);
        widgets.optionsparkle->setGeometry(85, 32, 57, 17);
        widgets.optionred->hide();
        widgets.optionsparkle->hide();

        widgets.saveCmnd = new Formkit::CommandButton(QStringLiteral("Save"), &window);
        widgets.makeFileCmnd = new Formkit::CommandButton(QStringLiteral("Make File"), &window);
        widgets.saveCmnd->setGeometry(167, 170, 63, 25);
        widgets.makeFileCmnd->setGeometry(236, 170, 63, 25);
        widgets.saveCmnd->setEnabled(false);
        widgets.makeFileCmnd->setEnabled(false);

        view = std::make_unique<FlaskView>(state, procedures, widgets);
        procedures.onUpdateFramestatic
            = [this](int topRow, int sparkleSpan) { view->update_framestatic(topRow, sparkleSpan); };
        procedures.onShowFlask = [this] { view->showFlask(); };
        procedures.onDrawGraduations = [](Formkit::PictureBox *target, ScaleVariant) {
            target->line(6, 2, 86, 2, QColor(255, 0, 255));
        };
        procedures.onSetVolumeFromLevel = [this](float) {
            procedures.calls.last()
                += QStringLiteral(" live=%1 dragging=%2").arg(state.volumeEditLive).arg(state.draggingFlask);
        };
    }

    // Selects a fluid option the way the window's load does: the Click it
    // raises only clears skipColourClick.
    void selectQuietly(Formkit::OptionButton *option)
    {
        state.skipColourClick = true;
        option->setValue(true);
        procedures.calls.clear();
    }

    QImage plainFlaskBox() const
    {
        Formkit::PictureBox plain;
        plain.resize(widgets.picflaskbuffer->size());
        plain.setBackColor(QColor(128, 255, 255));
        plain.setPicture(widgets.picflaskbuffer->picture());
        return plain.image();
    }
};

#endif
