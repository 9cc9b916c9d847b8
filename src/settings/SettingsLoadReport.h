#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// One thing LoadSettings could not use: either a stored value that does not convert to its field
// (section, key and stored text set; the field took its default, usedInstead), or a line of the file that
// the store could not read and skipped (line set, storedText the line's text).
struct SettingsProblem
{
    QString section;
    QString key;
    QString storedText;
    // What the key needs ("a number from -32768 to 32767"), or what is wrong with the line.
    QString problem;
    QString usedInstead;
    qint64 line = 0;
};

// What LoadSettings met in the settings file. Settings never keep the program from starting: a value
// that does not convert takes its default and a line that cannot be read is skipped; a file that cannot be
// read at all gives the defaults throughout and is never written over. message() is the one warning the
// program shows once a window is up.
struct SettingsLoadReport
{
    // The warning lists this many problems and counts the rest.
    static constexpr qsizetype ListedProblems = 12;

    QString fileName;
    // Why the file could not be read at all; empty when it was read or does not exist.
    QString fileProblem;
    QList<SettingsProblem> problems;
    // Problems beyond those in the list (a file of junk has one per line).
    qsizetype unlistedProblems = 0;
    // Where the file as it is now is kept when the options dialog's OK first replaces it; set when the
    // file had problems and can be written.
    QString backupFileName;

    bool hasProblems() const { return !fileProblem.isEmpty() || !problems.isEmpty(); }
    QString message() const;
};
