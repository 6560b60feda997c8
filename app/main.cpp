// Brimlow: a converter for volumes of liquid.

#include "app/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    return runBrimlow(application);
}
