#include "dialogs/RulesPage.h"

#include "board/RulesChoice.h"
#include "settings/Settings.h"
#include "widgets/CheckBox.h"
#include "widgets/ComboBox.h"
#include "widgets/Frame.h"
#include "widgets/SpinBox.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

template<typename Element> Element *rulesElement(QWidget *dialog, const char *name)
{
    auto *found = dialog->findChild<Element *>(QLatin1String(name));
    Q_ASSERT_X(found, "RulesPage", name);
    return found;
}

const QString CustomMode = u"Custom"_s;

} // namespace

RulesPage::RulesPage(QWidget *dialog)
    : QObject(dialog)
    , m_mode(rulesElement<ComboBox>(dialog, "cmbRulesMode"))
    , m_custom(rulesElement<Frame>(dialog, "fraCustomRules"))
    , m_setsToWin(rulesElement<SpinBox>(dialog, "spnSetsToWin"))
    , m_setPoints(rulesElement<SpinBox>(dialog, "spnSetPoints"))
    , m_decidingSetPoints(rulesElement<SpinBox>(dialog, "spnDecidingSetPoints"))
    , m_winByTwo(rulesElement<CheckBox>(dialog, "chkWinByTwo"))
    , m_assistance(rulesElement<Frame>(dialog, "fraAssistance"))
    , m_serveFollowsPoint(rulesElement<CheckBox>(dialog, "chkServeFollowsPoint"))
    , m_boardMarker(rulesElement<CheckBox>(dialog, "chkBoardMarker"))
    , m_timeoutBuzzer(rulesElement<CheckBox>(dialog, "chkTimeoutBuzzer"))
    , m_timeoutOnBoard(rulesElement<CheckBox>(dialog, "chkTimeoutOnBoard"))
{
    connect(m_mode, &QComboBox::currentIndexChanged, this, &RulesPage::showMode);
}

void RulesPage::load(const Settings &settings)
{
    m_customNumbers = {settings.SetsToWin, settings.SetPoints, settings.DecidingSetPoints, settings.WinByTwo};
    m_serveFollowsPoint->setChecked(settings.ServeFollowsPoint);
    m_boardMarker->setChecked(settings.BoardMarker);
    m_timeoutBuzzer->setChecked(settings.TimeoutBuzzer);
    m_timeoutOnBoard->setChecked(settings.TimeoutOnBoard);
    m_customWasShown = false;
    const int index = m_mode->findData(settings.Mode);
    m_mode->setCurrentIndex(std::max(index, 0));
    // Shown also when the index did not change.
    showMode(m_mode->currentIndex());
}

void RulesPage::save(Settings &settings) const
{
    const Numbers numbers = customShown() ? shownNumbers() : m_customNumbers;
    settings.Mode = m_mode->currentData().toString();
    settings.SetsToWin = qint16(numbers.setsToWin);
    settings.SetPoints = qint16(numbers.setPoints);
    settings.DecidingSetPoints = qint16(numbers.decidingSetPoints);
    settings.WinByTwo = numbers.winByTwo;
    settings.ServeFollowsPoint = m_serveFollowsPoint->isChecked();
    settings.BoardMarker = m_boardMarker->isChecked();
    settings.TimeoutBuzzer = m_timeoutBuzzer->isChecked();
    settings.TimeoutOnBoard = m_timeoutOnBoard->isChecked();
}

bool RulesPage::customShown() const
{
    return m_mode->currentData().toString() == CustomMode;
}

void RulesPage::showMode(int)
{
    if (m_customWasShown)
        m_customNumbers = shownNumbers();
    m_customWasShown = customShown();
    Settings chosen;
    chosen.Mode = m_mode->currentData().toString();
    const RuleSet preset = RulesChoice::ruleSet(chosen);
    if (preset.isOn() && !customShown())
        showNumbers({preset.setsToWin, preset.setPoints, preset.decidingSetPoints, preset.winByTwo});
    else
        showNumbers(m_customNumbers);
    m_custom->setEnabled(customShown());
    m_assistance->setEnabled(m_mode->currentIndex() > 0);
}

RulesPage::Numbers RulesPage::shownNumbers() const
{
    return {m_setsToWin->value(), m_setPoints->value(), m_decidingSetPoints->value(), m_winByTwo->isChecked()};
}

void RulesPage::showNumbers(const Numbers &numbers)
{
    m_setsToWin->setValue(numbers.setsToWin);
    m_setPoints->setValue(numbers.setPoints);
    m_decidingSetPoints->setValue(numbers.decidingSetPoints);
    m_winByTwo->setChecked(numbers.winByTwo);
}
