#include "dialogs/frmChooseKey.h"

#include "dialogs/DialogPrompts.h"
#include "platform/VirtualKey.h"
#include "settings/KeyCodeToStr.h"
#include "widgets/DesignBuilder.h"
#include "widgets/Label.h"

#include <QKeyEvent>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Kept by the board for the help viewer and the options dialog.
constexpr qint16 HelpKey = 112;
constexpr qint16 OptionsKey = 113;
// The longest requests do not fit their box at the design size; they are set smaller rather than cut off,
// but never below this.
constexpr double SmallestRequestSize = 8;

} // namespace

frmChooseKey::frmChooseKey(const WindowDesign &design, const QString &ChooseKeyAction, qint16 ChooseKeyCurrent,
                           const QList<qint16> &workingKeys, DialogPrompts &prompts, QWidget *parent)
    : DesignedDialog(design, parent)
    , m_current(ChooseKeyCurrent)
    , m_workingKeys(workingKeys)
    , m_prompts(prompts)
{
    setObjectName(u"frmChooseKey"_s);
    DesignBuilder builder;
    buildElements(design, builder);
    m_choose = element<Label>("lblChoose");
    m_used = element<Label>("lblUsed");
    Form_Load(ChooseKeyAction);
}

void frmChooseKey::Form_Load(const QString &ChooseKeyAction)
{
    m_choose->setCaption(tr("Press the key you would like to %1.").arg(ChooseKeyAction));
    while (!m_choose->captionFits() && m_choose->fontSize() > SmallestRequestSize)
        m_choose->setFontSize(std::max(SmallestRequestSize, m_choose->fontSize() - 1));
    m_used->hide();
    m_result = u"0"_s;
}

void frmChooseKey::keyPressEvent(QKeyEvent *event)
{
    // Shift, Ctrl and Alt do not matter; pressed alone they arrive as keys of their own.
    Form_KeyDown(VirtualKey::fromKeyEvent(*event));
    event->accept();
}

void frmChooseKey::Form_KeyDown(qint16 keyCode)
{
    if (keyCode == m_current) {
        take(keyCode);
        return;
    }
    if (refuses(keyCode)) {
        m_used->show();
        m_prompts.beep();
        return;
    }
    take(keyCode);
}

bool frmChooseKey::refuses(qint16 keyCode) const
{
    return KeyCodeToStr(keyCode).isEmpty() || m_workingKeys.contains(keyCode) || keyCode == HelpKey
        || keyCode == OptionsKey;
}

void frmChooseKey::take(qint16 keyCode)
{
    m_used->hide();
    m_result = QString::number(keyCode);
    accept();
}
