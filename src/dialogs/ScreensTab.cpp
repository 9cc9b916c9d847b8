#include "dialogs/ScreensTab.h"

#include "settings/KeyCodeToStr.h"
#include "settings/Settings.h"
#include "widgets/ComboBox.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace {

constexpr qint16 KeyA = 65;
constexpr qint16 KeyZ = 90;

} // namespace

ScreensTab::ScreensTab(QWidget *dialog, const Settings &settings, const QString &boardScreen)
    : m_screens(dialog->findChild<ComboBox *>(u"cmbBoardScreen"_s))
    , m_consoleKeys(dialog->findChild<ComboBox *>(u"cmbConsoleKey"_s))
{
    Q_ASSERT(m_screens && m_consoleKeys);
    fillScreens(settings.BoardScreen, boardScreen);
    fillConsoleKeys(settings.ConsoleKey);
}

void ScreensTab::fillScreens(const QString &stored, const QString &boardScreen)
{
    QStringList items {
        QCoreApplication::translate("ScreensTab", "Automatic: the first screen that is not the primary one")};
    m_screenNames = {QString()};
    if (!boardScreen.isEmpty()) {
        items.append(QCoreApplication::translate("ScreensTab", "The screen the board is on now (%1)").arg(boardScreen));
        m_screenNames.append(boardScreen);
    }
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QSize size = screen->size() * screen->devicePixelRatio();
        items.append(u"%1, %2 × %3%4"_s.arg(screen->name())
                         .arg(size.width())
                         .arg(size.height())
                         .arg(screen == QGuiApplication::primaryScreen()
                                  ? QCoreApplication::translate("ScreensTab", " (primary)")
                                  : QString()));
        m_screenNames.append(screen->name());
    }
    if (!m_screenNames.contains(stored)) {
        items.append(QCoreApplication::translate("ScreensTab", "%1 (not connected)").arg(stored));
        m_screenNames.append(stored);
    }
    m_screens->setItems(items);
    // The screen itself rather than "the one it is on now", which names it only for this opening.
    m_screens->setCurrentIndex(int(stored.isEmpty() ? 0 : m_screenNames.lastIndexOf(stored)));
}

void ScreensTab::fillConsoleKeys(qint16 stored)
{
    QStringList items;
    m_keyCodes.clear();
    for (qint16 key = KeyA; key <= KeyZ; ++key) {
        items.append(u"Ctrl+"_s + KeyCodeToStr(key));
        m_keyCodes.append(key);
    }
    if (!m_keyCodes.contains(stored)) {
        items.append(u"Ctrl+"_s + KeyCodeToStr(stored));
        m_keyCodes.append(stored);
    }
    m_consoleKeys->setItems(items);
    m_consoleKeys->setCurrentIndex(int(m_keyCodes.indexOf(stored)));
}

void ScreensTab::apply(Settings &settings) const
{
    settings.BoardScreen = m_screenNames.value(m_screens->currentIndex());
    settings.ConsoleKey = m_keyCodes.value(m_consoleKeys->currentIndex(), settings.ConsoleKey);
}
