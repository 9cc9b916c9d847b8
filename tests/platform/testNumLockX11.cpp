#include "platform/NumLockState.h"
#include "platform/VirtualKey.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

namespace QTest {

template<> char *toString(const std::optional<bool> &value)
{
    return qstrdup(!value ? "nothing" : *value ? "on" : "off");
}

} // namespace QTest

namespace {

// Records every key release it gets, with what the NumLock reader said at that moment.
class KeyReleaseRecorder : public QWidget
{
public:
    struct Release
    {
        int key;
        qint16 virtualKey;
        std::optional<bool> numLockOn;
    };

    explicit KeyReleaseRecorder(const NumLockState &numLock)
        : m_numLock(numLock)
    {
        setFocusPolicy(Qt::StrongFocus);
        setMinimumSize(200, 100);
    }

    QList<Release> releases;

protected:
    void keyReleaseEvent(QKeyEvent *event) override
    {
        releases.append({event->key(), VirtualKey::fromKeyEvent(*event), m_numLock.isOn()});
    }

private:
    const NumLockState &m_numLock;
};

} // namespace

class TestNumLockX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void readsTheLockState();
    void pressToggles_data();
    void pressToggles();
    void pressReachesTheFocusedWidget_data();
    void pressReachesTheFocusedWidget();

private:
    void bringTo(bool on);

    std::unique_ptr<NumLockState> m_numLock;
    std::optional<bool> m_stateBefore;
};

void TestNumLockX11::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs the xcb platform on a real X server (QT_QPA_PLATFORM=xcb)");
#if !__has_include(<X11/extensions/XTest.h>)
    QSKIP("built without the X11 and XTest development files, so there is no X11 NumLock");
#endif
    m_numLock = NumLockState::forPlatform();
    QVERIFY2(m_numLock->isOn().has_value(), "no NumLock reader on xcb");
    // A server without XTest refuses the press; find that out once, and undo the probe.
    const bool before = *m_numLock->isOn();
    if (!m_numLock->pressNumLock())
        QSKIP("the X server has no XTest extension or its keymap has no Num_Lock key");
    QTRY_COMPARE(m_numLock->isOn(), std::optional(!before));
    bringTo(before);
}

void TestNumLockX11::init()
{
    m_stateBefore = m_numLock->isOn();
}

// Leaves NumLock as the test found it, also after a failed check.
void TestNumLockX11::cleanup()
{
    if (m_stateBefore)
        bringTo(*m_stateBefore);
}

void TestNumLockX11::bringTo(bool on)
{
    if (m_numLock->isOn() != on)
        QVERIFY(m_numLock->pressNumLock());
    QTRY_COMPARE(m_numLock->isOn(), std::optional(on));
}

void TestNumLockX11::readsTheLockState()
{
    const std::optional<bool> first = m_numLock->isOn();
    QVERIFY(first.has_value());
    QCOMPARE(m_numLock->isOn(), first);
}

void TestNumLockX11::pressToggles_data()
{
    QTest::addColumn<bool>("startOn");
    QTest::newRow("from off") << false;
    QTest::newRow("from on") << true;
}

void TestNumLockX11::pressToggles()
{
    QFETCH(bool, startOn);
    bringTo(startOn);

    QVERIFY(m_numLock->pressNumLock());
    QTRY_COMPARE(m_numLock->isOn(), std::optional(!startOn));
    QVERIFY(m_numLock->pressNumLock());
    QTRY_COMPARE(m_numLock->isOn(), std::optional(startOn));
}

void TestNumLockX11::pressReachesTheFocusedWidget_data()
{
    QTest::addColumn<bool>("turningOn");
    QTest::newRow("turning on") << true;
    QTest::newRow("turning off") << false;
}

// The board's key-up dispatch must see the synthesized press as a NumLock release, and by then the
// lock must already read as toggled, or the board would toggle it again.
void TestNumLockX11::pressReachesTheFocusedWidget()
{
    QFETCH(bool, turningOn);
    bringTo(!turningOn);

    QWidget window;
    auto *recorder = new KeyReleaseRecorder(*m_numLock);
    (new QVBoxLayout(&window))->addWidget(recorder);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    recorder->setFocus();
    QTRY_VERIFY(recorder->hasFocus());

    QVERIFY(m_numLock->pressNumLock());
    QTRY_COMPARE(recorder->releases.size(), 1);
    const KeyReleaseRecorder::Release release = recorder->releases.first();
    QCOMPARE(release.key, int(Qt::Key_NumLock));
    QCOMPARE(release.virtualKey, qint16(144));
    QCOMPARE(release.numLockOn, std::optional(turningOn));
}

QTEST_MAIN(TestNumLockX11)
#include "testNumLockX11.moc"
