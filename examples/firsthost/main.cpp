// firsthost: the smallest program with a Lumivane control, the one the API
// documentation's main page walks through. It shows a dark blue ellipse on a
// grey that is see-through, which the user can drag around the window.
#include <Lumivane/Lumivane>

#include <QApplication>
#include <QPainter>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(320, 200);

    // A new control: the host initialises it (or reads its saved settings).
    auto *logo = new Lumivane(&window);
    logo->initProperties();
    logo->setGeometry(40, 40, 200, 120);

    // The picture: an ellipse on grey 190, the colour to see through.
    QImage picture(200, 120, QImage::Format_RGB32);
    picture.fill(QColor(190, 190, 190));
    QPainter painter(&picture);
    painter.setBrush(Qt::darkBlue);
    painter.drawEllipse(10, 10, 180, 100);
    painter.end();
    logo->setPicture(QPixmap::fromImage(picture));

    // As a form sets it: the grey becomes see-through (OLE colour 0x00BBGGRR).
    logo->setProperty("TransparentColor", 0x00BEBEBEu);
    logo->setMoveable(true);
    logo->setMoveStyle(Lumivane::LVNMoveStyle::Both);
    QObject::connect(logo, &Lumivane::DblClick, &app, &QApplication::quit);

    window.show();
    if (app.arguments().contains(QStringLiteral("--quit"))) // for a test run
        QTimer::singleShot(0, &app, &QApplication::quit);
    return QApplication::exec();
}
