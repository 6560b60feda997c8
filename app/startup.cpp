#include "app/startup.h"

#include "Formkit/messagebox.h"
#include "app/form1.h"
#include "formstate/programfolder.h"
#include "formstate/programlayout.h"
#include "resources/fonts.h"
#include "units/shippedunitkey.h"
#include "units/unitdatabase.h"
#include "units/unitdatabasepath.h"

#include <QApplication>
#include <QStandardPaths>

using Formkit::MessageBox;

int runBrimlow(QApplication &application, const std::function<void(Form1 &)> &shown)
{
    return runBrimlowFrom(application, program::programFolder(),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), shown);
}

int runBrimlowFrom(QApplication &application, const QString &programFolder, const QString &documentsFolder,
    const std::function<void(Form1 &)> &shown)
{
    QApplication::setApplicationName(QStringLiteral("Brimlow"));
    // Desktops match the window to the desktop entry (and its icon) by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.brimlow.Brimlow"));
    const program::DataFileLocation unitFile = locateUnitDatabase(programFolder);
    if (!unitFile.layout) {
        MessageBox::show(nullptr, unitDatabaseNotFoundMessage(unitFile), QStringLiteral("Brimlow"),
            MessageBox::Icon::Critical);
        return 1;
    }
    // The shipped unit file opens with the key the build worked out for it. Any
    // other file's key takes longest to make: it is derived in the background
    // while the fonts and the window's widgets, which do not need the file, are
    // made, and the first use of the file waits for it.
    UnitDatabase database(unitFile.path);
    database.prepareKey(shippedUnitDatabaseKey());
    registerBrimlowFonts();
    Form1 form(database, *unitFile.layout,
        program::userFilesFolder(*unitFile.layout, programFolder, documentsFolder));

    // Without its unit database the program has nothing to convert: say which
    // file is wrong and stop before the window opens.
    if (const std::optional<QString> error = database.verify()) {
        MessageBox::show(nullptr, *error, QStringLiteral("Brimlow"), MessageBox::Icon::Critical);
        return 1;
    }

    form.load();
    form.show();
    if (shown)
        shown(form);
    return application.exec();
}
