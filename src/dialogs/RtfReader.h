#pragma once

#include "dialogs/RtfTextDecoder.h"
#include "dialogs/RtfTokenizer.h"

#include <QByteArrayView>
#include <QColor>
#include <QHash>
#include <QList>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

#include <optional>
#include <vector>

class QTextDocument;

// Reads an RTF document, as word processors write it, into a QTextDocument for the help viewer: groups,
// paragraphs and line breaks, alignment, indents and spacing, bold, italic, underline and strike-out,
// font sizes, the font and colour tables, \'hh and \uN escapes in the document's code page, tabs, table
// cells as tab-separated lines, list markers as text. Destinations it does not show (style sheet,
// document information, pictures, headers, footers, footnotes, field instructions, anything marked \*)
// are skipped without losing the text around them.
//
// Any input is safe: data that does not start as RTF is shown as plain text, a truncated or unbalanced
// document shows what was read up to its end, a paragraph longer than MaxParagraph characters (junk, or
// a file that is not a document) is broken into paragraphs of that length so that a view can lay it out
// a piece at a time, nesting deeper than MaxDepth shares the state of the
// deepest kept group, and binary data is stepped over. Reading takes time linear in the input; the document
// is filled as one edit without undo steps, so a document that no view shows yet (build it off-screen, on
// any thread, and hand it to the view once) takes about a second for 200,000 paragraphs.
class RtfReader
{
public:
    static constexpr int MaxDepth = 1000;
    static constexpr qsizetype MaxParagraph = 2000;

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

        bool operator==(const ParagraphFormat &) const = default;
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
    QTextCharFormat charFormat(const CharacterFormat &format);
    QTextBlockFormat blockFormat(const ParagraphFormat &format);
    QTextCharFormat makeCharFormat(const CharacterFormat &format) const;
    QTextBlockFormat makeBlockFormat(const ParagraphFormat &format) const;
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
    // Characters of the paragraph being read, the run included.
    qsizetype m_paragraphLength = 0;
    // The formats the paragraph being read was begun with; none for the document's first.
    std::optional<ParagraphFormat> m_blockParagraph;
    std::optional<CharacterFormat> m_blockCharacter;

    // The Qt formats of the last few character and paragraph formats: a document switches between a
    // handful of them, and building one for every run and paragraph costs more than inserting the text.
    static constexpr qsizetype FormatCacheSize = 8;
    QList<std::pair<CharacterFormat, QTextCharFormat>> m_charFormats;
    QList<std::pair<ParagraphFormat, QTextBlockFormat>> m_blockFormats;
};
