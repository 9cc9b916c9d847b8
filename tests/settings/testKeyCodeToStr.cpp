#include "settings/KeyCodeToStr.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestKeyCodeToStr : public QObject
{
    Q_OBJECT

private slots:
    void namedKeys_data();
    void namedKeys();
    void keysWithoutName_data();
    void keysWithoutName();
    void onlyTheTableHasNames();
};

void TestKeyCodeToStr::namedKeys_data()
{
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<QString>("name");
    QTest::newRow("Backspace") << 8 << u"Backspace"_s;
    QTest::newRow("Enter") << 13 << u"Enter"_s;
    QTest::newRow("Ctrl") << 17 << u"Ctrl"_s;
    QTest::newRow("Pause") << 19 << u"Pause/Break"_s;
    QTest::newRow("Page Up") << 33 << u"Page Up"_s;
    QTest::newRow("Page Down") << 34 << u"Page Down"_s;
    QTest::newRow("End") << 35 << u"End"_s;
    QTest::newRow("Home") << 36 << u"Home"_s;
    QTest::newRow("Insert") << 45 << u"Insert"_s;
    QTest::newRow("Delete") << 46 << u"Delete"_s;
    const QString letters = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"_s;
    for (int i = 0; i < letters.size(); ++i)
        QTest::addRow("letter %c", letters[i].toLatin1()) << 65 + i << QString(letters[i]);
    QTest::newRow("Numpad *") << 106 << u"Numpad *"_s;
    QTest::newRow("Numpad /") << 111 << u"Numpad /"_s;
    const QStringList functionKeys {u"F3"_s, u"F4"_s, u"F5"_s,  u"F6"_s,  u"F7"_s,
                                    u"F8"_s, u"F9"_s, u"F10"_s, u"F11"_s, u"F12"_s};
    for (int i = 0; i < functionKeys.size(); ++i)
        QTest::addRow("%s", qPrintable(functionKeys[i])) << 114 + i << functionKeys[i];
    QTest::newRow("semicolon") << 186 << u";"_s;
    QTest::newRow("comma") << 188 << u","_s;
    QTest::newRow("full stop") << 190 << u"."_s;
    QTest::newRow("slash") << 191 << u"/"_s;
    QTest::newRow("backquote") << 192 << u"`"_s;
    QTest::newRow("left bracket") << 219 << u"["_s;
    QTest::newRow("backslash") << 220 << u"\\"_s;
    QTest::newRow("right bracket") << 221 << u"]"_s;
    QTest::newRow("quote") << 222 << QString(QChar(34));
}

void TestKeyCodeToStr::namedKeys()
{
    QFETCH(int, keyCode);
    QFETCH(QString, name);
    QCOMPARE(KeyCodeToStr(qint16(keyCode)), name);
}

void TestKeyCodeToStr::keysWithoutName_data()
{
    QTest::addColumn<int>("keyCode");
    QTest::newRow("F1") << 112;
    QTest::newRow("F2") << 113;
    QTest::newRow("digit 5") << 53;
    QTest::newRow("keypad 5") << 101;
    QTest::newRow("keypad +") << 107;
    QTest::newRow("keypad -") << 109;
    QTest::newRow("Left") << 37;
    QTest::newRow("Up") << 38;
    QTest::newRow("Right") << 39;
    QTest::newRow("Down") << 40;
    QTest::newRow("Space") << 32;
    QTest::newRow("Tab") << 9;
    QTest::newRow("Esc") << 27;
    QTest::newRow("Shift") << 16;
    QTest::newRow("Alt") << 18;
    QTest::newRow("NumLock") << 144;
    QTest::newRow("none") << 0;
    QTest::newRow("negative") << -1;
}

void TestKeyCodeToStr::keysWithoutName()
{
    QFETCH(int, keyCode);
    QCOMPARE(KeyCodeToStr(qint16(keyCode)), QString());
}

void TestKeyCodeToStr::onlyTheTableHasNames()
{
    // 10 named keys, 26 letters, 2 keypad signs, F3 to F12 and 9 punctuation keys.
    int named = 0;
    for (int code = -32768; code <= 32767; ++code)
        named += KeyCodeToStr(qint16(code)).isEmpty() ? 0 : 1;
    QCOMPARE(named, 57);
}

QTEST_GUILESS_MAIN(TestKeyCodeToStr)
#include "testKeyCodeToStr.moc"
