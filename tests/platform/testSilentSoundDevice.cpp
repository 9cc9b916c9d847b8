#include "platform/SilentSoundDevice.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

// The buzzer's device when the sound module is missing: it keeps the device's promise of one Done per
// play, later through the event loop, so that the buzzer is never stuck.
class TestSilentSoundDevice : public QObject
{
    Q_OBJECT

private slots:
    void everyPlayFailsOnceLater();
};

void TestSilentSoundDevice::everyPlayFailsOnceLater()
{
    SilentSoundDevice device;
    QSignalSpy done(&device, &SoundDevice::Done);
    device.setProperty("FileName", u"buzzer.wav"_s);
    for (const QString &word : {u"Open"_s, u"play"_s, u"Stop"_s, u"Play"_s, u"Close"_s})
        device.setProperty("Command", word);
    QCOMPARE(done.size(), 0);
    QTRY_COMPARE(done.size(), 2);
    QCOMPARE(done.at(0).at(0).toInt(), int(SoundDevice::Failure));
    QCOMPARE(device.command(), u"Close"_s);
    QTest::qWait(50);
    QCOMPARE(done.size(), 2);
}

QTEST_GUILESS_MAIN(TestSilentSoundDevice)
#include "testSilentSoundDevice.moc"
