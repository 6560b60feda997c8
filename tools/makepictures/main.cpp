// makepictures <resources folder> <script font file>
// Draws the flask (flask.gif), the logo (logo.gif) and the window icon
// (flask.ico) that the program embeds, and the application icon in each size
// desktops ask for (icons/<size>.png).

#include "appicon.h"
#include "flaskpicture.h"
#include "gifwriter.h"
#include "iconpicture.h"
#include "icowriter.h"
#include "indexedimage.h"
#include "logopicture.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "usage: makepictures <resources folder> <script font file>\n";
        return 2;
    }
    const QDir out(args.at(1));

    const std::optional<QImage> flask = toIndexed(makeFlaskPicture(), {}, 256);
    if (!flask) {
        err << "the flask picture has more than 256 colours\n";
        return 1;
    }
    const QImage logoDrawing = makeLogoPicture(args.at(2));
    if (logoDrawing.isNull()) {
        err << "cannot load the logo font " << args.at(2) << "\n";
        return 1;
    }
    const std::optional<QImage> logo = toIndexed(logoDrawing, { logoBackground }, 256);
    if (!logo) {
        err << "the logo has more than 256 colours\n";
        return 1;
    }

    QStringList failures = {
        writeGif(*flask, out.filePath(QStringLiteral("flask.gif"))),
        writeGif(*logo, out.filePath(QStringLiteral("logo.gif"))),
        writeIcon16(makeIconPicture(), iconTransparentEntry, out.filePath(QStringLiteral("flask.ico"))),
    };
    if (!out.mkpath(QStringLiteral("icons")))
        failures.append(
            QStringLiteral("cannot make the folder %1").arg(out.filePath(QStringLiteral("icons"))));
    for (const int size : appIconSizes) {
        const QString file = out.filePath(QStringLiteral("icons/%1.png").arg(size));
        if (!makeAppIcon(size).save(file, "PNG"))
            failures.append(QStringLiteral("cannot write %1").arg(file));
    }
    int status = 0;
    for (const QString &failure : failures) {
        if (!failure.isEmpty()) {
            err << failure << "\n";
            status = 1;
        }
    }
    return status;
}
