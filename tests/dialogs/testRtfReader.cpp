#include "dialogs/RtfReader.h"
#include "support/ShowableText.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

// The document's text, blocks joined by "\n"; line separators stay U+2028 so that a line break inside a
// paragraph can be told from a new paragraph.
QString textOf(const QTextDocument &document)
{
    QStringList blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        blocks.append(block.text());
    return blocks.join(u'\n');
}

QString read(const QByteArray &rtf, QTextDocument &document)
{
    RtfReader::read(rtf, document);
    return textOf(document);
}

QString read(const QByteArray &rtf)
{
    QTextDocument document;
    return read(rtf, document);
}

// The format of the first character of the first occurrence of text.
QTextCharFormat formatOf(const QTextDocument &document, const QString &text)
{
    const QTextCursor found = document.find(text);
    if (found.isNull()) {
        qWarning("%s not found in the document", qPrintable(text));
        return {};
    }
    QTextCursor cursor(found.document());
    cursor.setPosition(found.selectionStart() + 1);
    return cursor.charFormat();
}

QTextBlockFormat blockFormatOf(const QTextDocument &document, const QString &text)
{
    return document.find(text).block().blockFormat();
}

QByteArray testData(const char *name)
{
    QFile file(QStringLiteral(VANTARO_TEST_DATA_DIR "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        qWarning("cannot read %s", name);
    return file.readAll();
}

QByteArray junk(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = static_cast<char>(random.bounded(256));
    return bytes;
}

} // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT

private slots:
    void readsText_data();
    void readsText();
    void readsCharacterFormats();
    void groupsRestoreTheFormatAround();
    void plainResetsTheCharacterFormat();
    void fontTableGivesFamilies();
    void colourTableGivesColours();
    void paragraphFormats();
    void emptyParagraphKeepsItsFontSize();
    void libreOfficeFormatting();
    void libreOfficeLayout();
    void survivesBadInput_data();
    void survivesBadInput();
    void deepNestingIsLinear();
    void junkNeverCrashes_data();
    void junkNeverCrashes();
    void readingAgainReplacesTheDocument();
};

void TestRtfReader::readsText_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");

    QTest::newRow("one paragraph") << "{\\rtf1 Hello}"_ba << u"Hello"_s;
    QTest::newRow("paragraphs") << "{\\rtf1 one\\par two\\par three}"_ba << u"one\ntwo\nthree"_s;
    QTest::newRow("line break stays in the paragraph") << "{\\rtf1 a\\line b}"_ba << u"a\u2028b"_s;
    QTest::newRow("backslash before a line end is a paragraph") << "{\\rtf1 a\\\nb}"_ba << u"a\nb"_s;
    QTest::newRow("line ends in the source are ignored") << "{\\rtf1 a\r\nb\nc}"_ba << u"abc"_s;
    QTest::newRow("one blank ends a control word") << "{\\rtf1 \\b bold\\b0  text}"_ba << u"bold text"_s;
    QTest::newRow("escaped braces and backslash") << "{\\rtf1 \\{a\\}\\\\b}"_ba << u"{a}\\b"_s;
    QTest::newRow("tab") << "{\\rtf1 a\\tab b}"_ba << u"a\tb"_s;
    QTest::newRow("special characters") << "{\\rtf1 \\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote}"_ba
                                        << u"—–•‘’“”"_s;
    QTest::newRow("non-breaking space and hyphen, optional hyphen")
        << "{\\rtf1 a\\~b\\_c\\-d}"_ba << u"a\u00A0b\u2011c\u00ADd"_s;
    QTest::newRow("hex escapes in Windows-1252") << "{\\rtf1\\ansi caf\\'e9 \\'80\\'93x\\'94}"_ba << u"café €“x”"_s;
    QTest::newRow("raw 8-bit text in Windows-1252") << "{\\rtf1\\ansi na\xefve}"_ba << u"naïve"_s;
    QTest::newRow("document code page 1251") << "{\\rtf1\\ansi\\ansicpg1251 \\'c6\\'f3\\'ea}"_ba << u"Жук"_s;
    QTest::newRow("font character set")
        << "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset204 Arial Cyr;}}\\f1 \\'c6\\f0 \\'c6}"_ba << u"ЖÆ"_s;
    QTest::newRow("double-byte code page") << "{\\rtf1\\ansi\\ansicpg932 \\'93\\'fa\\'96\\'7b}"_ba << u"日本"_s;
    QTest::newRow("unicode with its fallback") << "{\\rtf1 \\u8364?5}"_ba << u"€5"_s;
    QTest::newRow("negative unicode pair") << "{\\rtf1 \\u-10179?\\u-8704?}"_ba << u"😀"_s;
    QTest::newRow("uc2 skips two escaped bytes") << "{\\rtf1\\uc2\\u26085\\'93\\'fa x}"_ba << u"日 x"_s;
    QTest::newRow("uc0 skips nothing") << "{\\rtf1\\uc0\\u233 a}"_ba << u"éa"_s;
    QTest::newRow("a group ends the fallback") << "{\\rtf1\\uc3\\u233{x}y}"_ba << u"éxy"_s;
    QTest::newRow("a control word counts as one fallback")
        << "{\\rtf1\\uc1\\u233\\'e9\\uc1\\u233\\bullet z}"_ba << u"ééz"_s;
    QTest::newRow("unicode fallback scoped to its group") << "{\\rtf1{\\uc0 \\u233}\\u233 ab}"_ba << u"ééb"_s;
    QTest::newRow("starred destination skipped")
        << "{\\rtf1 before{\\*\\unknown skip {me}}after}"_ba << u"beforeafter"_s;
    QTest::newRow("unknown word keeps its text") << "{\\rtf1 a{\\madeup text}b}"_ba << u"atextb"_s;
    QTest::newRow("picture skipped") << "{\\rtf1 a{\\pict\\pngblip 89504e470d0a}b}"_ba << u"ab"_s;
    QTest::newRow("binary data stepped over") << "{\\rtf1 a{\\pict\\bin5 {{\\}x}b}"_ba << u"ab"_s;
    QTest::newRow("tables and style sheet not shown")
        << "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1\\green2\\blue3;}{\\stylesheet{\\s0 Normal;}}"
           "{\\info{\\title T}}x}"_ba
        << u"x"_s;
    QTest::newRow("field shows its result")
        << "{\\rtf1 see {\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt the link}}.}"_ba << u"see the link."_s;
    QTest::newRow("unstarred field instruction") << "{\\rtf1 {\\field{\\fldinst PAGE}{\\fldrslt 3}}}"_ba << u"3"_s;
    QTest::newRow("header, footer and footnote skipped")
        << "{\\rtf1{\\header top\\par}{\\footer bottom\\par}body{\\footnote note}.}"_ba << u"body."_s;
    QTest::newRow("table cells as tabs, rows as paragraphs")
        << "{\\rtf1\\trowd\\cellx1000\\cellx2000\\intbl a\\cell b\\cell\\row\\pard after}"_ba << u"a\tb\t\nafter"_s;
    QTest::newRow("list marker shown") << "{\\rtf1{\\listtext \\'95\\tab}item}"_ba << u"•\titem"_s;
    QTest::newRow("text after the closing brace ignored") << "{\\rtf1 a}trailing junk"_ba << u"a"_s;
    QTest::newRow("leading blanks before the header") << "\xEF\xBB\xBF  \r\n{\\rtf1 x}"_ba << u"x"_s;
}

void TestRtfReader::readsText()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QVERIFY(RtfReader::isRtf(rtf));
    QCOMPARE(read(rtf), text);
}

void TestRtfReader::readsCharacterFormats()
{
    QTextDocument document;
    read("{\\rtf1 plain \\b bold\\b0  \\i italic\\i0  \\ul under\\ulnone  none \\uldb double\\ul0  \\strike struck"
         "\\strike0  \\fs40 large\\fs16  small\\fs24  x\\super 2\\nosupersub  y\\sub 3}"_ba,
         document);
    QVERIFY(!formatOf(document, u"plain"_s).font().bold());
    QCOMPARE(formatOf(document, u"bold"_s).fontWeight(), int(QFont::Bold));
    QVERIFY(formatOf(document, u"italic"_s).fontItalic());
    QVERIFY(!formatOf(document, u"bold"_s).fontItalic());
    QVERIFY(formatOf(document, u"under"_s).fontUnderline());
    QVERIFY(!formatOf(document, u"none"_s).fontUnderline());
    QVERIFY(formatOf(document, u"double"_s).fontUnderline());
    QVERIFY(!formatOf(document, u"struck"_s).fontUnderline());
    QVERIFY(formatOf(document, u"struck"_s).fontStrikeOut());
    QCOMPARE(formatOf(document, u"plain"_s).fontPointSize(), 12.0);
    QCOMPARE(formatOf(document, u"large"_s).fontPointSize(), 20.0);
    QCOMPARE(formatOf(document, u"small"_s).fontPointSize(), 8.0);
    QCOMPARE(formatOf(document, u"2"_s).verticalAlignment(), QTextCharFormat::AlignSuperScript);
    QCOMPARE(formatOf(document, u"y"_s).verticalAlignment(), QTextCharFormat::AlignNormal);
    QCOMPARE(formatOf(document, u"3"_s).verticalAlignment(), QTextCharFormat::AlignSubScript);
}

void TestRtfReader::groupsRestoreTheFormatAround()
{
    QTextDocument document;
    QCOMPARE(read("{\\rtf1 {\\b\\i\\fs48 inner {\\b0 deeper} inner2} outer}"_ba, document),
             u"inner deeper inner2 outer"_s);
    QVERIFY(formatOf(document, u"inner"_s).font().bold());
    QVERIFY(!formatOf(document, u"deeper"_s).font().bold());
    QVERIFY(formatOf(document, u"deeper"_s).fontItalic());
    QVERIFY(formatOf(document, u"inner2"_s).font().bold());
    QCOMPARE(formatOf(document, u"inner2"_s).fontPointSize(), 24.0);
    QVERIFY(!formatOf(document, u"outer"_s).font().bold());
    QCOMPARE(formatOf(document, u"outer"_s).fontPointSize(), 12.0);
}

void TestRtfReader::plainResetsTheCharacterFormat()
{
    QTextDocument document;
    read("{\\rtf1{\\fonttbl{\\f0 Alpha;}{\\f1 Beta;}}\\deff0\\f1\\b\\i\\ul\\fs40 styled \\plain reset}"_ba, document);
    const QTextCharFormat reset = formatOf(document, u"reset"_s);
    QVERIFY(!reset.font().bold());
    QVERIFY(!reset.fontItalic());
    QVERIFY(!reset.fontUnderline());
    QCOMPARE(reset.fontPointSize(), 12.0);
    QCOMPARE(reset.fontFamilies().toStringList(), QStringList {u"Alpha"_s});
}

void TestRtfReader::fontTableGivesFamilies()
{
    QTextDocument document;
    read("{\\rtf1\\deff1{\\fonttbl{\\f0\\froman\\fprq2 Times New Roman{\\*\\falt Liberation Serif};}"
         "{\\f1\\fswiss Arial;}\\f2\\fmodern Courier New;}default \\f0 times \\f2 courier \\f9 unknown}"_ba,
         document);
    QCOMPARE(formatOf(document, u"default"_s).fontFamilies().toStringList(), QStringList {u"Arial"_s});
    QCOMPARE(formatOf(document, u"times"_s).fontFamilies().toStringList(), QStringList {u"Times New Roman"_s});
    QCOMPARE(formatOf(document, u"courier"_s).fontFamilies().toStringList(), QStringList {u"Courier New"_s});
    QVERIFY(!formatOf(document, u"unknown"_s).hasProperty(QTextFormat::FontFamilies));
}

void TestRtfReader::colourTableGivesColours()
{
    QTextDocument document;
    read("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}auto \\cf1 red \\cf2 green "
         "\\cf0 again \\cf7 missing \\highlight2 marked}"_ba,
         document);
    QVERIFY(!formatOf(document, u"auto"_s).hasProperty(QTextFormat::ForegroundBrush));
    QCOMPARE(formatOf(document, u"red"_s).foreground().color(), QColor(255, 0, 0));
    QCOMPARE(formatOf(document, u"green"_s).foreground().color(), QColor(0, 128, 0));
    QVERIFY(!formatOf(document, u"again"_s).hasProperty(QTextFormat::ForegroundBrush));
    QVERIFY(!formatOf(document, u"missing"_s).hasProperty(QTextFormat::ForegroundBrush));
    QCOMPARE(formatOf(document, u"marked"_s).background().color(), QColor(0, 128, 0));
}

void TestRtfReader::paragraphFormats()
{
    QTextDocument document;
    read("{\\rtf1\\pard\\qc centred\\par\\pard\\qr right\\par\\pard\\qj justified\\par"
         "\\pard\\li1440\\ri720\\fi-360\\sb240\\sa120 indented\\par\\pard plain\\par {\\qc grouped\\par}after}"_ba,
         document);
    QCOMPARE(blockFormatOf(document, u"centred"_s).alignment(), Qt::AlignHCenter);
    QCOMPARE(blockFormatOf(document, u"right"_s).alignment(), Qt::AlignRight);
    QCOMPARE(blockFormatOf(document, u"justified"_s).alignment(), Qt::AlignJustify);
    const QTextBlockFormat indented = blockFormatOf(document, u"indented"_s);
    QCOMPARE(indented.leftMargin(), 96.0);
    QCOMPARE(indented.rightMargin(), 48.0);
    QCOMPARE(indented.textIndent(), -24.0);
    QCOMPARE(indented.topMargin(), 16.0);
    QCOMPARE(indented.bottomMargin(), 8.0);
    QCOMPARE(blockFormatOf(document, u"plain"_s).alignment(), Qt::AlignLeft);
    QCOMPARE(blockFormatOf(document, u"plain"_s).leftMargin(), 0.0);
    QCOMPARE(blockFormatOf(document, u"grouped"_s).alignment(), Qt::AlignHCenter);
    QCOMPARE(blockFormatOf(document, u"after"_s).alignment(), Qt::AlignLeft);
}

void TestRtfReader::emptyParagraphKeepsItsFontSize()
{
    QTextDocument document;
    QCOMPARE(read("{\\rtf1 a\\par\\fs48\\par b}"_ba, document), u"a\n\nb"_s);
    QCOMPARE(document.findBlockByNumber(1).charFormat().fontPointSize(), 24.0);
}

void TestRtfReader::libreOfficeFormatting()
{
    QTextDocument document;
    const QStringList blocks = read(testData("libreoffice-formatting.rtf"), document).split(u'\n');
    const QStringList expected {
        u"Scoreboard Guide"_s,
        u"Plain text, bold text, italic text, underlined text and bold italic."_s,
        u"Large 20 point and small 8 point."_s,
        u"Red words then blue words."_s,
        u"Courier line"_s,
        u"Accents: café, naïve, Ærø, €5, “quotes” – dash — em."_s,
        u"Greek αβγ, Cyrillic Жук, Japanese 日本語, emoji 😀."_s,
        u"First line\u2028second line after a break"_s,
        u"•\tfirst bullet"_s,
        u"•\tsecond bullet"_s,
        u"cell one\tcell two\t"_s,
        u"cell three\tcell four\t"_s,
        u"Before picture  after picture."_s,
        u"End."_s,
        QString(),
    };
    QCOMPARE(blocks, expected);
    QCOMPARE(formatOf(document, u"Scoreboard"_s).fontPointSize(), 24.0);
    QVERIFY(formatOf(document, u"Scoreboard"_s).font().bold());
    QVERIFY(formatOf(document, u"bold text"_s).font().bold());
    QVERIFY(!formatOf(document, u"Plain text"_s).font().bold());
    QVERIFY(formatOf(document, u"italic text"_s).fontItalic());
    QVERIFY(formatOf(document, u"underlined"_s).fontUnderline());
    const QTextCharFormat boldItalic = formatOf(document, u"bold italic"_s);
    QVERIFY(boldItalic.font().bold() && boldItalic.fontItalic());
    QCOMPARE(formatOf(document, u"Large"_s).fontPointSize(), 20.0);
    QCOMPARE(formatOf(document, u"small"_s).fontPointSize(), 8.0);
    QCOMPARE(formatOf(document, u"Red words"_s).foreground().color(), QColor(255, 0, 0));
    QCOMPARE(formatOf(document, u"blue words"_s).foreground().color(), QColor(0, 0, 255));
    QCOMPARE(formatOf(document, u"Courier"_s).fontFamilies().toStringList(), QStringList {u"Courier New"_s});
    QCOMPARE(formatOf(document, u"Plain"_s).fontFamilies().toStringList(), QStringList {u"Liberation Serif"_s});
    QCOMPARE(blockFormatOf(document, u"first bullet"_s).leftMargin(), 709 / 15.0);
    QCOMPARE(blockFormatOf(document, u"first bullet"_s).textIndent(), -283 / 15.0);
}

void TestRtfReader::libreOfficeLayout()
{
    QTextDocument document;
    const QString text = read(testData("libreoffice-layout.rtf"), document);
    QCOMPARE(text.split(u'\n'),
             QStringList({u"Centred title"_s, u"Right side"_s, u"Indented one inch"_s,
                          u"Body with a note and a link text here."_s, u"Tabbed\tcolumn"_s,
                          u"Braces {curly} and back\\slash."_s, QString()}));
    QCOMPARE(blockFormatOf(document, u"Centred"_s).alignment(), Qt::AlignHCenter);
    QCOMPARE(blockFormatOf(document, u"Right side"_s).alignment(), Qt::AlignRight);
    QCOMPARE(blockFormatOf(document, u"Indented"_s).leftMargin(), 96.0);
    QCOMPARE(blockFormatOf(document, u"Body"_s).alignment(), Qt::AlignLeft);
    QVERIFY(formatOf(document, u"link text"_s).fontUnderline());
    QCOMPARE(formatOf(document, u"link text"_s).foreground().color(), QColor(0, 0, 128));
}

void TestRtfReader::survivesBadInput_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("not RTF: plain text") << "Hello\nWorld {\\b not rtf}"_ba << u"Hello\nWorld {\\b not rtf}"_s;
    QTest::newRow("not RTF: Latin-1 text") << "caf\xe9 \x80"_ba << u"café €"_s;
    QTest::newRow("not RTF: controls dropped") << "a\x01\x02"
                                                  "b\0c"_ba
                                               << u"abc"_s;
    QTest::newRow("RTF in the wrong case") << "{\\RTF1 x}"_ba << u"{\\RTF1 x}"_s;
    QTest::newRow("truncated in the text") << "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\b bold text"_ba << u"bold text"_s;
    QTest::newRow("truncated in a hex escape") << "{\\rtf1 ab\\'e"_ba << u"ab"_s;
    QTest::newRow("truncated after a backslash") << "{\\rtf1 ab\\"_ba << u"ab"_s;
    QTest::newRow("truncated in a control word") << "{\\rtf1 ab\\pa"_ba << u"ab"_s;
    QTest::newRow("truncated in the font table") << "{\\rtf1{\\fonttbl{\\f0 Ari"_ba << QString();
    QTest::newRow("truncated in a skipped destination") << "{\\rtf1 ab{\\*\\unknown cd"_ba << u"ab"_s;
    QTest::newRow("only the header") << "{\\rtf"_ba << QString();
    QTest::newRow("bad hex escape") << "{\\rtf1 a\\'zzb}"_ba << u"azzb"_s;
    QTest::newRow("surplus closing braces") << "{\\rtf1 a}}}}b"_ba << u"a"_s;
    QTest::newRow("closing braces inside") << "{\\rtf1 a}}{b}"_ba << u"a"_s;
    QTest::newRow("huge parameters") << "{\\rtf1\\fs99999999999999 big\\b-99999999999 x\\li-999999999 y}"_ba
                                     << u"bigxy"_s;
    QTest::newRow("huge binary length") << "{\\rtf1 a\\bin99999999999 rest}"_ba << u"a"_s;
    QTest::newRow("negative binary length") << "{\\rtf1 a\\bin-5 b}"_ba << u"ab"_s;
    QTest::newRow("huge unicode fallback count") << "{\\rtf1\\uc2147483647\\u233 abc}"_ba << u"é"_s;
    QTest::newRow("unicode beyond the character range") << "{\\rtf1\\u99999999 x}"_ba << u"\uFFFD"_s;
    QTest::newRow("lone high surrogate") << "{\\rtf1\\uc0\\u-10179 x}"_ba << u"\uFFFDx"_s;
    QTest::newRow("lone low surrogate") << "{\\rtf1\\uc0\\u-8704 x}"_ba << u"\uFFFDx"_s;
    QTest::newRow("control characters in the text") << "{\\rtf1 a\x01\x7f\\uc0\\u7 b\0c}"_ba << u"abc"_s;
    QTest::newRow("unicode paragraph separator") << "{\\rtf1 a\\u8233?b}"_ba << u"a\u2028b"_s;
    QTest::newRow("colour table overflow")
        << "{\\rtf1{\\colortbl" + QByteArray(100000, ';') + "}\\cf99999 x}"_ba << u"x"_s;
    QTest::newRow("unknown code page") << "{\\rtf1\\ansicpg99999 \\'e9}"_ba << u"é"_s;
}

void TestRtfReader::survivesBadInput()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, text);
    QTextDocument document;
    QCOMPARE(read(data, document), text);
}

void TestRtfReader::deepNestingIsLinear()
{
    constexpr int Depth = 100000;
    const QByteArray opened = "{\\rtf1 a" + QByteArray(Depth, '{') + "\\b deep";
    QElapsedTimer clock;
    clock.start();
    QTextDocument closedDocument;
    QCOMPARE(read(opened + QByteArray(Depth, '}') + " after}", closedDocument), u"adeep after"_s);
    QVERIFY(formatOf(closedDocument, u"deep"_s).font().bold());
    QVERIFY(!formatOf(closedDocument, u"after"_s).font().bold());
    QCOMPARE(read(opened), u"adeep"_s);
    QCOMPARE(read("{\\rtf1 " + QByteArray(Depth, '{') + "x" + QByteArray(Depth / 2, '}') + "y"), u"xy"_s);
    QVERIFY2(clock.elapsed() < 10000, "deep nesting took longer than linear time would");
}

void TestRtfReader::junkNeverCrashes_data()
{
    QTest::addColumn<QByteArray>("data");
    for (quint32 seed = 1; seed <= 8; ++seed) {
        QTest::addRow("binary junk %u", seed) << junk(4096, seed);
        QTest::addRow("RTF header and binary junk %u", seed) << "{\\rtf1 " + junk(4096, seed);
    }
    // Junk made of RTF's own characters reaches more of the reader than random bytes.
    QByteArray syntax;
    QRandomGenerator random(99);
    const QByteArray pieces[] {"{",   "}", "\\", "\\'", "\\u",   "\\bin", "\\*",    "\\fonttbl", "\\colortbl", ";",
                               "\\f", "-", "9",  "a",   "\\par", "\\uc",  "\\pict", "\xe9",      " "};
    for (int i = 0; i < 20000; ++i)
        syntax += pieces[random.bounded(int(std::size(pieces)))];
    QTest::newRow("RTF syntax junk") << "{\\rtf1" + syntax;
}

void TestRtfReader::junkNeverCrashes()
{
    QFETCH(QByteArray, data);
    QTextDocument document;
    RtfReader::read(data, document);
    QVERIFY(showable(document.toPlainText()));
}

void TestRtfReader::readingAgainReplacesTheDocument()
{
    QTextDocument document;
    read("{\\rtf1 first\\par more}"_ba, document);
    QCOMPARE(read("{\\rtf1 second}"_ba, document), u"second"_s);
    QCOMPARE(read("plain"_ba, document), u"plain"_s);
}

QTEST_MAIN(TestRtfReader)
#include "testRtfReader.moc"
