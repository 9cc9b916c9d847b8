#include "dialogs/FeedOptions.h"

#include "dialogs/CommonDialog.h"
#include "dialogs/DialogPrompts.h"
#include "settings/FeedPin.h"
#include "settings/Settings.h"
#include "widgets/CommandButton.h"
#include "widgets/Label.h"
#include "widgets/OptionButton.h"
#include "widgets/TabControl.h"
#include "widgets/TabPage.h"
#include "widgets/TextBox.h"

#include <QDir>

using namespace Qt::StringLiterals;

FeedOptions::FeedOptions(QWidget *dialog, CommonDialog &pickers, DialogPrompts &prompts)
    : QObject(dialog)
    , m_dialog(dialog)
    , m_pickers(pickers)
    , m_prompts(prompts)
    , m_off(find<OptionButton>("optFeedOff"))
    , m_on(find<OptionButton>("optFeedOn"))
    , m_local(find<OptionButton>("optFeedLocal"))
    , m_lan(find<OptionButton>("optFeedLAN"))
    , m_port(find<TextBox>("txtFeedPort"))
    , m_pin(find<TextBox>("txtFeedPin"))
    , m_folder(find<Label>("lblFeedTextFolder"))
    , m_address(find<Label>("lblFeedAddress"))
{
    connect(m_port, &QLineEdit::textChanged, this, &FeedOptions::showAddress);
    connect(m_lan, &QAbstractButton::toggled, this, &FeedOptions::showAddress);
    connect(find<CommandButton>("cmdNewPin"), &QPushButton::clicked, this,
            [this] { m_pin->setText(FeedPin::random()); });
    connect(find<CommandButton>("cmdFeedFolder"), &QPushButton::clicked, this, &FeedOptions::chooseFolder);
    connect(find<CommandButton>("cmdClearFeedFolder"), &QPushButton::clicked, this, [this] {
        m_textFolder.clear();
        showFolder();
    });
}

template<typename Element> Element *FeedOptions::find(const char *name) const
{
    auto *found = m_dialog->findChild<Element *>(QLatin1String(name));
    Q_ASSERT_X(found, "FeedOptions", name);
    return found;
}

void FeedOptions::load(const FeedSettings &feed)
{
    (feed.Enabled ? m_on : m_off)->setChecked(true);
    (feed.Network == FeedNetwork::LAN ? m_lan : m_local)->setChecked(true);
    m_port->setText(QString::number(feed.Port));
    m_pin->setText(FeedPin::isValid(feed.Pin) ? feed.Pin : FeedPin::random());
    m_textFolder = feed.TextFolder;
    showFolder();
    showAddress();
}

std::optional<qint32> FeedOptions::port() const
{
    bool isNumber = false;
    const int value = m_port->text().trimmed().toInt(&isNumber);
    if (!isNumber || value < LowestPort || value > HighestPort)
        return std::nullopt;
    return value;
}

bool FeedOptions::check()
{
    if (!port()) {
        refuse(m_port, tr("The feed's port must be a number from %1 to %2.").arg(LowestPort).arg(HighestPort));
        return false;
    }
    if (!FeedPin::isValid(m_pin->text())) {
        refuse(m_pin, tr("The remote's PIN must be exactly %1 digits.").arg(FeedPin::Digits));
        return false;
    }
    return true;
}

void FeedOptions::refuse(TextBox *field, const QString &message)
{
    auto *tabs = find<TabControl>("SSTab1");
    tabs->setCurrentTab(
        int(tabs->findChildren<TabPage *>(Qt::FindDirectChildrenOnly).indexOf(find<TabPage>("tabFeed"))));
    m_prompts.warn(m_dialog, message, m_dialog->windowTitle());
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

void FeedOptions::apply(FeedSettings &feed) const
{
    feed.Enabled = m_on->isChecked();
    feed.Network = m_lan->isChecked() ? FeedNetwork::LAN : FeedNetwork::Local;
    feed.Port = port().value_or(feed.Port);
    feed.Pin = m_pin->text();
    feed.TextFolder = m_textFolder;
}

void FeedOptions::showAddress()
{
    const std::optional<qint32> chosen = port();
    if (!chosen) {
        m_address->setCaption(tr("Choose a port from %1 to %2.").arg(LowestPort).arg(HighestPort));
        return;
    }
    const QString host = m_lan->isChecked() ? tr("<this computer's address>") : u"127.0.0.1"_s;
    m_address->setCaption(
        tr("In a browser: http://%1:%2/overlay (1920 × 1080, for OBS), /board or /remote.").arg(host).arg(*chosen));
}

void FeedOptions::showFolder()
{
    const QString shown = m_textFolder.isEmpty() ? tr("[No Text Files]") : QDir::toNativeSeparators(m_textFolder);
    m_folder->setCaption(m_folder->fontMetrics().elidedText(shown, Qt::ElideMiddle, m_folder->width() - 8));
}

void FeedOptions::chooseFolder()
{
    const QString folder = m_pickers.ShowFolder(m_textFolder);
    if (folder.isEmpty())
        return;
    m_textFolder = folder;
    showFolder();
}
