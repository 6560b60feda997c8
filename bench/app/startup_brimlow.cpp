// Child program of the start-up benchmark: Brimlow started exactly as its main()
// starts it, with the first-frame watch of startupprobe.h looking on.
//
// The first frame counts once the window, both unit lists (filled, an entry
// selected), the volume box ("1"), both unit boxes, the flask picture and the logo
// have been painted with that content.

#include "startupprobe.h"

#include "Formkit/listbox.h"
#include "Formkit/picturebox.h"
#include "Formkit/textbox.h"
#include "app/form1.h"
#include "app/startup.h"

#include <QApplication>

using Formkit::ListBox;
using Formkit::TextBox;

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    FirstFrameProbe probe;
    bool painted = false;
    bool ready = false;
    auto finishOnce = [&] {
        if (painted && ready)
            startupprobe::finishWhenAsked();
    };
    return runBrimlow(application, [&](Form1 &form) {
        probe.watch(&form, [] { return true; });
        for (ListBox *list : { form.List1, form.List2 })
            probe.watch(list, [list] { return list->listCount() > 0 && list->listIndex() >= 0; });
        probe.watch(form.Text1, [&form] { return form.Text1->text() == QLatin1String("1"); });
        for (TextBox *box : { form.Text3, form.Text4 })
            probe.watch(box, [box] { return !box->text().isEmpty(); });
        probe.watch(form.PicFlask, [&form] { return !form.PicFlask->picture().isNull(); });
        // The logo shows once the control has published its picture, whose
        // see-through colour makes the control's mask.
        if (QWidget *logo = form.Lumivane1)
            probe.watch(logo, [logo] { return !logo->mask().isEmpty(); });
        probe.onPainted([&] {
            startupprobe::report("painted");
            startupprobe::reportProcessorTime();
            painted = true;
            finishOnce();
        });
        QObject::connect(form.Text2, &TextBox::change, &form, [&] {
            if (ready || form.Text2->text().isEmpty())
                return;
            startupprobe::report("ready");
            ready = true;
            finishOnce();
        });
    });
}
