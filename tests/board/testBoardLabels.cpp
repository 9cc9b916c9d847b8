#include "board/BoardLabels.h"
#include "board/BoardPictures.h"
#include "board/PictureFit.h"
#include "support/BoardFixture.h"
#include "widgets/Image.h"
#include "widgets/Label.h"
#include "widgets/LampPanel.h"
#include "widgets/PictureBox.h"
#include "widgets/PictureLoader.h"
#include "widgets/SegmentPanel.h"

#include <QFile>
#include <QImageWriter>
#include <QPainter>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// A one-pixel GIF, written by hand since Qt reads GIF but does not write it.
const QByteArray OnePixelGif
    = QByteArray::fromHex("47494638396101000100800000ffffff00000021f90401000000002c00000000010001000002024401003b");

QList<int> geometryOf(const Element *element)
{
    return {element->leftTwips(), element->topTwips(), element->widthTwips(), element->heightTwips()};
}

// Decodes the file as the board does and shows it in the image.
void showFile(Image *image, const Element *container, const QString &path)
{
    PictureFit::ShowPicture(image, container, PictureLoader::decode(path, PictureFit::decodeBound()).image);
}

// A picture of the given size with something drawn in it, written as the format gives.
QString writeDrawnPicture(const QString &path, QSize size, const char *format)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    QPainter painter(&picture);
    painter.setBrush(Qt::yellow);
    painter.drawEllipse(
        QRect(QPoint(), size).adjusted(size.width() / 10, size.height() / 10, -size.width() / 10, -size.height() / 10));
    painter.end();
    // Little compression: the file is written quickly and is still a real file of its kind.
    if (!picture.save(path, format, qstrcmp(format, "PNG") == 0 ? 80 : 90))
        qWarning("Could not write the test picture %s", qPrintable(path));
    return path;
}

} // namespace

class TestBoardLabels : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void captionShowsTheHomeTeam();
    void rSize_data();
    void rSize();
    void teamSizeIsRoundedHalfToEven_data();
    void teamSizeIsRoundedHalfToEven();
    void teamNamesAreCentredInTheirBoxes();
    void fitPicture_data();
    void fitPicture();
    void everyPictureFormat_data();
    void everyPictureFormat();
    void badPictureFilesCannotBeShown_data();
    void badPictureFilesCannotBeShown();
    void emptyPathShowsOnlyTheBox();
    void picturesReachTheirBoxes();
    void largePhotosAreShownInTheirBoxes_data();
    void largePhotosAreShownInTheirBoxes();
    void clearingAPictureEmptiesTheBoxAtOnce_data();
    void clearingAPictureEmptiesTheBoxAtOnce();
    void resizeReusesTheDecodedPictures();
    void pictureChangedOnDiskIsReadAgain();
    void digitStyleReachesEveryField();

private:
    QString writeImage(const QString &name, QSize size, const char *format);
    QTemporaryDir m_folder;
};

void TestBoardLabels::init()
{
    QVERIFY(m_folder.isValid());
}

QString TestBoardLabels::writeImage(const QString &name, QSize size, const char *format)
{
    const QString path = m_folder.filePath(name);
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    if (!picture.save(path, format))
        qWarning("Could not write the test picture %s", qPrintable(path));
    return path;
}

void TestBoardLabels::captionShowsTheHomeTeam()
{
    BoardFixture fixture;
    fixture.settings.HomeText = u"Eagles"_s;
    fixture.settings.TitleText = u"City Cup"_s;
    frmScoreboard &board = fixture.open();
    QCOMPARE(board.windowTitle(), u"Vantaro - Eagles"_s);
    QCOMPARE(fixture.find<Label>(u"lblTitle"_s)->caption(), u"City Cup"_s);
    QCOMPARE(fixture.find<Label>(u"lblHomeTeam"_s)->caption(), u"Eagles"_s);
}

void TestBoardLabels::rSize_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("points");
    QTest::newRow("reference size") << 9600.0 << 7200.0 << 24.0;
    QTest::newRow("wider: the height decides") << 14400.0 << 7200.0 << 24.0;
    QTest::newRow("taller: the width decides") << 9600.0 << 14400.0 << 24.0;
    QTest::newRow("square: the width decides") << 9600.0 << 9600.0 << 24.0;
    QTest::newRow("larger 4:3") << 12000.0 << 9000.0 << 30.0;
    QTest::newRow("full HD") << 19200.0 << 10800.0 << 36.0;
}

void TestBoardLabels::rSize()
{
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(double, points);
    QCOMPARE(BoardLabels::RSize(24, width, height), points);
}

void TestBoardLabels::teamSizeIsRoundedHalfToEven_data()
{
    QTest::addColumn<QString>("teamSize");
    QTest::addColumn<int>("points");
    QTest::newRow("24.5 is used as 24") << u"24.5"_s << 24;
    QTest::newRow("25.5 is used as 26") << u"25.5"_s << 26;
    QTest::newRow("24.51 is used as 25") << u"24.51"_s << 25;
}

void TestBoardLabels::teamSizeIsRoundedHalfToEven()
{
    QFETCH(QString, teamSize);
    QFETCH(int, points);
    BoardFixture fixture;
    fixture.settings.TeamSize = Currency::parse(teamSize).value();
    frmScoreboard &board = fixture.open();
    board.UpdateLabels();
    const double expected = float(BoardLabels::RSize(qint16(points), board.width() * 15.0, board.height() * 15.0));
    QCOMPARE(fixture.find<Label>(u"lblHomeTeam"_s)->fontSize(), expected);
    QCOMPARE(fixture.find<Label>(u"lblVisitorTeam"_s)->fontSize(), expected);
}

void TestBoardLabels::teamNamesAreCentredInTheirBoxes()
{
    BoardFixture fixture;
    fixture.open();
    auto *label = fixture.find<Label>(u"lblVisitorTeam"_s);
    const auto *box = fixture.find<PictureBox>(u"picVisitorTeamName"_s);
    // The label keeps its box, narrower than the container, and sits in its middle.
    QVERIFY(label->widthTwips() < box->widthTwips());
    QVERIFY(qAbs(label->leftTwips() * 2 + label->widthTwips() - box->widthTwips()) <= 1);
    QVERIFY(qAbs(label->topTwips() * 2 + label->heightTwips() - box->heightTwips()) <= 1);
}

void TestBoardLabels::fitPicture_data()
{
    QTest::addColumn<QSize>("picture"); // pixels
    QTest::addColumn<QList<int>>("fitted"); // left, top, width, height in twips
    QTest::newRow("wide picture fits the width") << QSize(40, 10) << QList<int> {0, 750, 2000, 500};
    QTest::newRow("tall picture fits the height") << QSize(10, 40) << QList<int> {750, 0, 500, 2000};
    QTest::newRow("square picture fills the box") << QSize(30, 30) << QList<int> {0, 0, 2000, 2000};
}

void TestBoardLabels::fitPicture()
{
    QFETCH(QSize, picture);
    QFETCH(QList<int>, fitted);
    PictureBox box;
    box.setTwipsGeometry(0, 0, 2000, 2000);
    auto *image = new Image(&box);
    showFile(image, &box, writeImage(u"picture.png"_s, picture, "PNG"));
    QCOMPARE(geometryOf(image), fitted);
    QVERIFY(image->stretch());
    QVERIFY(!image->isHidden());
    QCOMPARE(image->picture().size(), picture);
}

void TestBoardLabels::everyPictureFormat_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("bitmap") << u"BMP"_s;
    QTest::newRow("JPEG") << u"JPEG"_s;
    QTest::newRow("PNG") << u"PNG"_s;
    QTest::newRow("GIF") << u"GIF"_s;
}

void TestBoardLabels::everyPictureFormat()
{
    QFETCH(QString, format);
    QString path;
    if (format == u"GIF"_s) {
        path = m_folder.filePath(u"dot.gif"_s);
        QFile gif(path);
        QVERIFY(gif.open(QIODevice::WriteOnly));
        gif.write(OnePixelGif);
    } else {
        path = writeImage(u"picture."_s + format.toLower(), QSize(20, 20), format.toLatin1().constData());
    }
    PictureBox box;
    box.setTwipsGeometry(0, 0, 1500, 900);
    auto *image = new Image(&box);
    showFile(image, &box, path);
    QVERIFY2(!image->picture().isNull(), qPrintable(format));
    QCOMPARE(geometryOf(image), (QList<int> {300, 0, 900, 900}));
}

void TestBoardLabels::badPictureFilesCannotBeShown_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing file") << u"missing"_s;
    QTest::newRow("text named like a picture") << u"text"_s;
    QTest::newRow("empty file") << u"empty"_s;
    QTest::newRow("random bytes") << u"random"_s;
    QTest::newRow("a folder") << u"folder"_s;
    QTest::newRow("a named pipe") << u"fifo"_s;
}

// A file that is no picture gives a reason and no picture; on the board its box is empty.
void TestBoardLabels::badPictureFilesCannotBeShown()
{
    QFETCH(QString, kind);
    QString path = m_folder.filePath(u"bad.png"_s);
    QFile file(path);
    if (kind == u"text"_s || kind == u"empty"_s || kind == u"random"_s) {
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (kind == u"text"_s)
            file.write("This is not a picture at all.\n");
        if (kind == u"random"_s) {
            QByteArray junk(4096, '\0');
            for (qsizetype i = 0; i < junk.size(); ++i)
                junk[i] = char((i * 7919 + 13) % 251);
            file.write(junk);
        }
        file.close();
    } else if (kind == u"folder"_s) {
        path = m_folder.path();
    } else if (kind == u"fifo"_s) {
        path = m_folder.filePath(u"pipe.png"_s);
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    }
    const LoadedPicture picture = PictureLoader::decode(path, PictureFit::decodeBound());
    QVERIFY(!picture.isShown());
    QVERIFY(!picture.problem.isEmpty());

    BoardFixture fixture;
    fixture.settings.HomePic = writeImage(u"good.png"_s, QSize(40, 10), "PNG");
    fixture.settings.VisitorPic = path;
    fixture.open();
    QVERIFY(!fixture.find<Image>(u"imgHomePic"_s)->picture().isNull());
    QVERIFY(fixture.find<Image>(u"imgVisitorPic"_s)->picture().isNull());
}

void TestBoardLabels::emptyPathShowsOnlyTheBox()
{
    BoardFixture fixture;
    fixture.open();
    for (const QString &name : {u"imgHomePic"_s, u"imgVisitorPic"_s, u"imgBoardPic"_s})
        QVERIFY(fixture.find<Image>(name)->picture().isNull());
    const QImage shot = fixture.find(u"picHomeContainer"_s)->grab().toImage();
    QCOMPARE(shot.pixelColor(5, 5), QColor(0x40, 0x40, 0x40));
    QCOMPARE(shot.pixelColor(shot.width() - 5, shot.height() - 5), QColor(0x40, 0x40, 0x40));
}

void TestBoardLabels::picturesReachTheirBoxes()
{
    BoardFixture fixture;
    fixture.settings.HomePic = writeImage(u"home.png"_s, QSize(30, 60), "PNG");
    fixture.settings.VisitorPic = writeImage(u"visitor.bmp"_s, QSize(60, 30), "BMP");
    fixture.settings.BoardPic = writeImage(u"board.jpg"_s, QSize(100, 20), "JPEG");
    fixture.open();
    QCOMPARE(BoardPictures::of(fixture.board.get()).pending(), 0);
    QCOMPARE(fixture.find<Image>(u"imgHomePic"_s)->picture().size(), QSize(30, 60));
    QCOMPARE(fixture.find<Image>(u"imgVisitorPic"_s)->picture().size(), QSize(60, 30));
    auto *boardImage = fixture.find<Image>(u"imgBoardPic"_s);
    QCOMPARE(boardImage->picture().size(), QSize(100, 20));
    // A wide picture in the board's box fills its width, centred vertically.
    QCOMPARE(boardImage->widthTwips(), fixture.find<PictureBox>(u"picBoardContainer"_s)->widthTwips());
    QCOMPARE(boardImage->leftTwips(), 0);
}

void TestBoardLabels::largePhotosAreShownInTheirBoxes_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("4032 x 3024 JPEG from a phone") << u"phone.jpg"_s << QSize(4032, 3024) << QByteArray("JPEG");
    QTest::newRow("12000 x 9000 PNG") << u"huge.png"_s << QSize(12000, 9000) << QByteArray("PNG");
    QTest::newRow("taller than 32767 twips") << u"tall.png"_s << QSize(40, 2200) << QByteArray("PNG");
}

// Pictures of any size Qt can decode are shown, decoded no larger than the largest box on a
// 3840 x 2160 screen, and fitted into their box keeping their proportions.
void TestBoardLabels::largePhotosAreShownInTheirBoxes()
{
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QFETCH(QByteArray, format);
    const QString path = writeDrawnPicture(m_folder.filePath(file), size, format.constData());
    BoardFixture fixture;
    fixture.settings.HomePic = path;
    fixture.settings.VisitorPic = path;
    fixture.settings.BoardPic = path;
    fixture.open();
    const QSize bound = PictureFit::decodeBound();
    QVERIFY2(bound.width() >= 1000 && bound.height() >= 400 && bound.width() <= 3840 && bound.height() <= 2160,
             qPrintable(u"%1 x %2"_s.arg(bound.width()).arg(bound.height())));
    for (const auto &[imageName, boxName] :
         {std::pair {u"imgHomePic"_s, u"picHomeContainer"_s}, std::pair {u"imgVisitorPic"_s, u"picVisitorContainer"_s},
          std::pair {u"imgBoardPic"_s, u"picBoardContainer"_s}}) {
        auto *image = fixture.find<Image>(imageName);
        auto *box = fixture.find<PictureBox>(boxName);
        const QImage shown = image->picture();
        QVERIFY2(!shown.isNull(), qPrintable(imageName));
        // Never larger than the bound, nor than the picture itself.
        QVERIFY(shown.width() <= bound.width() && shown.height() <= bound.height());
        QVERIFY(shown.width() <= size.width() && shown.height() <= size.height());
        // Proportions kept, within a pixel of rounding.
        QVERIFY(qAbs(double(shown.width()) / shown.height() - double(size.width()) / size.height()) < 0.05);
        // Fitted: one side fills the box, the other fits inside it, centred.
        QVERIFY(qAbs(image->widthTwips() - box->widthTwips()) <= 1
                || qAbs(image->heightTwips() - box->heightTwips()) <= 1);
        QVERIFY(image->widthTwips() <= box->widthTwips() + 1 && image->heightTwips() <= box->heightTwips() + 1);
        QVERIFY(qAbs(image->leftTwips() * 2 + image->widthTwips() - box->widthTwips()) <= 2);
        QVERIFY(qAbs(image->topTwips() * 2 + image->heightTwips() - box->heightTwips()) <= 2);
        // Drawn: the middle of the box shows the picture's yellow, not the box's background.
        const QImage grabbed = box->grab().toImage();
        const QColor middle = grabbed.pixelColor(grabbed.rect().center());
        QVERIFY2(middle.red() > 150 && middle.green() > 150 && middle.blue() < 100, qPrintable(middle.name()));
    }
    QVERIFY(QDir(QStringLiteral(VANTARO_BUILD_DIR)).mkpath(u"screenshots"_s));
    fixture.board->grab().save(QStringLiteral(VANTARO_BUILD_DIR "/screenshots/board-large-") + file.section(u'.', 0, 0)
                               + u".png"_s);
}

void TestBoardLabels::clearingAPictureEmptiesTheBoxAtOnce_data()
{
    QTest::addColumn<QString>("image");
    QTest::newRow("home") << u"imgHomePic"_s;
    QTest::newRow("visitor") << u"imgVisitorPic"_s;
    QTest::newRow("board") << u"imgBoardPic"_s;
}

// Options, Clear, OK stores an empty path; the board's picture goes at once.
void TestBoardLabels::clearingAPictureEmptiesTheBoxAtOnce()
{
    QFETCH(QString, image);
    BoardFixture fixture;
    fixture.settings.HomePic = writeImage(u"home.png"_s, QSize(30, 60), "PNG");
    fixture.settings.VisitorPic = writeImage(u"visitor.png"_s, QSize(60, 30), "PNG");
    fixture.settings.BoardPic = writeImage(u"board.png"_s, QSize(100, 20), "PNG");
    frmScoreboard &board = fixture.open();
    for (const QString &name : {u"imgHomePic"_s, u"imgVisitorPic"_s, u"imgBoardPic"_s})
        QVERIFY(!fixture.find<Image>(name)->picture().isNull());
    board.setShowOptions([&fixture, image] {
        if (image == u"imgHomePic"_s)
            fixture.settings.HomePic.clear();
        else if (image == u"imgVisitorPic"_s)
            fixture.settings.VisitorPic.clear();
        else
            fixture.settings.BoardPic.clear();
    });
    BoardFixture::press(Qt::Key_F2);
    // No waiting: nothing has to be read to show nothing.
    for (const QString &name : {u"imgHomePic"_s, u"imgVisitorPic"_s, u"imgBoardPic"_s})
        QCOMPARE(fixture.find<Image>(name)->picture().isNull(), name == image);
    const QImage shot = fixture.find<Image>(image)->parentWidget()->grab().toImage();
    QCOMPARE(shot.pixelColor(shot.rect().center()), QColor(0x40, 0x40, 0x40));
}

// A resize fits the kept pictures again: nothing is read or decoded.
void TestBoardLabels::resizeReusesTheDecodedPictures()
{
    const QString path = writeDrawnPicture(m_folder.filePath(u"photo.jpg"_s), QSize(4032, 3024), "JPEG");
    BoardFixture fixture;
    fixture.settings.HomePic = path;
    fixture.settings.VisitorPic = path;
    fixture.settings.BoardPic = path;
    frmScoreboard &board = fixture.open();
    auto *home = fixture.find<Image>(u"imgHomePic"_s);
    const qint64 decoded = home->picture().cacheKey();
    const QList<int> fittedAtFull = geometryOf(home);
    board.showNormal();
    for (const QSize size : {QSize(800, 600), QSize(1200, 700), QSize(640, 480)}) {
        board.resize(size);
        QCoreApplication::processEvents();
        // At most the file's stamp is looked at again; the picture is not decoded again.
        QVERIFY(settleBackgroundWork());
        QCOMPARE(home->picture().cacheKey(), decoded);
        // Fitted to the box of the new size.
        const auto *box = static_cast<const Element *>(home->parentWidget());
        QVERIFY(home->widthTwips() <= box->widthTwips() + 1 && home->heightTwips() <= box->heightTwips() + 1);
    }
    board.showMaximized();
    QTRY_COMPARE(geometryOf(home), fittedAtFull);
    QCOMPARE(home->picture().cacheKey(), decoded);
}

// A picture whose file changed on disk is read again when the board next shows its pictures (after the
// options dialog); one that did not change is not decoded again.
void TestBoardLabels::pictureChangedOnDiskIsReadAgain()
{
    const QString path = writeImage(u"crest.png"_s, QSize(40, 10), "PNG");
    BoardFixture fixture;
    fixture.settings.HomePic = path;
    frmScoreboard &board = fixture.open();
    auto *home = fixture.find<Image>(u"imgHomePic"_s);
    const qint64 first = home->picture().cacheKey();
    QCOMPARE(home->picture().size(), QSize(40, 10));
    board.setShowOptions([] {});

    QTest::qWait(BoardPictures::RecheckMilliseconds + 100);
    BoardFixture::press(Qt::Key_F2);
    QVERIFY(settleBackgroundWork());
    QCOMPARE(home->picture().cacheKey(), first);

    QVERIFY(QFile::remove(path));
    writeImage(u"crest.png"_s, QSize(10, 40), "PNG");
    QTest::qWait(BoardPictures::RecheckMilliseconds + 100);
    BoardFixture::press(Qt::Key_F2);
    QVERIFY(settleBackgroundWork());
    QCOMPARE(home->picture().size(), QSize(10, 40));
}

void TestBoardLabels::digitStyleReachesEveryField()
{
    BoardFixture fixture;
    fixture.settings.LEDType = 1;
    fixture.open();
    int fields = 0;
    for (QObject *element : fixture.board->elements()) {
        const QVariant style = element->property("LedType");
        if (!style.isValid())
            continue;
        QCOMPARE(style.toInt(), 1);
        ++fields;
    }
    QCOMPARE(fields, 13);
    // A lamp panel has no digit style and is left alone; a segment preview follows.
    QWidget window;
    auto *lamp = new LampPanel(&window);
    auto *preview = new SegmentPanel(&window);
    BoardLabels::ApplyDigitStyle({lamp, preview}, 1);
    QCOMPARE(preview->property("LedType").toInt(), 1);
    QVERIFY(!lamp->property("LedType").isValid());
}

QTEST_MAIN(TestBoardLabels)
#include "testBoardLabels.moc"
