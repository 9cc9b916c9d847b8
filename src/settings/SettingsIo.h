#pragma once

#include "settings/Settings.h"
#include "settings/SettingsLoadReport.h"

#include <optional>

class SettingsStore;

// Moving the settings record to and from the store. Only start-up loads it and only the options dialog's
// OK saves it.

// Fills the record from the store with the default of each absent key, and of each key whose text does
// not convert; the report lists those keys (with what was stored and what is used instead), the lines
// the store skipped, or why the file could not be read at all (every field then has its default). The
// record is always filled: settings never keep the program from starting. When the file had problems,
// the store is told to keep the file beside itself before the next save replaces it.
SettingsLoadReport LoadSettings(const SettingsStore &store, Settings &settings);

// Writes every field and "IsKeyCode" and commits them at once. Nothing on success; otherwise the sentence
// to show, and the previously saved settings stay as they were.
std::optional<QString> SaveSettings(SettingsStore &store, const Settings &settings);
