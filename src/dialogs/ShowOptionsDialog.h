#pragma once

#include <QString>

class NumLockState;
class QWidget;
class SettingsStore;
struct Settings;

// The one place where the splash's Options button and the board's F2 open the options dialog: modal
// over owner, returning when it has closed. What the operator confirms goes into settings and is saved
// to store; a forced NumLock policy is applied to keyboard at once. boardScreen names the screen the board
// is on now, empty before it opens. While one options dialog is open (or still opening) no second one
// opens, since its OK would save over the first one's: the call then returns false at once.
bool showOptionsDialog(QWidget *owner, Settings &settings, SettingsStore &store, NumLockState &keyboard,
                       const QString &boardScreen = {});
