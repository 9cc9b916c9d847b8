#include "core/BackgroundWork.h"
#include "core/FileAccess.h"
#include "widgets/PictureLoader.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <atomic>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

const QSize Bound(1075, 434);

QString writePicture(const QString &path, QSize size, const char *format, QColor colour = Qt::darkBlue)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    QPainter painter(&picture);
    painter.setBrush(Qt::yellow);
    painter.drawEllipse(
        QRect(QPoint(), size).adjusted(size.width() / 8, size.height() / 8, -size.width() / 8, -size.height() / 8));
    painter.end();
    if (!picture.save(path, format, qstrcmp(format, "PNG") == 0 ? 80 : 90))
        qWarning("cannot write %s", qPrintable(path));
    return path;
}

} // namespace

// Pictures read and decoded off the GUI thread at about the size they are shown, and kept.
class TestPictureLoader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void decodesWithinTheBound_data();
    void decodesWithinTheBound();
    void smallPicturesKeepTheirSize();
    void unchangedFileIsNotDecodedAgain();
    void changedFileIsDecodedAgain();
    void whatIsNoPictureComesBackWithAReason();
    void loadingNeverHoldsUpTheCaller();

private:
    QTemporaryDir m_dir;
    QString m_phone;
    QString m_huge;
};

void TestPictureLoader::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // A photo as phones take them, and a picture of 108 megapixels that would take 432 MB decoded whole.
    m_phone = writePicture(m_dir.filePath(u"phone.jpg"_s), QSize(4032, 3024), "JPEG");
    m_huge = writePicture(m_dir.filePath(u"huge.png"_s), QSize(12000, 9000), "PNG");
}

void TestPictureLoader::init()
{
    PictureLoader::forgetKeptPictures();
}

void TestPictureLoader::decodesWithinTheBound_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("full");
    QTest::newRow("4032 x 3024 JPEG") << m_phone << QSize(4032, 3024);
    QTest::newRow("12000 x 9000 PNG") << m_huge << QSize(12000, 9000);
}

void TestPictureLoader::decodesWithinTheBound()
{
    QFETCH(QString, file);
    QFETCH(QSize, full);
    const LoadedPicture picture = PictureLoader::decode(file, Bound);
    QVERIFY2(picture.isShown(), qPrintable(picture.problem));
    QCOMPARE(picture.fullSize, full);
    QCOMPARE(picture.image.size(), full.scaled(Bound, Qt::KeepAspectRatio));
    // The picture itself, not a blank: yellow in the middle, the background at a corner.
    const QColor middle = picture.image.pixelColor(picture.image.rect().center());
    QVERIFY2(middle.red() > 200 && middle.green() > 200 && middle.blue() < 80, qPrintable(middle.name()));
    QVERIFY(picture.image.pixelColor(1, 1).blue() > 100);
}

void TestPictureLoader::smallPicturesKeepTheirSize()
{
    const LoadedPicture picture
        = PictureLoader::decode(writePicture(m_dir.filePath(u"small.bmp"_s), QSize(60, 30), "BMP"), Bound);
    QCOMPARE(picture.image.size(), QSize(60, 30));
}

// Asking again for an unchanged file (a resize, the dialog's previews, the board after OK) hands the
// kept picture back: the very same image, not a new decode.
void TestPictureLoader::unchangedFileIsNotDecodedAgain()
{
    PictureLoader loader(Bound);
    QSignalSpy loaded(&loader, &PictureLoader::loaded);
    loader.load(m_phone);
    QCOMPARE(loader.pending(), 1);
    QTRY_COMPARE(loaded.size(), 1);
    QCOMPARE(loader.pending(), 0);
    const LoadedPicture first = loaded.at(0).at(0).value<LoadedPicture>();
    QVERIFY(first.isShown());

    PictureLoader another(Bound);
    QSignalSpy again(&another, &PictureLoader::loaded);
    another.load(m_phone);
    QTRY_COMPARE(again.size(), 1);
    QCOMPARE(again.at(0).at(0).value<LoadedPicture>().image.cacheKey(), first.image.cacheKey());
}

void TestPictureLoader::changedFileIsDecodedAgain()
{
    const QString path = writePicture(m_dir.filePath(u"crest.png"_s), QSize(40, 20), "PNG");
    PictureLoader loader(Bound);
    QSignalSpy loaded(&loader, &PictureLoader::loaded);
    loader.load(path);
    QTRY_COMPARE(loaded.size(), 1);
    QThread::msleep(20);
    writePicture(path, QSize(20, 40), "PNG", Qt::red);
    loader.load(path);
    QTRY_COMPARE(loaded.size(), 2);
    QCOMPARE(loaded.at(1).at(0).value<LoadedPicture>().image.size(), QSize(20, 40));
}

void TestPictureLoader::whatIsNoPictureComesBackWithAReason()
{
    const QString pipe = m_dir.filePath(u"pipe.jpg"_s);
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QFile text(m_dir.filePath(u"notes.jpg"_s));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("not a picture");
    text.close();
    // A header that promises a picture larger than Qt will allocate: readable, but not showable.
    QFile giant(m_dir.filePath(u"giant.bmp"_s));
    QVERIFY(giant.open(QIODevice::WriteOnly));
    QByteArray header = QByteArray::fromHex("424d") + QByteArray(12, '\0');
    header.replace(10, 4, QByteArray::fromHex("36000000"));
    QByteArray info = QByteArray::fromHex("28000000") + QByteArray::fromHex("60ea0000")
        + QByteArray::fromHex("60ea0000") + QByteArray::fromHex("01002000") + QByteArray(24, '\0');
    giant.write(header + info + QByteArray(4096, '\x7f'));
    giant.close();

    PictureLoader loader(Bound);
    QSignalSpy loaded(&loader, &PictureLoader::loaded);
    const QStringList paths {pipe, text.fileName(), giant.fileName(), m_dir.filePath(u"gone.png"_s), QString()};
    for (const QString &path : paths)
        loader.load(path);
    QTRY_COMPARE(loaded.size(), paths.size());
    for (const QList<QVariant> &arguments : loaded) {
        const LoadedPicture picture = arguments.at(0).value<LoadedPicture>();
        QVERIFY2(!picture.isShown(), qPrintable(picture.path));
        QVERIFY2(!picture.problem.isEmpty(), qPrintable(picture.path));
    }
}

// The GUI thread goes on while a large picture is decoded and while a file does not answer at all.
void TestPictureLoader::loadingNeverHoldsUpTheCaller()
{
    std::atomic_bool answering = false;
    FileAccess::setFileSystemDelayForTesting([&answering](const QString &path) {
        while (path.contains(u"stalled"_s) && !answering)
            QThread::msleep(5);
    });
    PictureLoader loader(Bound);
    QSignalSpy loaded(&loader, &PictureLoader::loaded);
    QElapsedTimer timer;
    timer.start();
    loader.load(m_huge);
    loader.load(m_dir.filePath(u"stalled.png"_s));
    QVERIFY2(timer.elapsed() < 50, qPrintable(QString::number(timer.elapsed())));
    QTRY_COMPARE_WITH_TIMEOUT(loaded.size(), 1, 30000);
    QCOMPARE(loader.pending(), 1);
    answering = true;
    QTRY_COMPARE(loaded.size(), 2);
    FileAccess::setFileSystemDelayForTesting(nullptr);
}

QTEST_MAIN(TestPictureLoader)
#include "testPictureLoader.moc"
