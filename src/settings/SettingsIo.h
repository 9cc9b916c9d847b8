#pragma once

#include "settings/Settings.h"
#include "settings/SettingsLoadError.h"

#include <optional>

class SettingsStore;

// Moving the settings record to and from the store. Only start-up loads it and only the options dialog's
// OK saves it.

// Fills the record from the store with the default of each absent key. Nothing on success; otherwise the
// first key (in reading order) whose text does not convert, or the file that could not be read, and the
// record is left untouched.
std::optional<SettingsLoadError> LoadSettings(const SettingsStore &store, Settings &settings);

// Writes every field and "IsKeyCode" and commits them at once. Nothing on success; otherwise the sentence
// to show, and the previously saved settings stay as they were.
std::optional<QString> SaveSettings(SettingsStore &store, const Settings &settings);
