#pragma once

#include "app/Program.h"
#include "dialogs/SplashDesign.h"
#include "dialogs/frmHelp.h"
#include "feed/FeedService.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"
#include "support/FakeDialogPrompts.h"
#include "support/FakeNumLock.h"
#include "support/FakeSoundDevice.h"
#include "support/Settle.h"
#include "widgets/Frame.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The whole program in the test's process: a program folder with the logo and the help document, a
// settings file and match journal of the test's own, a recording sound device, a fake NumLock, scripted
// message boxes, and the options dialog replaced by what the test wants it to do.
class ProgramFixture
{
public:
    ProgramFixture()
    {
        for (const QString &asset : {SplashDesign::logoFileName(), frmHelp::fileName()})
            QFile::copy(QStringLiteral(VANTARO_ASSETS_DIR "/") + asset, m_folder.filePath(asset));
    }

    QString folder() const { return m_folder.path(); }
    QString settingsFile() const { return m_folder.filePath(QStringLiteral("Vantaro.ini")); }
    QString journalFile() const { return m_folder.filePath(QStringLiteral("state/match.journal")); }

    void writeSettings(const QByteArray &contents) const
    {
        QFile file(settingsFile());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qWarning("cannot write the settings file");
        file.write(contents);
    }

    void writeHelp(const QByteArray &contents) const
    {
        QFile file(m_folder.filePath(frmHelp::fileName()));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qWarning("cannot write the help file");
        file.write(contents);
    }

    // Creates the program on the settings file as it stands now.
    Program &create()
    {
        store = std::make_unique<SettingsStore>(settingsFile());
        BoardServices services;
        services.soundDevice = [](QObject *owner) { return new FakeSoundDevice(owner); };
        services.numLock = &numLock;
        program = std::make_unique<Program>(*store, settings, folder(), services, journalFile());
        program->setPrompts(prompts);
        program->setFeedFactory(
            [](Match &match, Settings &settings) { return std::make_unique<FeedService>(match, settings); });
        if (realOptionsDialog)
            return *program;
        program->setShowOptions([this](QWidget *owner) {
            optionsOwners.append(owner);
            if (options)
                options(settings);
        });
        return *program;
    }

    // Starts the program and waits for the splash.
    void start()
    {
        create();
        program->start();
        if (!QTest::qWaitForWindowExposed(program->splash()))
            qWarning("the splash was not shown");
        settleBackgroundWork();
    }

    // A click on the splash's frame, away from its buttons and labels; returns once the board has read
    // what it reads off the GUI thread.
    void clickSplash() const
    {
        auto *frame = program->splash()->findChild<Frame *>(QStringLiteral("frameSplash"));
        QTest::mouseClick(frame, Qt::LeftButton, {}, QPoint(20, 195));
        settleBackgroundWork();
    }

    Settings settings;
    FakeNumLock numLock;
    // The program's own questions: resume an interrupted match, end a match on closing.
    FakeDialogPrompts prompts;
    // What the options dialog does to the settings when it is opened; nothing: the operator cancels.
    std::function<void(Settings &)> options;
    QList<QWidget *> optionsOwners;
    // Keeps the program's own options dialog instead of the hook above.
    bool realOptionsDialog = false;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<Program> program;

private:
    QTemporaryDir m_folder;
};
