#pragma once

#include <QObject>

class CheckBox;
class ComboBox;
class Frame;
struct Settings;
class SpinBox;
class QWidget;

// The "Rules" tab of the options dialog: the rules mode, the numbers of the custom rules and the
// assistance options, all working copies until the dialog's OK. While Indoor or Beach is chosen the
// numbers show that mode's rules, greyed, and the operator's own numbers come back with Custom; with Off
// the assistance options are greyed too. The timeout keys on the tab are command keys, which the dialog
// handles with the others.
class RulesPage : public QObject
{
    Q_OBJECT

public:
    // Finds the tab's elements among the dialog's.
    explicit RulesPage(QWidget *dialog);

    void load(const Settings &settings);
    void save(Settings &settings) const;

private:
    struct Numbers
    {
        int setsToWin;
        int setPoints;
        int decidingSetPoints;
        bool winByTwo;
    };

    void showMode(int index);
    bool customShown() const;
    Numbers shownNumbers() const;
    void showNumbers(const Numbers &numbers);

    ComboBox *m_mode;
    Frame *m_custom;
    SpinBox *m_setsToWin;
    SpinBox *m_setPoints;
    SpinBox *m_decidingSetPoints;
    CheckBox *m_winByTwo;
    Frame *m_assistance;
    CheckBox *m_serveFollowsPoint;
    CheckBox *m_boardMarker;
    CheckBox *m_timeoutBuzzer;
    CheckBox *m_timeoutOnBoard;
    // The operator's own numbers, kept while another mode shows its numbers.
    Numbers m_customNumbers {};
    bool m_customWasShown = false;
};
