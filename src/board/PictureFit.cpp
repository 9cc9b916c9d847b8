#include "board/PictureFit.h"

#include "board/BoardDesign.h"
#include "widgets/Image.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

void fit(Image *image, const Element *container)
{
    const double boxWidth = container->widthTwips();
    const double boxHeight = container->heightTwips();
    const QImage &picture = image->picture();
    if (picture.isNull() || boxWidth <= 0 || boxHeight <= 0)
        return;
    const double w = picture.width();
    const double h = picture.height();
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

QSize decodeBound()
{
    static const QSize bound = [] {
        const WindowDesign design = BoardDesign::window();
        QSize largest;
        for (const ElementDesign &element : design.elements) {
            if (element.kind != u"Image"_s)
                continue;
            // The picture's container: its box scales with the window.
            for (const ElementDesign &container : design.elements) {
                if (container.name != element.container)
                    continue;
                double width = 0;
                double height = 0;
                for (const DesignProperty &property : container.properties) {
                    if (qstrcmp(property.name, "Width") == 0)
                        width = property.value.toDouble();
                    else if (qstrcmp(property.name, "Height") == 0)
                        height = property.value.toDouble();
                }
                largest
                    = largest.expandedTo(QSize(int(std::ceil(width / design.clientWidth * LargestScreen.width())),
                                               int(std::ceil(height / design.clientHeight * LargestScreen.height()))));
            }
        }
        return largest;
    }();
    return bound;
}

void ShowPicture(Image *image, const Element *container, const QImage &picture)
{
    image->setStretch(true);
    image->setPicture(picture);
    fit(image, container);
}

void Refit(Image *image, const Element *container)
{
    fit(image, container);
}

} // namespace PictureFit
