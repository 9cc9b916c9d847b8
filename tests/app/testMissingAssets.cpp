#include "dialogs/RichTextBox.h"
#include "platform/SoundDevice.h"
#include "sound/SoundPlayer.h"
#include "support/ProgramFixture.h"
#include "widgets/AutoSizePictureBox.h"
#include "widgets/Image.h"

#include <QApplication>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace {

enum class DamagedAsset { Nothing, Help, Buzzer, HomePicture, VisitorPicture, BoardPicture, Logo };
enum class Damage { Missing, Corrupt };

// Bytes that no reader of pictures, sounds or rich text makes sense of.
const QByteArray junkContents = QByteArray("\x00\xff\x13RIFF\x01\x02GIF8{\\rtf1", 16).repeated(64);

void writeAssetFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qWarning("cannot write %s", qPrintable(path));
    file.write(contents);
}

// The settings key and picture element of a damaged picture, when it is one.
std::pair<QString, QString> pictureOf(DamagedAsset asset)
{
    switch (asset) {
    case DamagedAsset::HomePicture:
        return {u"HomePic"_s, u"imgHomePic"_s};
    case DamagedAsset::VisitorPicture:
        return {u"VisitorPic"_s, u"imgVisitorPic"_s};
    case DamagedAsset::BoardPicture:
        return {u"BoardPic"_s, u"imgBoardPic"_s};
    default:
        return {};
    }
}

} // namespace

// The program with its files gone or damaged: the help document, the buzzer sound, the three pictures
// and the logo. It starts, opens the board, shows help and sounds the buzzer as far as it can, and
// never stays stuck or crashes. The board runs on the real sound player here, so that a sound it
// cannot play goes through the player's own failure path.
class TestMissingAssets : public QObject
{
    Q_OBJECT

private slots:
    void programRunsOn_data();
    void programRunsOn();
};

void TestMissingAssets::programRunsOn_data()
{
    QTest::addColumn<DamagedAsset>("asset");
    QTest::addColumn<Damage>("damage");
    QTest::newRow("all files in place") << DamagedAsset::Nothing << Damage::Missing;
    const QList<std::pair<const char *, DamagedAsset>> assets {
        {"help document", DamagedAsset::Help},         {"buzzer", DamagedAsset::Buzzer},
        {"home picture", DamagedAsset::HomePicture},   {"visitor picture", DamagedAsset::VisitorPicture},
        {"board picture", DamagedAsset::BoardPicture}, {"logo", DamagedAsset::Logo}};
    for (const auto &[name, asset] : assets) {
        QTest::addRow("%s missing", name) << asset << Damage::Missing;
        QTest::addRow("%s corrupt", name) << asset << Damage::Corrupt;
    }
}

void TestMissingAssets::programRunsOn()
{
    QFETCH(DamagedAsset, asset);
    QFETCH(Damage, damage);
    ProgramFixture fixture;
    const QDir folder(fixture.folder());
    const auto damagedFile = [&](const QString &name) {
        const QString path = folder.filePath(name);
        QFile::remove(path);
        if (damage == Damage::Corrupt)
            writeAssetFile(path, junkContents);
        return path;
    };

    QString buzzerFile = QStringLiteral(VANTARO_ASSETS_DIR "/buzzer.wav");
    QByteArray pictureSettings;
    const auto [pictureKey, pictureElement] = pictureOf(asset);
    if (asset == DamagedAsset::Help)
        damagedFile(frmHelp::fileName());
    else if (asset == DamagedAsset::Logo)
        damagedFile(SplashDesign::logoFileName());
    else if (asset == DamagedAsset::Buzzer)
        buzzerFile = damagedFile(u"buzzer.wav"_s);
    else if (!pictureKey.isEmpty())
        pictureSettings = "[PicSettings]\n" + pictureKey.toUtf8() + '=' + damagedFile(u"picture.jpg"_s).toUtf8() + '\n';
    fixture.writeSettings("[KeySettings]\nBuzzerFile=" + buzzerFile.toUtf8() + '\n' + pictureSettings);

    fixture.store = std::make_unique<SettingsStore>(fixture.settingsFile());
    BoardServices services;
    services.soundDevice = [](QObject *owner) { return new SoundPlayer(owner); };
    services.numLock = &fixture.numLock;
    fixture.program = std::make_unique<Program>(*fixture.store, fixture.settings, fixture.folder(), services,
                                                fixture.journalFile());
    Program &program = *fixture.program;
    program.setPrompts(fixture.prompts);
    program.start();
    QVERIFY(QTest::qWaitForWindowExposed(program.splash()));
    const QImage logo = program.splash()->findChild<AutoSizePictureBox *>(u"picLogo"_s)->picture();
    QCOMPARE(logo.isNull(), asset == DamagedAsset::Logo);

    fixture.clickSplash();
    frmScoreboard *board = program.board();
    QVERIFY(board);
    QVERIFY(QTest::qWaitForWindowExposed(board));
    if (!pictureElement.isEmpty())
        QVERIFY(board->findChild<Image *>(pictureElement)->picture().isNull());

    board->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(board));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    frmHelp *viewer = program.help().viewer();
    QVERIFY(viewer && viewer->isVisible());
    // Read off the GUI thread: the board went on meanwhile.
    QTRY_VERIFY(!viewer->isLoading());
    const QString helpText = viewer->rtbHelp()->text();
    if (asset == DamagedAsset::Help && damage == Damage::Missing)
        QCOMPARE(helpText, frmHelp::missingFileText());
    else if (asset != DamagedAsset::Help)
        QVERIFY2(helpText.startsWith(u"Vantaro Help"_s), qPrintable(helpText.left(80)));

    // The buzzer key: a sound that is gone leaves the buzzer silent; one that cannot be played still
    // ends its play, so the buzzer is ready again.
    auto *buzzer = board->findChild<SoundDevice *>(u"mmcBuzzer"_s);
    QSignalSpy done(buzzer, &SoundDevice::Done);
    board->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(board));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_B);
    if (asset == DamagedAsset::Buzzer && damage == Damage::Missing) {
        QVERIFY(buzzer->fileName().isEmpty());
        QVERIFY(!board->BuzzerPlaying());
    } else {
        QVERIFY(board->BuzzerPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(!board->BuzzerPlaying(), 10000);
        QCOMPARE(done.size(), 1);
        if (asset == DamagedAsset::Buzzer)
            QCOMPARE(done.first().first().toInt(), int(SoundDevice::Failure));
    }

    QSignalSpy finished(&program, &Program::finished);
    board->close();
    QCOMPARE(finished.size(), 1);
}

QTEST_MAIN(TestMissingAssets)
#include "testMissingAssets.moc"
