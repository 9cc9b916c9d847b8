#include "BoardDesign.h"
#include "Settings.h"
#include "SettingsIo.h"
#include "SettingsStore.h"
#include "frmScoreboard.h"

#include <QApplication>
#include <QMessageBox>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(u"Vantaro"_s);
    QApplication::setApplicationName(u"Vantaro"_s);
    QApplication::setApplicationVersion(
        u"%1.%2.%3"_s.arg(VANTARO_VERSION_MAJOR).arg(VANTARO_VERSION_MINOR).arg(VANTARO_VERSION_PATCH));

    const SettingsStore store;
    if (const auto error = LoadSettings(store, Settings::instance())) {
        // A stored value that does not convert stops the start; nothing is overwritten.
        QMessageBox::critical(nullptr, u"Vantaro"_s, error->message());
        return 1;
    }

    // Declared after the application, so that the board and its sound player go first.
    frmScoreboard board(BoardDesign::window(), Settings::instance());
    QObject::connect(&board, &frmScoreboard::unloaded, &app, &QApplication::quit);
    board.showBoard();
    return app.exec();
}
