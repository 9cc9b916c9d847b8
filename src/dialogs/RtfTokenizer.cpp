#include "dialogs/RtfTokenizer.h"

#include <algorithm>
#include <limits>

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

RtfTokenizer::Token tokenOf(RtfTokenizer::Kind kind)
{
    RtfTokenizer::Token token;
    token.kind = kind;
    return token;
}

} // namespace

RtfTokenizer::RtfTokenizer(QByteArrayView data)
    : m_data(data)
{
}

RtfTokenizer::Token RtfTokenizer::next()
{
    // Line ends in RTF source carry no meaning; they only keep lines short.
    while (!atEnd() && (m_data[m_position] == '\r' || m_data[m_position] == '\n'))
        ++m_position;
    if (atEnd())
        return {};
    const char c = m_data[m_position];
    if (c == '{') {
        ++m_position;
        return tokenOf(Kind::GroupStart);
    }
    if (c == '}') {
        ++m_position;
        return tokenOf(Kind::GroupEnd);
    }
    if (c == '\\')
        return escape();
    const qsizetype start = m_position;
    while (!atEnd()) {
        const char d = m_data[m_position];
        if (d == '\\' || d == '{' || d == '}' || d == '\r' || d == '\n')
            break;
        ++m_position;
    }
    Token token;
    token.kind = Kind::Text;
    token.text = m_data.sliced(start, m_position - start);
    return token;
}

void RtfTokenizer::skip(qint64 count)
{
    m_position += static_cast<qsizetype>(std::clamp<qint64>(count, 0, m_data.size() - m_position));
}

RtfTokenizer::Token RtfTokenizer::escape()
{
    ++m_position; // the backslash
    if (atEnd())
        return {};
    const char c = m_data[m_position];
    if (isLetter(c))
        return controlWord();
    ++m_position;
    if (c == '\'')
        return hexByte();
    Token token;
    token.kind = Kind::ControlSymbol;
    // A backslash before a line end is a paragraph mark.
    token.symbol = (c == '\r') ? '\n' : c;
    return token;
}

RtfTokenizer::Token RtfTokenizer::hexByte()
{
    // Both digits are consumed when present; an escape cut short by a non-digit or the end is dropped.
    int value = 0;
    int digits = 0;
    while (digits < 2 && !atEnd() && hexValue(m_data[m_position]) >= 0) {
        value = value * 16 + hexValue(m_data[m_position]);
        ++m_position;
        ++digits;
    }
    if (digits < 2)
        return tokenOf(Kind::ControlSymbol);
    Token token;
    token.kind = Kind::HexByte;
    token.byte = static_cast<unsigned char>(value);
    return token;
}

RtfTokenizer::Token RtfTokenizer::controlWord()
{
    const qsizetype start = m_position;
    while (!atEnd() && isLetter(m_data[m_position]))
        ++m_position;
    Token token;
    token.kind = Kind::ControlWord;
    token.text = m_data.sliced(start, m_position - start);
    const bool negative
        = !atEnd() && m_data[m_position] == '-' && m_position + 1 < m_data.size() && isDigit(m_data[m_position + 1]);
    if (negative)
        ++m_position;
    if (!atEnd() && isDigit(m_data[m_position])) {
        token.hasParameter = true;
        token.parameter = readParameter(negative);
    }
    // One blank ends a control word and belongs to it.
    if (!atEnd() && m_data[m_position] == ' ')
        ++m_position;
    return token;
}

int RtfTokenizer::readParameter(bool negative)
{
    // Every digit belongs to the parameter; one too large for an int saturates instead of overflowing.
    constexpr qint64 Limit = std::numeric_limits<int>::max();
    qint64 value = 0;
    while (!atEnd() && isDigit(m_data[m_position])) {
        value = std::min(Limit, value * 10 + (m_data[m_position] - '0'));
        ++m_position;
    }
    return static_cast<int>(negative ? -value : value);
}
