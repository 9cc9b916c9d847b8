// The board typed at through real keyboard layouts: the X server's layout switched with setxkbmap, keys
// pressed by their physical key code through XTest, as a French, German, Belgian or Czech keyboard
// would send them.
#include "support/BoardFixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QProcess>
#include <QStandardPaths>

namespace {

// Remembers the text of the last key press per physical key, to see which layout Qt is using.
class KeyTexts : public QObject
{
public:
    QHash<quint32, QString> texts;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            texts.insert(key->nativeScanCode(), key->text());
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

// After every Qt header and the code that names QEvent::KeyPress: Xlib's macros (None, KeyPress, Bool...)
// would clash with Qt's names.
#include "support/XInput.h"

#include <X11/XKBlib.h>

using namespace Qt::StringLiterals;

namespace {

// X key codes of the PC keyboard, the same on every layout.
constexpr unsigned TopRow1 = 10, TopRow2 = 11, TopRow5 = 14;
constexpr unsigned BesideTopRow0 = 20; // "-" on a US keyboard
constexpr unsigned Return = 36, Delete = 119;
constexpr unsigned Keypad2 = 88, Keypad3 = 89, Keypad5 = 84, KeypadDel = 91, KeypadEnter = 104;

} // namespace

class TestKeyboardLayouts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void samePhysicalKeysOnEveryLayout_data();
    void samePhysicalKeysOnEveryLayout();

private:
    bool setLayout(const QString &layout, const QString &variant = {});
    bool useLayout(const QString &layout, const QString &probeText);
    void setNumLock(bool on);
    bool numLock() const;

    XInput m_x;
    QString m_setxkbmap;
    QString m_foundLayout;
    QString m_foundVariant;
    bool m_foundNumLock = false;
    KeyTexts m_texts;
};

void TestKeyboardLayouts::initTestCase()
{
    if (QGuiApplication::platformName() != u"xcb"_s)
        QSKIP("needs an X server (run through scripts/test)");
    int event = 0, error = 0, major = 0, minor = 0;
    if (!m_x.isOpen() || !XTestQueryExtension(m_x.display(), &event, &error, &major, &minor))
        QSKIP("the X server has no XTest extension");
    m_setxkbmap = QStandardPaths::findExecutable(u"setxkbmap"_s);
    if (m_setxkbmap.isEmpty())
        QSKIP("setxkbmap is missing (Debian package x11-xkb-utils)");
    QProcess query;
    query.start(m_setxkbmap, {u"-query"_s});
    QVERIFY(query.waitForFinished(10000));
    for (const QString &line : QString::fromLocal8Bit(query.readAllStandardOutput()).split(u'\n')) {
        if (line.startsWith(u"layout:"_s))
            m_foundLayout = line.mid(7).trimmed();
        else if (line.startsWith(u"variant:"_s))
            m_foundVariant = line.mid(8).trimmed();
    }
    QVERIFY(!m_foundLayout.isEmpty());
    m_foundNumLock = numLock();
    qApp->installEventFilter(&m_texts);
}

// Other tests share the X server: they get back the keyboard they had.
void TestKeyboardLayouts::cleanupTestCase()
{
    if (m_foundLayout.isEmpty())
        return;
    QVERIFY(setLayout(m_foundLayout, m_foundVariant));
    setNumLock(m_foundNumLock);
}

bool TestKeyboardLayouts::setLayout(const QString &layout, const QString &variant)
{
    QStringList arguments {u"-layout"_s, layout};
    if (!variant.isEmpty())
        arguments << u"-variant"_s << variant;
    return QProcess::execute(m_setxkbmap, arguments) == 0;
}

// Switches the layout and waits until Qt reads keys through it: the key beside the top row's 0 then
// types the layout's probe text.
bool TestKeyboardLayouts::useLayout(const QString &layout, const QString &probeText)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (!setLayout(layout))
            return false;
        m_texts.texts.remove(BesideTopRow0);
        m_x.pressKeyCode(BesideTopRow0);
        if (QTest::qWaitFor([&] { return m_texts.texts.value(BesideTopRow0) == probeText; }, 2000))
            return true;
    }
    return false;
}

void TestKeyboardLayouts::setNumLock(bool on)
{
    const unsigned mask = XkbKeysymToModifiers(m_x.display(), XK_Num_Lock);
    XkbLockModifiers(m_x.display(), XkbUseCoreKbd, mask, on ? mask : 0);
    XFlush(m_x.display());
    if (!QTest::qWaitFor([this, on] { return numLock() == on; }, 2000))
        qWarning("NumLock did not change");
    QTest::qWait(50);
}

bool TestKeyboardLayouts::numLock() const
{
    XkbStateRec state {};
    XkbGetState(m_x.display(), XkbUseCoreKbd, &state);
    return state.locked_mods & XkbKeysymToModifiers(m_x.display(), XK_Num_Lock);
}

void TestKeyboardLayouts::samePhysicalKeysOnEveryLayout_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("probeText");
    QTest::addColumn<uint>("keyZ");
    QTest::addColumn<uint>("keyQ");
    // The key labelled Z and the one labelled Q move with the layout.
    QTest::newRow("us") << u"us"_s << u"-"_s << 52u << 24u;
    QTest::newRow("fr AZERTY") << u"fr"_s << u")"_s << 25u << 38u;
    QTest::newRow("de QWERTZ") << u"de"_s << u"ß"_s << 29u << 24u;
    QTest::newRow("be AZERTY") << u"be"_s << u")"_s << 25u << 38u;
    QTest::newRow("cz QWERTZ") << u"cz"_s << u"="_s << 29u << 24u;
}

void TestKeyboardLayouts::samePhysicalKeysOnEveryLayout()
{
    QFETCH(QString, layout);
    QFETCH(QString, probeText);
    QFETCH(uint, keyZ);
    QFETCH(uint, keyQ);
    BoardFixture fixture;
    fixture.settings.HomeOneKey = 'Z';
    fixture.settings.VisitorOneKey = 'Q';
    fixture.open();
    // A box that takes commands but types nothing.
    fixture.focus(u"picHomeContainer"_s);
    QVERIFY2(useLayout(layout, probeText), qPrintable(layout));
    setNumLock(true);

    // The top-row keys 1, 5 and Enter in the home score.
    fixture.focus(u"nledHomeScore"_s);
    for (unsigned key : {TopRow1, TopRow5, Return})
        m_x.pressKeyCode(key);
    QTRY_COMPARE(fixture.caption(u"nledHomeScore"_s), u"15"_s);

    // Command letters follow the letters the layout prints.
    m_x.pressKeyCode(keyZ);
    QTRY_COMPARE(fixture.caption(u"nledHomeScore"_s), u"16"_s);
    m_x.pressKeyCode(keyQ);
    QTRY_COMPARE(fixture.caption(u"nledVisitorScore"_s), u"1"_s);

    // Top row and keypad together in a set: 25, the keypad's decimal key, 23, the keypad's Enter.
    fixture.focus(u"picSet1"_s);
    for (unsigned key : {TopRow2, TopRow5, KeypadDel, Keypad2, Keypad3, KeypadEnter})
        m_x.pressKeyCode(key);
    QTRY_COMPARE(fixture.caption(u"nledSet1H"_s), u"25"_s);
    QCOMPARE(fixture.caption(u"nledSet1V"_s), u"23"_s);

    // Without NumLock the keypad's Del key is Delete, the clear key; keypad 5 does nothing.
    setNumLock(false);
    fixture.focus(u"picSet1"_s);
    m_x.pressKeyCode(Keypad5);
    m_x.pressKeyCode(KeypadDel);
    QTRY_COMPARE(fixture.caption(u"nledSet1H"_s), u"-1"_s);
    QCOMPARE(fixture.caption(u"nledSet1V"_s), u"-1"_s);
    fixture.focus(u"nledHomeScore"_s);
    m_x.pressKeyCode(Delete);
    QTRY_COMPARE(fixture.caption(u"nledHomeScore"_s), u"-1"_s);
}

QTEST_MAIN(TestKeyboardLayouts)
#include "testKeyboardLayouts.moc"
