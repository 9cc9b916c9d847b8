#pragma once

#include "dialogs/RtfTextDecoder.h"
#include "dialogs/RtfTokenizer.h"

#include <QByteArrayView>
#include <QColor>
#include <QHash>
#include <QList>
#include <QString>
#include <QTextCursor>

#include <optional>
#include <vector>

class QTextBlockFormat;
class QTextCharFormat;
class QTextDocument;

// Reads an RTF document, as word processors write it, into a QTextDocument for the help viewer: groups,
// paragraphs and line breaks, alignment, indents and spacing, bold, italic, underline and strike-out,
// font sizes, the font and colour tables, \'hh and \uN escapes in the document's code page, tabs, table
// cells as tab-separated lines, list markers as text. Destinations it does not show (style sheet,
// document information, pictures, headers, footers, footnotes, field instructions, anything marked \*)
// are skipped without losing the text around them.
//
// Any input is safe: data that does not start as RTF is shown as plain text, a truncated or unbalanced
// document shows what was read up to its end, nesting deeper than MaxDepth shares the state of the
// deepest kept group, and binary data is stepped over. Reading takes time linear in the input.
class RtfReader
{
public:
    static constexpr int MaxDepth = 1000;

    // Replaces the document's content with what the data holds.
    static void read(QByteArrayView data, QTextDocument &document);
    // True when the data starts, after blanks, as an RTF document: "{\rtf".
    static bool isRtf(QByteArrayView data);

private:
    enum class Destination { Text, FontTable, ColorTable, Skip };
    enum class Word;

    struct CharacterFormat
    {
        int font = -1; // -1: the document's default font
        int halfPoints = 24;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strikeOut = false;
        int foreground = 0; // colour table index; 0 is the automatic colour
        int background = 0;
        int verticalShift = 0; // 1 superscript, -1 subscript

        bool operator==(const CharacterFormat &) const = default;
    };

    struct ParagraphFormat
    {
        Qt::Alignment alignment = Qt::AlignLeft;
        int leftIndent = 0; // twips
        int rightIndent = 0;
        int firstLineIndent = 0;
        int spaceBefore = 0;
        int spaceAfter = 0;
    };

    struct GroupState
    {
        Destination destination = Destination::Text;
        CharacterFormat character;
        ParagraphFormat paragraph;
        int unicodeFallback = 1; // \ucN: characters standing in for each \uN
    };

    struct Font
    {
        QString family;
        int codepage = 0; // 0: the document's
    };

    explicit RtfReader(QTextDocument &document);
    static Word wordOf(QByteArrayView name);

    void parse(QByteArrayView data);
    void take(const RtfTokenizer::Token &token, RtfTokenizer &tokens);
    void takeBytes(QByteArrayView bytes);
    void flushBytes();
    void takeText(const QString &text);
    void controlSymbol(char symbol);
    void controlWord(Word word, const RtfTokenizer::Token &token);
    void characterWord(Word word, const RtfTokenizer::Token &token);
    void paragraphWord(Word word, const RtfTokenizer::Token &token);
    void documentWord(Word word, const RtfTokenizer::Token &token);
    void openGroup();
    void closeGroup();
    void startFont(int index);
    void endFont();
    void endColor();
    void appendRun(const QString &text);
    void flushRun();
    void breakParagraph();
    void finish();

    GroupState &state() { return m_groups.back(); }
    int codepage() const;
    QTextCharFormat charFormat(const CharacterFormat &format) const;
    QTextBlockFormat blockFormat(const ParagraphFormat &format) const;
    std::optional<QColor> color(int index) const;

    QTextCursor m_cursor;
    RtfTextDecoder m_decoder;
    std::vector<GroupState> m_groups;
    int m_excessDepth = 0;
    bool m_finished = false;
    ParagraphFormat m_lastParagraph;

    QByteArray m_bytes;
    int m_fallbackLeft = 0;
    int m_documentCodepage = RtfTextDecoder::WesternCodepage;
    int m_defaultFont = -1;

    QHash<int, Font> m_fonts;
    int m_fontIndex = -1;
    Font m_font;

    QList<std::optional<QColor>> m_colors;
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    bool m_colorGiven = false;

    QString m_run;
    CharacterFormat m_runFormat;
};
