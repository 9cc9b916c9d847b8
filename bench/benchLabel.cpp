// The yardstick of the start-up benchmark: the smallest Qt Widgets program, one window showing one
// label, reporting its first paint through the same probe as the program.
#include "app/FirstPaintProbe.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FirstPaintProbe::installIfRequested();
    QLabel label(QStringLiteral("Vantaro"));
    label.show();
    return app.exec();
}
