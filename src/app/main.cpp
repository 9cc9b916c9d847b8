#include "app/FirstPaintProbe.h"
#include "app/Program.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FirstPaintProbe::installIfRequested();
    const QString programFolder = QCoreApplication::applicationDirPath();
    Program::describeApplication(programFolder);

    SettingsStore store;
    // Declared after the application, so that its windows, the board's sound player among them, go first.
    Program program(store, Settings::instance(), programFolder);
    if (const auto error = program.start()) {
        // A stored value that does not convert stops the start; nothing is overwritten.
        Program::reportLoadError(*error);
        return 1;
    }
    return app.exec();
}
