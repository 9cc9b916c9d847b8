#pragma once

#include <QString>

// Why LoadSettings stopped: either the settings file itself could not be read (section and key are then
// empty), or the text stored for one key does not convert to its field. message() is the sentence that
// start-up shows before it gives up.
struct SettingsLoadError
{
    QString fileName;
    QString section;
    QString key;
    QString storedText;
    // What was wrong: the read failure, or what the key needs ("a number from 0 to 9").
    QString problem;

    QString message() const;
};
