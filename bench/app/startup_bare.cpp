// Child program of the start-up benchmark: the floor to compare Brimlow with. A
// bare Qt Widgets window of Brimlow's size and shape (a list of 69 entries, a
// line edit and a button) and nothing else, timed with the same first-frame
// watch as Brimlow.

#include "startupprobe.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.setFixedSize(415, 327);
    auto *list = new QListWidget(&window);
    list->setGeometry(8, 8, 145, 121);
    for (int i = 1; i <= 69; ++i)
        list->addItem(QStringLiteral("Unit %1").arg(i));
    list->setCurrentRow(0);
    auto *edit = new QLineEdit(QStringLiteral("1"), &window);
    edit->setGeometry(8, 290, 145, 20);
    auto *button = new QPushButton(QStringLiteral("Save"), &window);
    button->setGeometry(170, 180, 63, 25);

    FirstFrameProbe probe;
    probe.watch(&window, [] { return true; });
    probe.watch(list, [list] { return list->count() == 69; });
    probe.watch(edit, [] { return true; });
    probe.watch(button, [] { return true; });
    probe.onPainted([] {
        startupprobe::report("painted");
        startupprobe::reportProcessorTime();
        startupprobe::finishWhenAsked();
    });
    window.show();
    return application.exec();
}
