#include "settings/SettingsLoadError.h"

using namespace Qt::StringLiterals;

QString SettingsLoadError::message() const
{
    if (key.isEmpty())
        return u"The settings file \"%1\" could not be read: %2. Correct the file, or delete it to start "
               "with the default settings."_s.arg(fileName, problem);
    return u"The settings file \"%1\" holds the text \"%2\" for %3 in section [%4], but %3 needs %5. "
           "Correct that line or delete it to use the default value, or delete the file to start with "
           "all default settings."_s.arg(fileName, storedText, key, section, problem);
}
