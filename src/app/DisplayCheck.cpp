#include "app/DisplayCheck.h"

#include <QStringList>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

QString messageFor(const QString &reason)
{
    return u"Vantaro needs a graphical desktop (X11): no display found (%1)"_s.arg(reason);
}

QtMessageHandler previousHandler = nullptr;
// What the platform said while it started, e.g. "could not connect to display :5": held back, and told
// only when the platform started after all.
QStringList platformComplaints;
// The one about the display, for the message.
QString platformComplaint;

void platformFailureHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const bool fromPlatform = context.category && std::strncmp(context.category, "qt.qpa", 6) == 0;
    if (type != QtFatalMsg && type != QtDebugMsg && fromPlatform) {
        platformComplaints.append(u"%1: %2"_s.arg(QLatin1String(context.category), message));
        if (message.contains(u"display"_s))
            platformComplaint = message.trimmed();
        return;
    }
    if (type == QtFatalMsg && message.contains(u"platform plugin"_s)) {
        const QString reason = platformComplaint.isEmpty() ? u"the display could not be reached"_s : platformComplaint;
        std::fprintf(stderr, "%s\n", qPrintable(messageFor(reason)));
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

namespace DisplayCheck {

std::optional<QString> missingDisplay(const QString &platform, const QString &display, const QString &waylandDisplay,
                                      const QString &sessionType)
{
    // "xcb", "xcb:option" or a list such as "xcb;wayland": the first one is tried first.
    const QString first = platform.section(u';', 0, 0).section(u':', 0, 0).trimmed();
    if (!first.isEmpty() && first != u"xcb"_s)
        return std::nullopt;
    // Without a request, Qt picks Wayland in a Wayland session.
    if (first.isEmpty() && (!waylandDisplay.isEmpty() || sessionType == u"wayland"_s))
        return std::nullopt;
    if (!display.isEmpty())
        return std::nullopt;
    return messageFor(u"DISPLAY is not set"_s);
}

std::optional<QString> missingDisplay(int argc, char **argv)
{
    QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            platform = QString::fromLocal8Bit(argv[i + 1]);
    }
    return missingDisplay(platform, qEnvironmentVariable("DISPLAY"), qEnvironmentVariable("WAYLAND_DISPLAY"),
                          qEnvironmentVariable("XDG_SESSION_TYPE"));
}

void explainPlatformFailure()
{
    previousHandler = qInstallMessageHandler(platformFailureHandler);
}

void platformStarted()
{
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;
    // The complaints of a platform that started after all were warnings only; say them as Qt would have.
    for (const QString &complaint : std::as_const(platformComplaints))
        std::fprintf(stderr, "%s\n", qPrintable(complaint));
    platformComplaints.clear();
    platformComplaint.clear();
}

} // namespace DisplayCheck
