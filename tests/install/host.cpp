// A program elsewhere that uses the installed package: it creates the Lumivane
// control by its programmatic name through the registry installed with the
// runtime, gives it a saved setting and reads properties back, by name and
// through the class's own header.

#include <Formkit/componentruntime.h>
#include <Formkit/memorypropertybag.h>
#include <Lumivane/Lumivane>

#include <QApplication>
#include <QWidget>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    const Formkit::componentruntime::Creation made
        = Formkit::componentruntime::createControl(QStringLiteral("LumivaneBox.Lumivane"), &window);
    if (!made.control) {
        std::fprintf(stderr, "host: %s\n", qPrintable(made.error));
        return 1;
    }
    Formkit::MemoryPropertyBag settings;
    settings.setValue(QStringLiteral("TransparentColor"), 0x00BEBEBE);
    QMetaObject::invokeMethod(made.control, "readProperties", Q_ARG(QObject *, &settings));
    auto *logo = qobject_cast<Lumivane *>(made.control);
    std::printf("TransparentColor=%u class=%s typed=%s\n",
        made.control->property("TransparentColor").toUInt(), made.control->metaObject()->className(),
        logo ? "yes" : "no");
    return 0;
}
