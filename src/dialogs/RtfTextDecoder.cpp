#include "dialogs/RtfTextDecoder.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80 to 0x9F; its five unassigned bytes map as Windows
// maps them, to the C1 controls of the same value.
constexpr std::array<char16_t, 32> WesternHighControls {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr std::array<std::pair<int, int>, 17> CharsetCodepages {{
    {77, 10000},
    {128, 932},
    {129, 949},
    {130, 1361},
    {134, 936},
    {136, 950},
    {161, 1253},
    {162, 1254},
    {163, 1258},
    {177, 1255},
    {178, 1256},
    {186, 1257},
    {204, 1251},
    {222, 874},
    {238, 1250},
    {254, 437},
    {255, 850},
}};

QByteArray converterName(int codepage)
{
    if (codepage == 65001)
        return "UTF-8";
    if (codepage == 10000)
        return "macintosh";
    if (codepage < 1000)
        return "IBM" + QByteArray::number(codepage);
    return "windows-" + QByteArray::number(codepage);
}

} // namespace

int RtfTextDecoder::codepageOfCharset(int charset, int documentCodepage)
{
    const auto found = std::find_if(CharsetCodepages.begin(), CharsetCodepages.end(),
                                    [charset](const auto &entry) { return entry.first == charset; });
    return found == CharsetCodepages.end() ? documentCodepage : found->second;
}

QString RtfTextDecoder::decode(QByteArrayView bytes, int codepage)
{
    if (codepage == WesternCodepage)
        return decodeWestern(bytes);
    if (QStringDecoder *decoder = decoderFor(codepage))
        return decoder->decode(bytes);
    return QString::fromLatin1(bytes);
}

QString RtfTextDecoder::decodeWestern(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = (byte >= 0x80 && byte < 0xA0) ? QChar(WesternHighControls[byte - 0x80]) : QChar(char16_t(byte));
    }
    return text;
}

QStringDecoder *RtfTextDecoder::decoderFor(int codepage)
{
    auto found = m_decoders.find(codepage);
    if (found == m_decoders.end()) {
        // Each piece of text is decoded on its own, so a broken sequence cannot swallow what follows it.
        auto decoder
            = std::make_unique<QStringDecoder>(converterName(codepage).constData(), QStringConverter::Flag::Stateless);
        if (!decoder->isValid())
            decoder.reset();
        found = m_decoders.emplace(codepage, std::move(decoder)).first;
    }
    return found->second.get();
}
