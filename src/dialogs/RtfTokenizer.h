#pragma once

#include <QByteArrayView>

// Splits RTF bytes into the tokens of the format: group braces, control words with their optional
// numeric parameter, control symbols, \'hh escapes and runs of plain text. It never fails and never
// reads past the end: whatever the bytes are, every call consumes at least one of them until End.
class RtfTokenizer
{
public:
    enum class Kind {
        End,
        GroupStart,
        GroupEnd,
        ControlWord, // text: the letters; parameter when hasParameter
        ControlSymbol, // symbol: the character after the backslash
        HexByte, // byte: the value of \'hh
        Text, // text: a run of bytes holding none of \ { } CR LF
    };

    struct Token
    {
        Kind kind = Kind::End;
        QByteArrayView text;
        bool hasParameter = false;
        int parameter = 0;
        char symbol = 0;
        unsigned char byte = 0;
    };

    explicit RtfTokenizer(QByteArrayView data);

    Token next();
    // Steps over count bytes of binary data (\binN), at most to the end.
    void skip(qint64 count);
    bool atEnd() const { return m_position >= m_data.size(); }

private:
    Token controlWord();
    Token escape();
    Token hexByte();
    int readParameter(bool negative);

    QByteArrayView m_data;
    qsizetype m_position = 0;
};
