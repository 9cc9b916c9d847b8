#include "app/CommandLine.h"
#include "app/FirstPaintProbe.h"
#include "app/Program.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    {
        // Read before the application exists, so that --help and --version work without a display.
        QStringList arguments;
        for (int i = 0; i < argc; ++i)
            arguments.append(QString::fromLocal8Bit(argv[i]));
        QTextStream out(stdout);
        QTextStream error(stderr);
        if (const auto exitStatus = CommandLine::handle(arguments, out, error))
            return *exitStatus;
    }
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
