#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <map>
#include <memory>

// Turns the 8-bit text of an RTF document (raw bytes and \'hh escapes) into Unicode for the code page in
// force: the document's \ansicpgN, or the one that the current font's \fcharsetN or \cpgN names.
// Windows-1252, the usual one, is built in; other code pages use the system's converters where it has
// them and read as Latin-1 where it has not, so no byte is ever lost.
class RtfTextDecoder
{
public:
    static constexpr int WesternCodepage = 1252;

    // The code page of a font character set (\fcharsetN); the ANSI and default sets mean the document's.
    static int codepageOfCharset(int charset, int documentCodepage);

    QString decode(QByteArrayView bytes, int codepage);

private:
    static QString decodeWestern(QByteArrayView bytes);
    QStringDecoder *decoderFor(int codepage);

    std::map<int, std::unique_ptr<QStringDecoder>> m_decoders;
};
