// Keys pressed on an LED field reach the board as Windows virtual-key codes with the shift state.
#include "platform/VirtualKey.h"
#include "widgets/NumberPanel.h"
#include "widgets/TimePanel.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Records the KeyDown events of a panel; QSignalSpy cannot hold the by-reference key code.
struct KeyDownLog
{
    explicit KeyDownLog(LedFieldPanel *panel)
    {
        QObject::connect(panel, &LedFieldPanel::KeyDown, panel, [this](qint16 &code, int shift) {
            codes.append(code);
            shifts.append(shift);
        });
    }
    QList<qint16> codes;
    QList<int> shifts;
};

void sendKey(QWidget *widget, QEvent::Type type, Qt::Key key, bool autoRepeat)
{
    QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(widget, &event);
}

} // namespace

class TestVirtualKey : public QObject
{
    Q_OBJECT

private slots:
    void keyCodes_data();
    void keyCodes();
    void physicalKeys_data();
    void physicalKeys();
    void shiftState_data();
    void shiftState();
    void pressAndRelease();
    void autoRepeat();
    void tabMovesFocus();
    void keysStayWithThePanel();
};

void TestVirtualKey::keyCodes_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("code");
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
    const auto row = [](const char *name, int key, Qt::KeyboardModifiers modifiers, int code) {
        QTest::newRow(name) << key << modifiers << code;
    };
    row("A", Qt::Key_A, none, 65);
    row("Z with Shift", Qt::Key_Z, shift, 90);
    row("lower-case s", 's', none, 83);
    row("top-row 0", Qt::Key_0, none, 48);
    row("top-row 9", Qt::Key_9, none, 57);
    row("shifted 1 is !", Qt::Key_Exclam, shift, 49);
    row("shifted 2 is @", Qt::Key_At, shift, 50);
    row("shifted 5 is %", Qt::Key_Percent, shift, 53);
    row("shifted 6 is ^", Qt::Key_AsciiCircum, shift, 54);
    row("shifted 8 is *", Qt::Key_Asterisk, shift, 56);
    row("shifted 0 is )", Qt::Key_ParenRight, shift, 48);
    row("keypad 0", Qt::Key_0, keypad, 96);
    row("keypad 5", Qt::Key_5, keypad, 101);
    row("keypad 9", Qt::Key_9, keypad, 105);
    row("keypad *", Qt::Key_Asterisk, keypad, 106);
    row("keypad +", Qt::Key_Plus, keypad, 107);
    row("keypad -", Qt::Key_Minus, keypad, 109);
    row("keypad .", Qt::Key_Period, keypad, 110);
    row("keypad decimal comma", Qt::Key_Comma, keypad, 110);
    row("keypad Del without NumLock is Delete", Qt::Key_Delete, keypad, 46);
    row("keypad /", Qt::Key_Slash, keypad, 111);
    row("keypad Enter", Qt::Key_Enter, keypad, 13);
    row("keypad 7 without NumLock", Qt::Key_Home, keypad, 36);
    row("keypad 1 without NumLock", Qt::Key_End, keypad, 35);
    row("keypad 8 without NumLock", Qt::Key_Up, keypad, 38);
    row("keypad 3 without NumLock", Qt::Key_PageDown, keypad, 34);
    row("keypad 0 without NumLock", Qt::Key_Insert, keypad, 45);
    row("keypad 5 without NumLock", Qt::Key_Clear, keypad, 12);
    row("= key", Qt::Key_Equal, none, 187);
    row("= key shifted", Qt::Key_Plus, shift, 187);
    row("- key", Qt::Key_Minus, none, 189);
    row("- key shifted", Qt::Key_Underscore, shift, 189);
    row(". key", Qt::Key_Period, none, 190);
    row(". key shifted", Qt::Key_Greater, shift, 190);
    row("; key shifted", Qt::Key_Colon, shift, 186);
    row(", key", Qt::Key_Comma, none, 188);
    row("/ key shifted", Qt::Key_Question, shift, 191);
    row("` key shifted", Qt::Key_AsciiTilde, shift, 192);
    row("[ key shifted", Qt::Key_BraceLeft, shift, 219);
    row("\\ key", Qt::Key_Backslash, none, 220);
    row("] key", Qt::Key_BracketRight, none, 221);
    row("' key shifted", Qt::Key_QuoteDbl, shift, 222);
    row("F1", Qt::Key_F1, none, 112);
    row("F2", Qt::Key_F2, none, 113);
    row("F5", Qt::Key_F5, none, 116);
    row("F6", Qt::Key_F6, none, 117);
    row("F12", Qt::Key_F12, none, 123);
    row("F24", Qt::Key_F24, none, 135);
    row("Delete", Qt::Key_Delete, none, 46);
    row("Insert", Qt::Key_Insert, none, 45);
    row("Left", Qt::Key_Left, none, 37);
    row("Down", Qt::Key_Down, none, 40);
    row("PageUp", Qt::Key_PageUp, none, 33);
    row("Backspace", Qt::Key_Backspace, none, 8);
    row("Return", Qt::Key_Return, none, 13);
    row("Space", Qt::Key_Space, none, 32);
    row("Escape", Qt::Key_Escape, none, 27);
    row("Shift", Qt::Key_Shift, shift, 16);
    row("Control", Qt::Key_Control, Qt::ControlModifier, 17);
    row("Alt", Qt::Key_Alt, Qt::AltModifier, 18);
    row("Pause", Qt::Key_Pause, none, 19);
    row("CapsLock", Qt::Key_CapsLock, none, 20);
    row("NumLock", Qt::Key_NumLock, none, 144);
    row("NumLock from the keypad", Qt::Key_NumLock, keypad, 144);
    row("ScrollLock", Qt::Key_ScrollLock, none, 145);
    row("unknown letter", Qt::Key_Adiaeresis, none, 0);
    row("volume key", Qt::Key_VolumeUp, none, 0);
}

void TestVirtualKey::keyCodes()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, code);
    QCOMPARE(VirtualKey::fromQtKey(key, modifiers), qint16(code));
    if (code == 0)
        return;
    // The same key pressed on a field reaches its KeyDown handler.
    NumberPanel panel;
    KeyDownLog log(&panel);
    QTest::sendKeyEvent(QTest::Press, &panel, Qt::Key(key), QString(), modifiers);
    // QTest presses the modifier keys first, as a keyboard does.
    QVERIFY(!log.codes.isEmpty());
    QCOMPARE(log.codes.last(), qint16(code));
}

void TestVirtualKey::physicalKeys_data()
{
    QTest::addColumn<uint>("xKeyCode");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("code");
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
    const auto row = [](const char *name, uint xKeyCode, int key, Qt::KeyboardModifiers modifiers, int code) {
        QTest::newRow(name) << xKeyCode << key << modifiers << code;
    };
    row("AZERTY & key is 1", 10, Qt::Key_Ampersand, none, 49);
    row("AZERTY 1 with Shift is 1", 10, Qt::Key_1, Qt::ShiftModifier, 49);
    row("AZERTY ( key is 5", 14, Qt::Key_ParenLeft, none, 53);
    row("AZERTY a-grave key is 0", 19, Qt::Key_Agrave, none, 48);
    row("QWERTZ-CZ e-caron key is 2", 11, 0x011A, none, 50); // Qt names it by its capital, U+011A
    row("AZERTY ) beside the top row is no digit", 20, Qt::Key_ParenRight, none, 0);
    row("AZERTY ! key is no digit", 61, Qt::Key_Exclam, none, 0);
    row("letter follows the layout", 24, Qt::Key_A, none, 65);
    row("QWERTZ Z key is Z", 29, Qt::Key_Z, none, 90);
    row("keypad 2", 88, Qt::Key_2, keypad, 98);
    row("keypad 0", 90, Qt::Key_0, keypad, 96);
    row("keypad 2 without NumLock", 88, Qt::Key_Down, keypad, 40);
    row("keypad Del without NumLock", 91, Qt::Key_Delete, keypad, 46);
    row("keypad decimal point", 91, Qt::Key_Period, keypad, 110);
    row("keypad decimal comma", 91, Qt::Key_Comma, keypad, 110);
    row("Delete", 119, Qt::Key_Delete, none, 46);
}

void TestVirtualKey::physicalKeys()
{
    QFETCH(uint, xKeyCode);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, code);
    QCOMPARE(VirtualKey::fromXKey(xKeyCode, key, modifiers), qint16(code));
}

void TestVirtualKey::shiftState_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("state");
    QTest::newRow("none") << Qt::KeyboardModifiers(Qt::NoModifier) << 0;
    QTest::newRow("Shift") << Qt::KeyboardModifiers(Qt::ShiftModifier) << 1;
    QTest::newRow("Ctrl") << Qt::KeyboardModifiers(Qt::ControlModifier) << 2;
    QTest::newRow("Alt") << Qt::KeyboardModifiers(Qt::AltModifier) << 4;
    QTest::newRow("Shift Ctrl Alt") << (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier) << 7;
    QTest::newRow("keypad is no shift") << Qt::KeyboardModifiers(Qt::KeypadModifier) << 0;
    QTest::newRow("Meta is no shift") << (Qt::MetaModifier | Qt::ShiftModifier) << 1;
}

void TestVirtualKey::shiftState()
{
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, state);
    QCOMPARE(VirtualKey::shiftState(modifiers), state);
    TimePanel panel;
    KeyDownLog log(&panel);
    QSignalSpy ups(&panel, &LedFieldPanel::KeyUp);
    QTest::keyClick(&panel, Qt::Key_F5, modifiers);
    QCOMPARE(log.codes.last(), qint16(116));
    QCOMPARE(log.shifts.last(), state);
    const auto released = std::find_if(ups.cbegin(), ups.cend(),
                                       [](const QList<QVariant> &up) { return up.at(0).value<qint16>() == 116; });
    QVERIFY(released != ups.cend());
    QCOMPARE(released->at(1).toInt(), state);
}

void TestVirtualKey::pressAndRelease()
{
    NumberPanel panel;
    KeyDownLog log(&panel);
    QSignalSpy ups(&panel, &LedFieldPanel::KeyUp);
    QTest::keyPress(&panel, Qt::Key_Minus, Qt::KeypadModifier);
    QCOMPARE(log.codes, QList<qint16> {109});
    QCOMPARE(ups.count(), 0);
    QTest::keyRelease(&panel, Qt::Key_Minus, Qt::KeypadModifier);
    QCOMPARE(ups.count(), 1);
    QCOMPARE(ups.at(0).at(0).value<qint16>(), qint16(109));
    QCOMPARE(log.codes.size(), 1);
}

void TestVirtualKey::autoRepeat()
{
    // A held key: the window system repeats press and release pairs marked as auto-repeated.
    NumberPanel panel;
    KeyDownLog log(&panel);
    QSignalSpy ups(&panel, &LedFieldPanel::KeyUp);
    sendKey(&panel, QEvent::KeyPress, Qt::Key_F5, false);
    for (int i = 0; i < 3; ++i) {
        sendKey(&panel, QEvent::KeyRelease, Qt::Key_F5, true);
        sendKey(&panel, QEvent::KeyPress, Qt::Key_F5, true);
    }
    QCOMPARE(ups.count(), 0);
    sendKey(&panel, QEvent::KeyRelease, Qt::Key_F5, false);
    QCOMPARE(log.codes, QList<qint16>(4, 116));
    QCOMPARE(ups.count(), 1);
}

void TestVirtualKey::tabMovesFocus()
{
    QWidget window;
    auto *first = new NumberPanel(&window);
    auto *second = new TimePanel(&window);
    second->move(0, 100);
    KeyDownLog log(first);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    first->setFocus();
    QTRY_VERIFY(first->hasFocus());
    QTest::keyClick(first, Qt::Key_Tab);
    QTRY_VERIFY(second->hasFocus());
    QTest::keyClick(second, Qt::Key_Backtab, Qt::ShiftModifier);
    QTRY_VERIFY(first->hasFocus());
    QVERIFY(log.codes.isEmpty());
}

void TestVirtualKey::keysStayWithThePanel()
{
    // A key handled by a field must not reach the window as well, or the board would act on it twice.
    class KeyCounter : public QWidget
    {
    public:
        int presses = 0;

    protected:
        void keyPressEvent(QKeyEvent *) override { ++presses; }
    };
    KeyCounter window;
    auto *panel = new NumberPanel(&window);
    QTest::keyClick(panel, Qt::Key_5);
    QTest::keyClick(panel, Qt::Key_VolumeUp);
    QCOMPARE(window.presses, 0);
}

QTEST_MAIN(TestVirtualKey)
#include "testVirtualKey.moc"
