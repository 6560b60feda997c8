// lumiview: shows a picture with the colour of its top-left pixel see-through,
// and lets the user move it by dragging. The control's settings (move style,
// see-through colour, fonts, scale...) are kept in a property bag file between
// runs.
//
//   lumiview [--move-style contents|wireframe|both] [--settings FILE] [--quit] PICTURE

#include <Formkit/filepropertybag.h>
#include <Lumivane/Lumivane>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QMetaEnum>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>

using Formkit::FilePropertyBag;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lumiview"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows a picture with its top-left colour see-through; drag it to move it."));
    parser.addHelpOption();
    const QCommandLineOption moveStyleOption(QStringLiteral("move-style"),
        QStringLiteral(
            "How the picture follows a drag: contents, wireframe or both (kept for the next run)."),
        QStringLiteral("style"));
    const QCommandLineOption settingsOption(QStringLiteral("settings"),
        QStringLiteral("The file that keeps the control's settings."), QStringLiteral("file"),
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
            + QStringLiteral("/lumiview.bag"));
    const QCommandLineOption quitOption(QStringLiteral("quit"),
        QStringLiteral("Show the picture, print the move style and see-through colour, save and quit."));
    parser.addOptions({ moveStyleOption, settingsOption, quitOption });
    parser.addPositionalArgument(QStringLiteral("picture"), QStringLiteral("The picture to show."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(1);

    const QImage image(parser.positionalArguments().constFirst());
    if (image.isNull()) {
        std::fprintf(
            stderr, "lumiview: cannot read %s\n", qPrintable(parser.positionalArguments().constFirst()));
        return 1;
    }

    //! [settings]
    // The settings of the last run, if any. The host writes what it decides into
    // the same bag: the control takes its see-through colour only when it reads
    // its properties, so the colour goes in before the read.
    FilePropertyBag settings;
    const QString settingsFile = parser.value(settingsOption);
    if (QFileInfo::exists(settingsFile)) {
        const QString problem = settings.load(settingsFile);
        if (!problem.isEmpty())
            std::fprintf(stderr, "lumiview: %s (starting afresh)\n", qPrintable(problem));
    }
    const QRgb corner = image.pixel(0, 0);
    const qint32 oleColour = qRed(corner) | qGreen(corner) << 8 | qBlue(corner) << 16; // 0x00BBGGRR
    settings.writeProperty(QStringLiteral("TransparentColor"), oleColour, QVariant());
    settings.writeProperty(QStringLiteral("Moveable"), true, false);
    const QMetaEnum styles = QMetaEnum::fromType<Lumivane::LVNMoveStyle>();
    if (parser.isSet(moveStyleOption)) {
        const QString name = parser.value(moveStyleOption).toLower();
        int style = -1;
        for (int i = 0; i < styles.keyCount(); ++i) {
            if (QString::fromLatin1(styles.key(i)).toLower() == name)
                style = styles.value(i);
        }
        if (style < 0) {
            std::fprintf(stderr, "lumiview: no move style %s\n", qPrintable(name));
            return 1;
        }
        settings.writeProperty(QStringLiteral("MoveStyle"), style, 0);
    }

    QWidget window;
    window.setWindowTitle(QFileInfo(parser.positionalArguments().constFirst()).fileName());
    window.resize(image.size() * 2);
    auto *control = new Lumivane(&window);
    // The control's place and size are the host's to keep: restored before the
    // read, so that the stored scale lies over the size it was saved with.
    const auto hostValue = [&](const char *name, int byDefault) {
        return settings.readProperty(QString::fromLatin1(name), byDefault).toInt();
    };
    control->setGeometry(hostValue("HostLeft", image.width() / 2), hostValue("HostTop", image.height() / 2),
        hostValue("HostWidth", image.width()), hostValue("HostHeight", image.height()));
    if (!control->readProperties(&settings)) {
        std::fprintf(stderr, "lumiview: %s\n", qPrintable(control->lastError().description));
        return 1;
    }
    control->setPicture(QPixmap::fromImage(image));

    // Whatever the user changed is kept when the window closes, the place the
    // user dragged the picture to among it.
    QObject::connect(&app, &QApplication::aboutToQuit, [&] {
        settings.writeProperty(QStringLiteral("HostLeft"), control->x(), QVariant());
        settings.writeProperty(QStringLiteral("HostTop"), control->y(), QVariant());
        settings.writeProperty(QStringLiteral("HostWidth"), control->width(), QVariant());
        settings.writeProperty(QStringLiteral("HostHeight"), control->height(), QVariant());
        control->writeProperties(&settings);
        QDir().mkpath(QFileInfo(settingsFile).absolutePath());
        const QString problem = settings.save(settingsFile);
        if (!problem.isEmpty())
            std::fprintf(stderr, "lumiview: %s\n", qPrintable(problem));
    });
    //! [settings]

    window.show();
    if (parser.isSet(quitOption)) {
        QTimer::singleShot(0, &app, [&] {
            // The mask colour as OLE colour 0x00BBGGRR: the see-through one.
            std::printf("move style %s, see-through colour %06X\n",
                styles.valueToKey(int(control->moveStyle())), unsigned(control->maskColor()));
            QApplication::quit();
        });
    }
    return QApplication::exec();
}
