#include "app/AfterFirstPaint.h"
#include "app/CommandLine.h"
#include "app/DisplayCheck.h"
#include "app/FirstPaintProbe.h"
#include "app/Program.h"
#include "app/QuitOnSignal.h"
#include "app/SingleInstance.h"
#include "app/Translations.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Read before the application exists, so that --help and --version work without a display. A plain
    // start has nothing to read, and does not pay for the parser.
    if (argc > 1) {
        QStringList arguments;
        for (int i = 0; i < argc; ++i)
            arguments.append(QString::fromLocal8Bit(argv[i]));
        QTextStream out(stdout);
        QTextStream error(stderr);
        if (const auto exitStatus = CommandLine::handle(arguments, out, error))
            return *exitStatus;
    }
    // Without a display, say what is missing rather than let Qt advise a reinstall.
    if (const auto missing = DisplayCheck::missingDisplay(argc, argv)) {
        std::fprintf(stderr, "%s\n", qPrintable(*missing));
        return 1;
    }
    DisplayCheck::explainPlatformFailure();
    QApplication app(argc, argv);
    DisplayCheck::platformStarted();
    FirstPaintProbe::installIfRequested();
    const QString programFolder = QCoreApplication::applicationDirPath();
    // Before the first window: every text is looked up when it is built.
    Translations::install(app, programFolder, QLocale::system());
    Program::describeApplication();

    // One board per user: a second start brings the first one's window forward and ends.
    SingleInstance instance;
    if (!instance.claim())
        return 0;

    QuitOnSignal::install();

    SettingsStore store;
    // Declared after the application, so that its windows, the board's sound player among them, go first.
    Program program(store, Settings::instance(), programFolder);
    // Settings never keep the board from starting: what the load could not use is told in a warning.
    program.start();
    // Later starts wait for this a while; the splash shows first.
    AfterFirstPaint::run(program.splash(), [&instance] { instance.listen(); });
    return app.exec();
}
