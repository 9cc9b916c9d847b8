#include "board/PictureFit.h"

#include "widgets/Image.h"

#include <QFileInfo>
#include <QImageReader>

#include <optional>

namespace {

// The tallest picture whose height in twips a 16-bit field can hold.
constexpr int MaxHeightTwips = 32767;

std::optional<QImage> readPicture(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QImageReader reader(path);
    // Decide on the declared size before decoding, so that a huge file is refused cheaply.
    const QSize declared = reader.size();
    if (declared.isValid() && declared.height() * qint64(Element::TwipsPerPixel) > MaxHeightTwips)
        return std::nullopt;
    QImage picture = reader.read();
    if (picture.isNull() || picture.height() * qint64(Element::TwipsPerPixel) > MaxHeightTwips)
        return std::nullopt;
    return picture;
}

void fit(Image *image, const Element *container, const QImage &picture)
{
    image->setPicture(picture);
    const double w = image->widthTwips();
    const double h = image->heightTwips();
    const double boxWidth = container->widthTwips();
    const double boxHeight = container->heightTwips();
    if (h / boxHeight > w / boxWidth) {
        image->setHeightTwips(boxHeight);
        image->setWidthTwips(image->heightTwips() * w / h);
    } else {
        image->setWidthTwips(boxWidth);
        image->setHeightTwips(image->widthTwips() * h / w);
    }
    image->setLeftTwips((boxWidth - image->widthTwips()) / 2);
    image->setTopTwips((boxHeight - image->heightTwips()) / 2);
}

} // namespace

namespace PictureFit {

void FitPicture(Image *image, const Element *container, const QString &path)
{
    image->setVisible(false);
    image->setStretch(false);
    if (const std::optional<QImage> picture = readPicture(path);
        picture && container->widthTwips() > 0 && container->heightTwips() > 0)
        fit(image, container, *picture);
    image->setStretch(true);
    image->setVisible(true);
}

} // namespace PictureFit
