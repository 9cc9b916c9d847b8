#include "support/BoardFixture.h"

#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace {

const QString ExistingSound = QString::fromLatin1(VANTARO_ASSETS_DIR "/buzzer.wav");

} // namespace

// The buzzer's play, overlap and rewind rules on the real board, with a sound device double.
class TestBoardBuzzer : public QObject
{
    Q_OBJECT

private slots:
    void opensAnExistingFileAtLoad();
    void loadWithoutAUsableFileStaysSilent_data();
    void loadWithoutAUsableFileStaysSilent();
    void secondPressWhilePlayingDoesNothing();
    void completionRewindsForTheNextPlay();
    void runOutWhileBuzzingDoesNotSoundAgain();
    void optionsDialogBringsTheBuzzerBack();
    void optionsDialogWithAnEmptyFileSilencesIt();
    void unloadClosesTheSoundAndEndsTheProgram_data();
    void unloadClosesTheSoundAndEndsTheProgram();
    void destroyingTheBoardClosesTheSound();
};

void TestBoardBuzzer::opensAnExistingFileAtLoad()
{
    BoardFixture fixture;
    fixture.settings.BuzzerFile = ExistingSound;
    fixture.open();
    QCOMPARE(fixture.sound->fileName(), ExistingSound);
    QCOMPARE(fixture.sound->commands, QStringList {u"Open"_s});
    QVERIFY(!fixture.board->BuzzerPlaying());
}

void TestBoardBuzzer::loadWithoutAUsableFileStaysSilent_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("empty path") << QString();
    QTest::newRow("no such file") << u"/nowhere/buzzer.wav"_s;
    QTest::newRow("a folder") << QString::fromLatin1(VANTARO_ASSETS_DIR);
}

void TestBoardBuzzer::loadWithoutAUsableFileStaysSilent()
{
    QFETCH(QString, file);
    BoardFixture fixture;
    fixture.settings.BuzzerFile = file;
    fixture.open();
    QCOMPARE(fixture.sound->fileName(), QString());
    fixture.type(u"B");
    QCOMPARE(fixture.sound->plays(), 0);
    QVERIFY(!fixture.board->BuzzerPlaying());
}

void TestBoardBuzzer::secondPressWhilePlayingDoesNothing()
{
    BoardFixture fixture;
    fixture.settings.BuzzerFile = ExistingSound;
    fixture.open();
    fixture.type(u"BB");
    QCOMPARE(fixture.sound->plays(), 1);
    QVERIFY(fixture.board->BuzzerPlaying());
}

void TestBoardBuzzer::completionRewindsForTheNextPlay()
{
    BoardFixture fixture;
    fixture.settings.BuzzerFile = ExistingSound;
    fixture.open();
    fixture.type(u"B");
    fixture.sound->finishPlay();
    QVERIFY(!fixture.board->BuzzerPlaying());
    QCOMPARE(fixture.sound->commands, (QStringList {u"Open"_s, u"Play"_s, u"Stop"_s, u"Prev"_s}));
    fixture.type(u"B");
    QCOMPARE(fixture.sound->plays(), 2);
}

void TestBoardBuzzer::runOutWhileBuzzingDoesNotSoundAgain()
{
    BoardFixture fixture;
    fixture.settings.BuzzerFile = ExistingSound;
    fixture.open();
    fixture.focus(u"tledGame"_s);
    fixture.type(u"0.01\rSB");
    fixture.clock.advanceMilliseconds(1500);
    fixture.board->RefreshTime();
    QCOMPARE(fixture.sound->plays(), 1);
    // The run-out's one buzz was spent while the operator's was sounding.
    fixture.sound->finishPlay();
    fixture.board->RefreshTime();
    QCOMPARE(fixture.sound->plays(), 1);
}

void TestBoardBuzzer::optionsDialogBringsTheBuzzerBack()
{
    BoardFixture fixture;
    fixture.settings.BuzzerFile = u"/nowhere/buzzer.wav"_s;
    frmScoreboard &board = fixture.open();
    board.setShowOptions([&fixture] { fixture.settings.BuzzerFile = ExistingSound; });
    fixture.type(u"B");
    QCOMPARE(fixture.sound->plays(), 0);
    BoardFixture::press(Qt::Key_F2);
    // The file is looked at off the GUI thread.
    QTRY_COMPARE(fixture.sound->fileName(), ExistingSound);
    fixture.type(u"B");
    QCOMPARE(fixture.sound->plays(), 1);
}

void TestBoardBuzzer::optionsDialogWithAnEmptyFileSilencesIt()
{
    BoardFixture fixture;
    fixture.settings.BuzzerFile = ExistingSound;
    frmScoreboard &board = fixture.open();
    board.setShowOptions([&fixture] { fixture.settings.BuzzerFile.clear(); });
    BoardFixture::press(Qt::Key_F2);
    QCOMPARE(fixture.sound->fileName(), QString());
    fixture.type(u"B");
    QCOMPARE(fixture.sound->plays(), 0);
}

void TestBoardBuzzer::unloadClosesTheSoundAndEndsTheProgram_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("commands");
    QTest::newRow("with a sound open") << ExistingSound << QStringList {u"Open"_s, u"Close"_s};
    QTest::newRow("without a sound") << QString() << QStringList();
}

void TestBoardBuzzer::unloadClosesTheSoundAndEndsTheProgram()
{
    QFETCH(QString, file);
    QFETCH(QStringList, commands);
    BoardFixture fixture;
    fixture.settings.BuzzerFile = file;
    frmScoreboard &board = fixture.open();
    QSignalSpy unloaded(&board, &frmScoreboard::unloaded);
    QVERIFY(board.close());
    QCOMPARE(unloaded.size(), 1);
    QCOMPARE(fixture.sound->commands, commands);
}

void TestBoardBuzzer::destroyingTheBoardClosesTheSound()
{
    BoardFixture fixture;
    fixture.open();
    QStringList sent;
    QObject::connect(fixture.sound, &FakeSoundDevice::commandSent, [&sent](const QString &word) { sent.append(word); });
    // Destroyed without being closed, and without a file: the device is still told to close.
    fixture.board.reset();
    QCOMPARE(sent, QStringList {u"Close"_s});
}

QTEST_MAIN(TestBoardBuzzer)
#include "testBoardBuzzer.moc"
