#pragma once

#include <QImage>

#include <algorithm>
#include <cstdlib>

// How far two renderings of the same thing lie apart: the largest difference of one colour channel and
// the share of pixels that differ at all. Images of different sizes differ entirely.
struct ImageDifference
{
    int largest = 0;
    double share = 0;

    static ImageDifference between(const QImage &first, const QImage &second)
    {
        if (first.size() != second.size())
            return {255, 1};
        const QImage a = first.convertToFormat(QImage::Format_RGB32);
        const QImage b = second.convertToFormat(QImage::Format_RGB32);
        ImageDifference difference;
        qsizetype differing = 0;
        for (int y = 0; y < a.height(); ++y) {
            const auto *lineA = reinterpret_cast<const QRgb *>(a.constScanLine(y));
            const auto *lineB = reinterpret_cast<const QRgb *>(b.constScanLine(y));
            for (int x = 0; x < a.width(); ++x) {
                const int largest = std::max({std::abs(qRed(lineA[x]) - qRed(lineB[x])),
                                              std::abs(qGreen(lineA[x]) - qGreen(lineB[x])),
                                              std::abs(qBlue(lineA[x]) - qBlue(lineB[x]))});
                difference.largest = std::max(difference.largest, largest);
                differing += largest > 0 ? 1 : 0;
            }
        }
        difference.share = a.isNull() ? 0 : double(differing) / (double(a.width()) * a.height());
        return difference;
    }
};
