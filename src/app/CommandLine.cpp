#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

constexpr auto ShortUsage = "Usage: vantaro [--help] [--version]\n";

constexpr auto HelpText = R"(Usage: vantaro [OPTION]
Vantaro is a volleyball scoreboard: the board fills the screen the players and spectators see,
and one operator drives it from the keyboard.

Options:
  -h, --help     show this help and exit
  -v, --version  show the version and exit

On the board: F1 shows the help, F2 the options, Ctrl+Z undoes the last change to the match and
Ctrl+Y (or Ctrl+Shift+Z) redoes it.

Settings are kept in ~/.config/Vantaro/Vantaro.ini, the journal of the running match in
~/.local/state/Vantaro/match.journal (after a crash, Vantaro offers to resume the match).
)";

// Options the window system understands, which QApplication takes from the command line itself.
void acceptWindowSystemOptions(QCommandLineParser &parser)
{
    for (const auto *valued : {"platform", "platformpluginpath", "platformtheme", "plugin", "display", "style",
                               "stylesheet", "qwindowgeometry", "qwindowtitle", "qwindowicon", "session"})
        parser.addOption(QCommandLineOption(QString::fromLatin1(valued), {}, u"value"_s));
    for (const auto *flag : {"reverse", "widgetcount", "nograb", "dograb", "sync"})
        parser.addOption(QCommandLineOption(QString::fromLatin1(flag)));
}

} // namespace

std::optional<int> CommandLine::handle(const QStringList &arguments, QTextStream &out, QTextStream &error)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList {u"h"_s, u"help"_s});
    const QCommandLineOption version(QStringList {u"v"_s, u"version"_s});
    parser.addOption(help);
    parser.addOption(version);
    acceptWindowSystemOptions(parser);
    if (!parser.parse(arguments)) {
        error << "vantaro: " << parser.errorText() << '\n' << ShortUsage;
        return UsageError;
    }
    if (!parser.positionalArguments().isEmpty()) {
        error << "vantaro: unexpected argument '" << parser.positionalArguments().constFirst() << "'\n" << ShortUsage;
        return UsageError;
    }
    if (parser.isSet(help)) {
        out << HelpText;
        return 0;
    }
    if (parser.isSet(version)) {
        out << "vantaro " << VANTARO_VERSION_MAJOR << '.' << VANTARO_VERSION_MINOR << '.' << VANTARO_VERSION_PATCH
            << '\n';
        return 0;
    }
    return std::nullopt;
}
