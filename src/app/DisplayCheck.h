#pragma once

#include <QString>

#include <optional>

// Without a display, Qt's X11 platform aborts with advice to reinstall the program, which is wrong: what
// is missing is a graphical desktop. This tells the operator so, on standard error, with exit status 1.
namespace DisplayCheck {

// The message when the program would run on the X11 platform and no display is set; nothing otherwise.
// platform is the requested platform (the -platform argument or QT_QPA_PLATFORM, empty when neither is
// given: X11 on this system); a Wayland session is left to Qt.
std::optional<QString> missingDisplay(const QString &platform, const QString &display, const QString &waylandDisplay,
                                      const QString &sessionType);
// The same, from the program's arguments and environment.
std::optional<QString> missingDisplay(int argc, char **argv);

// Until the application object is made: a platform that still fails to start (a display that is set but
// cannot be reached) ends the program with the same message instead of Qt's.
void explainPlatformFailure();
// Gives Qt's message handling back once the application object is made.
void platformStarted();

} // namespace DisplayCheck
