// A CMake host: makes the Lumivane control by name, hands it settings kept in
// a property bag file and reads them back, through Formkit's headers.

#include <Formkit/componentruntime.h>
#include <Formkit/filepropertybag.h>
#include <Formkit/textbox.h>

#include <QApplication>
#include <QDir>
#include <QWidget>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    Formkit::TextBox box(&window);
    const Formkit::componentruntime::Creation made
        = Formkit::componentruntime::createControl(QStringLiteral("LumivaneBox.Lumivane"), &window);
    if (!made.control) {
        std::fprintf(stderr, "cmakehost: %s\n", qPrintable(made.error));
        return 1;
    }
    window.show();

    const QString file = QDir::temp().filePath(QStringLiteral("cmakehost.bag"));
    Formkit::FilePropertyBag written;
    written.writeProperty(QStringLiteral("TransparentColor"), 0x00BEBEBE, 0);
    if (!written.save(file).isEmpty())
        return 1;
    Formkit::FilePropertyBag read;
    if (!read.load(file).isEmpty())
        return 1;
    QMetaObject::invokeMethod(made.control, "readProperties", Q_ARG(QObject *, &read));
    std::printf("cmakehost: TransparentColor=%u class=%s\n",
        made.control->property("TransparentColor").toUInt(), made.control->metaObject()->className());
    return 0;
}
