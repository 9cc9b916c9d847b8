#pragma once

class QWidget;
struct SettingsLoadReport;

// The one warning start-up gives when loading the settings met problems (values replaced by their
// defaults, lines skipped, a file that could not be read at all): a message box of its own, not modal,
// so that the operator can read it and go on to the board. It appears once the event loop has put the
// first window up, and goes away when the operator closes it.
namespace SettingsWarning {

// The warning box's object name, by which tests and tools find it.
inline constexpr char ObjectName[] = "settingsWarning";

// Shows the warning for the report after window is shown; nothing when the report has no problems.
void showAfter(QWidget *window, const SettingsLoadReport &report);

} // namespace SettingsWarning
