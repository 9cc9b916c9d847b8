#pragma once

#include "board/NumLockPolicy.h"
#include "board/PictureFit.h"
#include "dialogs/ChooseKeyDesign.h"
#include "dialogs/OptionsDesign.h"
#include "dialogs/frmChooseKey.h"
#include "dialogs/frmOptions.h"
#include "settings/Settings.h"
#include "settings/SettingsIo.h"
#include "settings/SettingsStore.h"
#include "support/FakeCommonDialog.h"
#include "support/FakeDialogPrompts.h"
#include "support/FakeNumLock.h"
#include "support/Settle.h"
#include "widgets/TabControl.h"
#include "widgets/TabPage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

// The options dialog on the offscreen platform, opened over settings loaded from an empty store (the
// defaults), saving to a temporary store, with the real picture loading and fitting, a fake NumLock behind the real
// NumLock policy, scripted pickers and message boxes. Buttons are clicked and keys typed as the operator
// would: a button on another tab is reached by clicking its tab first.
class OptionsFixture
{
public:
    OptionsFixture()
    {
        SettingsStore emptyStore(m_folder.filePath(QStringLiteral("empty.ini")));
        LoadSettings(emptyStore, settings);
        storePath = m_folder.filePath(QStringLiteral("Vantaro.ini"));
    }

    QString folder() const { return m_folder.path(); }

    frmOptions &open(QWidget *owner = nullptr)
    {
        store = std::make_unique<SettingsStore>(storePath);
        OptionsServices services;
        services.showPicture = PictureFit::ShowPicture;
        services.pictureBound = PictureFit::decodeBound();
        services.forceNumLock = [this](bool wanted) { NumLockPolicy::ForceNumLock(numLock, wanted); };
        services.commonDialog = [this](QObject *owner) { return pickers = new FakeCommonDialog(owner); };
        services.prompts = &prompts;
        dialog = std::make_unique<frmOptions>(OptionsDesign::window(), ChooseKeyDesign::window(), settings, *store,
                                              services, owner);
        dialog->show();
        dialog->activateWindow();
        if (!QTest::qWaitForWindowActive(dialog.get()))
            qWarning("The options dialog did not become active");
        settleBackgroundWork();
        return *dialog;
    }

    template<typename Element = QWidget> Element *find(const QString &name) const
    {
        return dialog->findChild<Element *>(name);
    }

    // Clicks the tab of the page that holds the element, if it is on one.
    void showPageOf(QWidget *element)
    {
        auto *tabs = find<TabControl>(QStringLiteral("SSTab1"));
        for (QWidget *w = element; w; w = w->parentWidget()) {
            if (auto *page = qobject_cast<TabPage *>(w)) {
                const int index = int(tabs->findChildren<TabPage *>(Qt::FindDirectChildrenOnly).indexOf(page));
                QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
                return;
            }
        }
    }

    void click(const QString &name)
    {
        auto *button = find<QAbstractButton>(name);
        if (!button) {
            qWarning("No button %s", qPrintable(name));
            return;
        }
        showPageOf(button);
        QTest::mouseClick(button, Qt::LeftButton);
        // A chosen file is checked off the GUI thread: the click is done once its check has arrived.
        settleBackgroundWork();
    }

    // Clicks into a text field, deletes its text and types the new one.
    void type(const QString &field, const QString &text)
    {
        auto *edit = find<QLineEdit>(field);
        showPageOf(edit);
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }

    // Gives the focus to an element as Tab would, on its page.
    void focus(const QString &name)
    {
        QWidget *element = find(name);
        showPageOf(element);
        element->setFocus(Qt::TabFocusReason);
    }

    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *target = QApplication::focusWidget();
        QTest::keyClick(target ? target : QApplication::activeWindow(), key, modifiers);
    }

    // Clicks a key button and, once the key-capture dialog is up, lets inside() work on it. A dialog
    // that inside() leaves open is closed with its close box, so that a failing test cannot hang.
    void captureKey(const QString &button, const std::function<void(frmChooseKey &)> &inside)
    {
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QPointer chooser = qobject_cast<frmChooseKey *>(QApplication::activeModalWidget());
            if (!chooser || !chooser->isVisible())
                return;
            poll.stop();
            inside(*chooser);
            if (chooser && chooser->isVisible()) {
                seenOpenAfterKeys = true;
                chooser->close();
            }
        });
        seenOpenAfterKeys = false;
        poll.start();
        click(button);
        poll.stop();
    }

    // The text the store file holds for a key, or nothing.
    std::optional<QString> stored(const QString &section, const QString &key) const
    {
        return SettingsStore(storePath).value(section, key);
    }

    Settings settings;
    QString storePath;
    FakeNumLock numLock;
    FakeDialogPrompts prompts;
    FakeCommonDialog *pickers = nullptr;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<frmOptions> dialog;
    // The key-capture dialog was still open when captureKey's work was done.
    bool seenOpenAfterKeys = false;

private:
    QTemporaryDir m_folder;
};
