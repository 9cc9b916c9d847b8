#include "dialogs/RtfReader.h"

#include <QStringDecoder>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextDocument>

#include <algorithm>
#include <string_view>

enum class RtfReader::Word {
    Unknown,
    // destinations
    FontTable,
    ColorTable,
    SkippedDestination,
    // characters
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    StrikeOut,
    Plain,
    Font,
    FontSize,
    Foreground,
    Background,
    Superscript,
    Subscript,
    NoShift,
    // paragraphs and breaks
    Paragraph,
    ParagraphDefaults,
    AlignLeft,
    AlignCentre,
    AlignRight,
    Justify,
    LeftIndent,
    RightIndent,
    FirstLineIndent,
    SpaceBefore,
    SpaceAfter,
    LineBreak,
    Tab,
    Cell,
    // special characters
    EmDash,
    EnDash,
    Bullet,
    LeftQuote,
    RightQuote,
    LeftDoubleQuote,
    RightDoubleQuote,
    EmSpace,
    EnSpace,
    QuarterEmSpace,
    // document, encoding and tables
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodepage,
    DefaultFont,
    FontCharset,
    FontCodepage,
    UnicodeFallback,
    Unicode,
    Binary,
    Red,
    Green,
    Blue,
};

using namespace Qt::StringLiterals;

namespace {

constexpr int MaxHalfPoints = 600; // 300 points
constexpr int MaxIndent = 31680; // 22 inches in twips
constexpr int MaxColors = 65536;
constexpr double TwipsPerPixel = 15.0;

} // namespace

RtfReader::Word RtfReader::wordOf(QByteArrayView name)
{
    using W = Word;
    using WordEntry = std::pair<std::string_view, Word>;
    static const std::vector<WordEntry> table = [] {
        std::vector<WordEntry> words {
            {"fonttbl", W::FontTable},
            {"colortbl", W::ColorTable},
            // Destinations whose text is not part of the shown document.
            {"aftncn", W::SkippedDestination},
            {"aftnsep", W::SkippedDestination},
            {"aftnsepc", W::SkippedDestination},
            {"annotation", W::SkippedDestination},
            {"atnauthor", W::SkippedDestination},
            {"atnid", W::SkippedDestination},
            {"background", W::SkippedDestination},
            {"bkmkend", W::SkippedDestination},
            {"bkmkstart", W::SkippedDestination},
            {"colorschememapping", W::SkippedDestination},
            {"datastore", W::SkippedDestination},
            {"docvar", W::SkippedDestination},
            {"fldinst", W::SkippedDestination},
            {"filetbl", W::SkippedDestination},
            {"footer", W::SkippedDestination},
            {"footerf", W::SkippedDestination},
            {"footerl", W::SkippedDestination},
            {"footerr", W::SkippedDestination},
            {"footnote", W::SkippedDestination},
            {"ftncn", W::SkippedDestination},
            {"ftnsep", W::SkippedDestination},
            {"ftnsepc", W::SkippedDestination},
            {"generator", W::SkippedDestination},
            {"header", W::SkippedDestination},
            {"headerf", W::SkippedDestination},
            {"headerl", W::SkippedDestination},
            {"headerr", W::SkippedDestination},
            {"info", W::SkippedDestination},
            {"latentstyles", W::SkippedDestination},
            {"listoverridetable", W::SkippedDestination},
            {"listtable", W::SkippedDestination},
            {"nonshppict", W::SkippedDestination},
            {"object", W::SkippedDestination},
            {"pgdsctbl", W::SkippedDestination},
            {"pict", W::SkippedDestination},
            {"pn", W::SkippedDestination},
            {"pntxta", W::SkippedDestination},
            {"pntxtb", W::SkippedDestination},
            {"private", W::SkippedDestination},
            {"revtbl", W::SkippedDestination},
            {"rsidtbl", W::SkippedDestination},
            {"shp", W::SkippedDestination},
            {"stylesheet", W::SkippedDestination},
            {"tc", W::SkippedDestination},
            {"template", W::SkippedDestination},
            {"themedata", W::SkippedDestination},
            {"userprops", W::SkippedDestination},
            {"xe", W::SkippedDestination},
            {"xmlnstbl", W::SkippedDestination},
            // Character formatting.
            {"b", W::Bold},
            {"i", W::Italic},
            {"ul", W::Underline},
            {"uld", W::Underline},
            {"uldash", W::Underline},
            {"uldashd", W::Underline},
            {"uldashdd", W::Underline},
            {"uldb", W::Underline},
            {"ulhwave", W::Underline},
            {"ulldash", W::Underline},
            {"ulth", W::Underline},
            {"ulthd", W::Underline},
            {"ulthdash", W::Underline},
            {"ulthdashd", W::Underline},
            {"ulthdashdd", W::Underline},
            {"ulthldash", W::Underline},
            {"ululdbwave", W::Underline},
            {"ulw", W::Underline},
            {"ulwave", W::Underline},
            {"ulnone", W::UnderlineNone},
            {"strike", W::StrikeOut},
            {"striked", W::StrikeOut},
            {"plain", W::Plain},
            {"f", W::Font},
            {"fs", W::FontSize},
            {"cf", W::Foreground},
            {"cb", W::Background},
            {"highlight", W::Background},
            {"super", W::Superscript},
            {"sub", W::Subscript},
            {"nosupersub", W::NoShift},
            // Paragraphs and breaks.
            {"par", W::Paragraph},
            {"page", W::Paragraph},
            {"sect", W::Paragraph},
            {"row", W::Paragraph},
            {"nestrow", W::Paragraph},
            {"pard", W::ParagraphDefaults},
            {"ql", W::AlignLeft},
            {"qc", W::AlignCentre},
            {"qr", W::AlignRight},
            {"qj", W::Justify},
            {"li", W::LeftIndent},
            {"ri", W::RightIndent},
            {"fi", W::FirstLineIndent},
            {"sb", W::SpaceBefore},
            {"sa", W::SpaceAfter},
            {"line", W::LineBreak},
            {"tab", W::Tab},
            {"cell", W::Cell},
            {"nestcell", W::Cell},
            // Special characters.
            {"emdash", W::EmDash},
            {"endash", W::EnDash},
            {"bullet", W::Bullet},
            {"lquote", W::LeftQuote},
            {"rquote", W::RightQuote},
            {"ldblquote", W::LeftDoubleQuote},
            {"rdblquote", W::RightDoubleQuote},
            {"emspace", W::EmSpace},
            {"enspace", W::EnSpace},
            {"qmspace", W::QuarterEmSpace},
            // Document, encoding and tables.
            {"ansi", W::Ansi},
            {"mac", W::Mac},
            {"pc", W::Pc},
            {"pca", W::Pca},
            {"ansicpg", W::AnsiCodepage},
            {"deff", W::DefaultFont},
            {"fcharset", W::FontCharset},
            {"cpg", W::FontCodepage},
            {"uc", W::UnicodeFallback},
            {"u", W::Unicode},
            {"bin", W::Binary},
            {"red", W::Red},
            {"green", W::Green},
            {"blue", W::Blue},
        };
        std::sort(words.begin(), words.end());
        return words;
    }();
    const std::string_view key(name.data(), static_cast<size_t>(name.size()));
    const auto found = std::lower_bound(table.begin(), table.end(), key,
                                        [](const WordEntry &entry, std::string_view k) { return entry.first < k; });
    return (found != table.end() && found->first == key) ? found->second : Word::Unknown;
}

namespace {

// A toggle such as \b is on without a parameter and off with \b0.
bool toggle(const RtfTokenizer::Token &token)
{
    return !token.hasParameter || token.parameter != 0;
}

int parameterOr(const RtfTokenizer::Token &token, int fallback)
{
    return token.hasParameter ? token.parameter : fallback;
}

int indent(const RtfTokenizer::Token &token)
{
    return std::clamp(parameterOr(token, 0), -MaxIndent, MaxIndent);
}

// What the text view can show: controls other than the tab go, and a surrogate without its partner
// becomes the replacement character.
QString showable(const QString &text)
{
    // Most runs are plain text that needs no change.
    const bool plain = std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return c == u'\t'
            || (c.unicode() >= 0x20
                && (c.unicode() < 0x7F || (c.unicode() >= 0xA0 && !c.isSurrogate() && c != QChar::ParagraphSeparator)));
    });
    if (plain)
        return text;
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            shown += c;
            shown += text[++i];
        } else if (c.isSurrogate()) {
            shown += QChar(QChar::ReplacementCharacter);
        } else if (c == QChar::ParagraphSeparator) {
            shown += QChar(QChar::LineSeparator);
        } else if (c == u'\t' || (c.unicode() >= 0x20 && (c.unicode() < 0x7F || c.unicode() >= 0xA0))) {
            shown += c;
        }
    }
    return shown;
}

// Where a piece of at most max characters of text, from start, ends: not between the two halves of a
// surrogate pair.
qsizetype pieceEnd(QStringView text, qsizetype start, qsizetype max)
{
    qsizetype end = std::min(text.size(), start + max);
    if (end < text.size() && end > start + 1 && text[end - 1].isHighSurrogate())
        --end;
    return end;
}

QString plainText(QByteArrayView data)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(data);
    if (utf8.hasError())
        text = RtfTextDecoder().decode(data, RtfTextDecoder::WesternCodepage);
    text.removeIf([](QChar c) { return c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r'; });
    // Lines beyond the longest paragraph are broken.
    QString broken;
    qsizetype lineStart = 0;
    while (lineStart <= text.size()) {
        qsizetype lineEnd = text.indexOf(u'\n', lineStart);
        if (lineEnd < 0)
            lineEnd = text.size();
        const QStringView line = QStringView(text).sliced(lineStart, lineEnd - lineStart);
        if (line.size() <= RtfReader::MaxParagraph) {
            broken += line;
        } else {
            for (qsizetype start = 0; start < line.size();) {
                const qsizetype end = pieceEnd(line, start, RtfReader::MaxParagraph);
                if (start > 0)
                    broken += u'\n';
                broken += line.sliced(start, end - start);
                start = end;
            }
        }
        if (lineEnd < text.size())
            broken += u'\n';
        lineStart = lineEnd + 1;
    }
    return broken;
}

qsizetype startOfRtf(QByteArrayView data)
{
    qsizetype start = data.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (start < data.size()
           && (data[start] == ' ' || data[start] == '\t' || data[start] == '\r' || data[start] == '\n'))
        ++start;
    return start;
}

} // namespace

bool RtfReader::isRtf(QByteArrayView data)
{
    return data.sliced(startOfRtf(data)).startsWith("{\\rtf");
}

void RtfReader::read(QByteArrayView data, QTextDocument &document)
{
    document.clear();
    if (!isRtf(data)) {
        document.setPlainText(plainText(data));
        return;
    }
    // One edit without undo steps: no cursor position or layout is worked out after each insertion, so
    // the time stays linear in the number of paragraphs.
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    RtfReader reader(document);
    reader.m_cursor.beginEditBlock();
    reader.parse(data.sliced(startOfRtf(data)));
    reader.m_cursor.endEditBlock();
    document.setUndoRedoEnabled(undo);
}

RtfReader::RtfReader(QTextDocument &document)
    : m_cursor(&document)
    , m_groups(1)
{
}

void RtfReader::parse(QByteArrayView data)
{
    RtfTokenizer tokens(data);
    while (!m_finished) {
        const RtfTokenizer::Token token = tokens.next();
        if (token.kind == RtfTokenizer::Kind::End)
            break;
        take(token, tokens);
    }
    finish();
}

void RtfReader::take(const RtfTokenizer::Token &token, RtfTokenizer &tokens)
{
    using Kind = RtfTokenizer::Kind;
    if (token.kind == Kind::Text) {
        takeBytes(token.text);
        return;
    }
    if (token.kind == Kind::HexByte) {
        takeBytes(QByteArrayView(&token.byte, 1));
        return;
    }
    flushBytes();
    const Word word = token.kind == Kind::ControlWord ? wordOf(token.text) : Word::Unknown;
    if (word == Word::Binary) {
        // Binary data is never text, whatever state the reader is in.
        tokens.skip(parameterOr(token, 0));
        return;
    }
    if (token.kind == Kind::GroupStart || token.kind == Kind::GroupEnd) {
        m_fallbackLeft = 0;
        if (token.kind == Kind::GroupStart)
            openGroup();
        else
            closeGroup();
        return;
    }
    // A control word or symbol counts as one fallback character after \uN.
    if (m_fallbackLeft > 0) {
        --m_fallbackLeft;
        return;
    }
    if (token.kind == Kind::ControlSymbol)
        controlSymbol(token.symbol);
    else
        controlWord(word, token);
}

void RtfReader::takeBytes(QByteArrayView bytes)
{
    const qsizetype skipped = std::min<qsizetype>(m_fallbackLeft, bytes.size());
    m_fallbackLeft -= static_cast<int>(skipped);
    if (state().destination != Destination::Skip)
        m_bytes += bytes.sliced(skipped);
}

void RtfReader::flushBytes()
{
    if (m_bytes.isEmpty())
        return;
    const QString text = m_decoder.decode(m_bytes, codepage());
    m_bytes.clear();
    takeText(text);
}

int RtfReader::codepage() const
{
    int fontCodepage = 0;
    const GroupState &current = m_groups.back();
    if (current.destination == Destination::FontTable) {
        fontCodepage = m_font.codepage;
    } else {
        const int font = current.character.font < 0 ? m_defaultFont : current.character.font;
        fontCodepage = m_fonts.value(font).codepage;
    }
    return fontCodepage > 0 ? fontCodepage : m_documentCodepage;
}

void RtfReader::takeText(const QString &text)
{
    switch (state().destination) {
    case Destination::Text:
        appendRun(text);
        break;
    case Destination::FontTable:
        for (const QChar c : text) {
            if (c == u';')
                endFont();
            else
                m_font.family += c;
        }
        break;
    case Destination::ColorTable:
        for (const QChar c : text) {
            if (c == u';')
                endColor();
        }
        break;
    case Destination::Skip:
        break;
    }
}

void RtfReader::controlSymbol(char symbol)
{
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        takeText(QString(QLatin1Char(symbol)));
        break;
    case '~':
        takeText(QString(QChar(QChar::Nbsp)));
        break;
    case '_':
        takeText(QString(QChar(0x2011)));
        break;
    case '-':
        takeText(QString(QChar(QChar::SoftHyphen)));
        break;
    case '\n':
        if (state().destination == Destination::Text)
            breakParagraph();
        break;
    case '*':
        // "Skip this group unless you know it": none of the marked destinations is shown.
        state().destination = Destination::Skip;
        break;
    default:
        break;
    }
}

void RtfReader::controlWord(Word word, const RtfTokenizer::Token &token)
{
    switch (word) {
    case Word::FontTable:
        state().destination = Destination::FontTable;
        break;
    case Word::ColorTable:
        state().destination = Destination::ColorTable;
        break;
    case Word::SkippedDestination:
        state().destination = Destination::Skip;
        break;
    case Word::Paragraph:
        if (state().destination == Destination::Text)
            breakParagraph();
        break;
    case Word::LineBreak:
        takeText(QString(QChar(QChar::LineSeparator)));
        break;
    case Word::Tab:
    case Word::Cell:
        takeText(u"\t"_s);
        break;
    case Word::EmDash:
        takeText(QString(QChar(0x2014)));
        break;
    case Word::EnDash:
        takeText(QString(QChar(0x2013)));
        break;
    case Word::Bullet:
        takeText(QString(QChar(0x2022)));
        break;
    case Word::LeftQuote:
        takeText(QString(QChar(0x2018)));
        break;
    case Word::RightQuote:
        takeText(QString(QChar(0x2019)));
        break;
    case Word::LeftDoubleQuote:
        takeText(QString(QChar(0x201C)));
        break;
    case Word::RightDoubleQuote:
        takeText(QString(QChar(0x201D)));
        break;
    case Word::EmSpace:
        takeText(QString(QChar(0x2003)));
        break;
    case Word::EnSpace:
        takeText(QString(QChar(0x2002)));
        break;
    case Word::QuarterEmSpace:
        takeText(QString(QChar(0x2005)));
        break;
    default:
        characterWord(word, token);
        paragraphWord(word, token);
        documentWord(word, token);
        break;
    }
}

void RtfReader::characterWord(Word word, const RtfTokenizer::Token &token)
{
    CharacterFormat &format = state().character;
    switch (word) {
    case Word::Bold:
        format.bold = toggle(token);
        break;
    case Word::Italic:
        format.italic = toggle(token);
        break;
    case Word::Underline:
        format.underline = toggle(token);
        break;
    case Word::UnderlineNone:
        format.underline = false;
        break;
    case Word::StrikeOut:
        format.strikeOut = toggle(token);
        break;
    case Word::Plain:
        format = CharacterFormat();
        break;
    case Word::Font:
        if (state().destination == Destination::FontTable)
            startFont(parameterOr(token, 0));
        else
            format.font = parameterOr(token, -1);
        break;
    case Word::FontSize:
        format.halfPoints = std::clamp(parameterOr(token, 24), 2, MaxHalfPoints);
        break;
    case Word::Foreground:
        format.foreground = parameterOr(token, 0);
        break;
    case Word::Background:
        format.background = parameterOr(token, 0);
        break;
    case Word::Superscript:
        format.verticalShift = 1;
        break;
    case Word::Subscript:
        format.verticalShift = -1;
        break;
    case Word::NoShift:
        format.verticalShift = 0;
        break;
    default:
        break;
    }
}

void RtfReader::paragraphWord(Word word, const RtfTokenizer::Token &token)
{
    ParagraphFormat &format = state().paragraph;
    switch (word) {
    case Word::ParagraphDefaults:
        format = ParagraphFormat();
        break;
    case Word::AlignLeft:
        format.alignment = Qt::AlignLeft;
        break;
    case Word::AlignCentre:
        format.alignment = Qt::AlignHCenter;
        break;
    case Word::AlignRight:
        format.alignment = Qt::AlignRight;
        break;
    case Word::Justify:
        format.alignment = Qt::AlignJustify;
        break;
    case Word::LeftIndent:
        format.leftIndent = indent(token);
        break;
    case Word::RightIndent:
        format.rightIndent = indent(token);
        break;
    case Word::FirstLineIndent:
        format.firstLineIndent = indent(token);
        break;
    case Word::SpaceBefore:
        format.spaceBefore = std::max(0, indent(token));
        break;
    case Word::SpaceAfter:
        format.spaceAfter = std::max(0, indent(token));
        break;
    default:
        break;
    }
}

void RtfReader::documentWord(Word word, const RtfTokenizer::Token &token)
{
    switch (word) {
    case Word::Ansi:
        m_documentCodepage = RtfTextDecoder::WesternCodepage;
        break;
    case Word::Mac:
        m_documentCodepage = 10000;
        break;
    case Word::Pc:
        m_documentCodepage = 437;
        break;
    case Word::Pca:
        m_documentCodepage = 850;
        break;
    case Word::AnsiCodepage:
        if (parameterOr(token, 0) > 0)
            m_documentCodepage = token.parameter;
        break;
    case Word::DefaultFont:
        m_defaultFont = parameterOr(token, -1);
        m_charFormats.clear();
        break;
    case Word::FontCharset:
        m_font.codepage = RtfTextDecoder::codepageOfCharset(parameterOr(token, 0), 0);
        break;
    case Word::FontCodepage:
        m_font.codepage = std::max(0, parameterOr(token, 0));
        break;
    case Word::UnicodeFallback:
        state().unicodeFallback = std::max(0, parameterOr(token, 1));
        break;
    case Word::Unicode: {
        // \uN is a signed 16-bit number; values past the 16 bits are not characters.
        const int value = parameterOr(token, 0);
        const char32_t code = static_cast<char32_t>(value < 0 ? value + 65536 : value);
        takeText(code <= 0x10FFFF ? QString::fromUcs4(&code, 1) : QString(QChar(QChar::ReplacementCharacter)));
        m_fallbackLeft = state().unicodeFallback;
        break;
    }
    case Word::Red:
        m_red = std::clamp(parameterOr(token, 0), 0, 255);
        m_colorGiven = true;
        break;
    case Word::Green:
        m_green = std::clamp(parameterOr(token, 0), 0, 255);
        m_colorGiven = true;
        break;
    case Word::Blue:
        m_blue = std::clamp(parameterOr(token, 0), 0, 255);
        m_colorGiven = true;
        break;
    default:
        break;
    }
}

void RtfReader::openGroup()
{
    if (m_groups.size() > MaxDepth) {
        ++m_excessDepth;
        return;
    }
    m_groups.push_back(m_groups.back());
}

void RtfReader::closeGroup()
{
    if (m_excessDepth > 0) {
        --m_excessDepth;
        return;
    }
    // A font entry that lacks its closing semicolon still counts.
    if (state().destination == Destination::FontTable && !m_font.family.trimmed().isEmpty())
        endFont();
    if (m_groups.size() <= 2) {
        // The document's own closing brace: whatever follows it is not part of the document.
        m_lastParagraph = state().paragraph;
        m_finished = true;
        return;
    }
    m_groups.pop_back();
}

void RtfReader::startFont(int index)
{
    m_fontIndex = index;
    m_font = Font();
}

void RtfReader::endFont()
{
    m_font.family = m_font.family.trimmed();
    if (m_fontIndex >= 0)
        m_fonts.insert(m_fontIndex, m_font);
    m_charFormats.clear();
    m_font.family.clear();
}

void RtfReader::endColor()
{
    if (m_colors.size() < MaxColors)
        m_colors.append(m_colorGiven ? std::optional<QColor>(QColor(m_red, m_green, m_blue)) : std::nullopt);
    m_charFormats.clear();
    m_red = m_green = m_blue = 0;
    m_colorGiven = false;
}

void RtfReader::appendRun(const QString &text)
{
    if (state().character != m_runFormat) {
        flushRun();
        m_runFormat = state().character;
    }
    // A paragraph that grows past the longest one a view lays out at once goes on in a new paragraph.
    for (qsizetype start = 0; start < text.size();) {
        if (m_paragraphLength >= MaxParagraph)
            breakParagraph();
        const qsizetype end = pieceEnd(text, start, MaxParagraph - m_paragraphLength);
        m_run += QStringView(text).sliced(start, end - start);
        m_paragraphLength += end - start;
        start = end;
    }
}

void RtfReader::flushRun()
{
    if (m_run.isEmpty())
        return;
    m_cursor.insertText(showable(m_run), charFormat(m_runFormat));
    m_run.clear();
}

void RtfReader::breakParagraph()
{
    flushRun();
    m_paragraphLength = 0;
    // Paragraph properties are those in force at the paragraph mark. The paragraph took them when it
    // was begun; they are set again only where they have changed since.
    const QTextBlockFormat paragraph = blockFormat(state().paragraph);
    const QTextCharFormat character = charFormat(state().character);
    if (m_blockParagraph != state().paragraph)
        m_cursor.setBlockFormat(paragraph);
    if (m_blockCharacter != state().character)
        m_cursor.setBlockCharFormat(character);
    m_cursor.insertBlock(paragraph, character);
    m_blockParagraph = state().paragraph;
    m_blockCharacter = state().character;
}

void RtfReader::finish()
{
    flushBytes();
    flushRun();
    m_cursor.setBlockFormat(blockFormat(m_finished ? m_lastParagraph : state().paragraph));
}

std::optional<QColor> RtfReader::color(int index) const
{
    return (index > 0 && index < m_colors.size()) ? m_colors[index] : std::nullopt;
}

QTextCharFormat RtfReader::charFormat(const CharacterFormat &format)
{
    for (const auto &[known, made] : std::as_const(m_charFormats)) {
        if (known == format)
            return made;
    }
    if (m_charFormats.size() >= FormatCacheSize)
        m_charFormats.removeFirst();
    m_charFormats.append({format, makeCharFormat(format)});
    return m_charFormats.constLast().second;
}

QTextBlockFormat RtfReader::blockFormat(const ParagraphFormat &format)
{
    for (const auto &[known, made] : std::as_const(m_blockFormats)) {
        if (known == format)
            return made;
    }
    if (m_blockFormats.size() >= FormatCacheSize)
        m_blockFormats.removeFirst();
    m_blockFormats.append({format, makeBlockFormat(format)});
    return m_blockFormats.constLast().second;
}

QTextCharFormat RtfReader::makeCharFormat(const CharacterFormat &format) const
{
    QTextCharFormat result;
    const auto font = m_fonts.constFind(format.font < 0 ? m_defaultFont : format.font);
    if (font != m_fonts.constEnd() && !font->family.isEmpty())
        result.setFontFamilies(QStringList {font->family});
    result.setFontPointSize(format.halfPoints / 2.0);
    result.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    result.setFontItalic(format.italic);
    result.setFontUnderline(format.underline);
    result.setFontStrikeOut(format.strikeOut);
    if (const auto foreground = color(format.foreground))
        result.setForeground(*foreground);
    if (const auto background = color(format.background))
        result.setBackground(*background);
    if (format.verticalShift != 0)
        result.setVerticalAlignment(format.verticalShift > 0 ? QTextCharFormat::AlignSuperScript
                                                             : QTextCharFormat::AlignSubScript);
    return result;
}

QTextBlockFormat RtfReader::makeBlockFormat(const ParagraphFormat &format) const
{
    QTextBlockFormat result;
    result.setAlignment(format.alignment);
    result.setLeftMargin(format.leftIndent / TwipsPerPixel);
    result.setRightMargin(format.rightIndent / TwipsPerPixel);
    result.setTextIndent(format.firstLineIndent / TwipsPerPixel);
    result.setTopMargin(format.spaceBefore / TwipsPerPixel);
    result.setBottomMargin(format.spaceAfter / TwipsPerPixel);
    return result;
}
