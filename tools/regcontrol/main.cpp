// regcontrol: registers a control module (runs its DllRegisterServer) or, with
// --unregister, removes it again.
//
//   regcontrol [--unregister] [--registry FILE] LIBRARY
//
// Without --registry the module writes the user's own registry,
// Formkit::ControlRegistry::userPath().

#include "Formkit/componentruntime.h"
#include "Formkit/controlregistry.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);

    bool unregister = false;
    QString library;
    QString registry = Formkit::ControlRegistry::userPath();
    while (!arguments.isEmpty()) {
        const QString argument = arguments.takeFirst();
        if (argument == QLatin1String("--unregister") || argument == QLatin1String("/u")) {
            unregister = true;
        } else if (argument == QLatin1String("--registry") && !arguments.isEmpty()) {
            registry = QFileInfo(arguments.takeFirst()).absoluteFilePath();
        } else if (library.isEmpty() && !argument.startsWith(QLatin1Char('-'))) {
            library = argument;
        } else {
            library.clear();
            break;
        }
    }
    if (library.isEmpty()) {
        std::fputs("usage: regcontrol [--unregister] [--registry FILE] LIBRARY\n", stderr);
        return 2;
    }

    const QString path = QFileInfo(library).absoluteFilePath();
    const QString failure = unregister ? Formkit::componentruntime::unregisterServer(path, registry)
                                       : Formkit::componentruntime::registerServer(path, registry);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "regcontrol: %s\n", qPrintable(failure));
        return 1;
    }
    std::fprintf(stdout, "regcontrol: %s %s in %s\n", unregister ? "unregistered" : "registered",
        qPrintable(path), qPrintable(registry));
    return 0;
}
