#include "dialogs/SplashLogo.h"

#include "dialogs/SplashDesign.h"

#include <QDir>

SplashLogo::SplashLogo(const QString &programFolder)
    : m_image(std::async(std::launch::async,
                         [file = QDir(programFolder).filePath(SplashDesign::logoFileName())] { return QImage(file); }))
{
}

QImage SplashLogo::take()
{
    return m_image.valid() ? m_image.get() : QImage();
}
