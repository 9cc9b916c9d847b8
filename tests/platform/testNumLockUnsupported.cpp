#include "platform/NumLockState.h"

#include <QGuiApplication>
#include <QTest>

// Where the platform offers no keyboard lock state (here: offscreen), NumLock must report nothing and
// refuse to press, so that the forced NumLock policy quietly does nothing.
class TestNumLockUnsupported : public QObject
{
    Q_OBJECT

private slots:
    void reportsNothingAndRefusesToPress();
};

void TestNumLockUnsupported::reportsNothingAndRefusesToPress()
{
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        QSKIP("runs on the offscreen platform only");
    const std::unique_ptr<NumLockState> numLock = NumLockState::forPlatform();
    QVERIFY(numLock);
    QCOMPARE(numLock->isOn(), std::optional<bool>());
    QVERIFY(!numLock->pressNumLock());
    QVERIFY(!numLock->pressNumLock());
    QCOMPARE(numLock->isOn(), std::optional<bool>());
}

QTEST_MAIN(TestNumLockUnsupported)
#include "testNumLockUnsupported.moc"
