#pragma once

#include <QStringList>

#include <optional>

class QTextStream;

// What the command line asks for before any window opens: --help and --version print and end the
// program; anything else the program does not know is an error with a short usage text. Qt's own
// window-system options (-platform, -display, ...) pass through to the application.
class CommandLine
{
public:
    // The exit status when the program is to end at once, nothing when it is to start.
    static std::optional<int> handle(const QStringList &arguments, QTextStream &out, QTextStream &error);

    static constexpr int UsageError = 2;
};
