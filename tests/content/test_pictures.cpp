// The pictures: each decodes to its designed size, damaged data is an error that the program
// survives, and a picture box shows its picture unscaled and clipped, decoded while it is shown.
// The title window's picture is plain pixels drawn from where they lie in the program.

#include <QFile>
#include <QIcon>
#include <QPainter>
#include <QResource>
#include <QtTest>
#include <algorithm>

#include "assets/jpeg_decoder.h"
#include "assets/pictures.h"
#include "ui/controls.h"

namespace {

QByteArray resourceBytes(const char* path) {
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// The kilobytes of the program's mapping around an address that are in its memory (-1: not
// known on this system).
int residentKilobytesAround(const void* address) {
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    if (!smaps.open(QIODevice::ReadOnly)) return -1;
    const auto at = reinterpret_cast<quintptr>(address);
    bool inside = false;
    for (const QByteArray& line : smaps.readAll().split('\n')) {
        // A mapping's first line: "<begin>-<end> <permissions> ..."
        const qsizetype dash = line.indexOf('-');
        const qsizetype space = line.indexOf(' ');
        bool begins = false, ends = false;
        const quintptr begin = line.left(dash).toULongLong(&begins, 16);
        const quintptr end = line.mid(dash + 1, space - dash - 1).toULongLong(&ends, 16);
        if (dash > 0 && space > dash && begins && ends) {
            inside = at >= begin && at < end;
        } else if (inside && line.startsWith("Rss:")) {
            return line.mid(4).simplified().split(' ').value(0).toInt();
        }
    }
    return -1;
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT
  private slots:
    void decodesToDesignedSize_data() {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<int>("picture");
        QTest::addColumn<QSize>("size");
        using assets::Picture;
        const auto row = [](const char* resource, Picture picture, QSize size) {
            QTest::newRow(resource)
                << QString::fromLatin1(resource) << static_cast<int>(picture) << size;
        };
        row(":/assets/figure1.jpg", Picture::Figure1, {631, 289});
        row(":/assets/figure2.jpg", Picture::Figure2, {643, 415});
        row(":/assets/figure3.jpg", Picture::Figure3, {435, 394});
        row(":/assets/equation2.jpg", Picture::Equation2, {83, 32});
        row(":/assets/equation3.jpg", Picture::Equation3, {117, 41});
        row(":/assets/equation4.jpg", Picture::Equation4, {123, 39});
        row(":/assets/equation5.jpg", Picture::Equation5, {113, 37});
        row(":/assets/equation6.jpg", Picture::Equation6, {123, 42});
        row(":/assets/equations7_8.jpg", Picture::Equations7And8, {99, 121});
        row(":/assets/equations9_10.jpg", Picture::Equations9And10, {128, 173});
        row(":/assets/khan_academy_logo.jpg", Picture::KhanAcademyLogo, {300, 300});
    }
    void decodesToDesignedSize() {
        QFETCH(QString, resource);
        QFETCH(int, picture);
        QFETCH(QSize, size);
        const auto id = static_cast<assets::Picture>(picture);
        QCOMPARE(QString::fromLatin1(assets::pictureFile(id).resource), resource);
        const QImage image = assets::loadPicture(id);
        QCOMPARE(image.size(), size);
        QCOMPARE(assets::pictureFile(id).size, size);
        // Three bytes a pixel, pixel for pixel as Qt's own reader gives them.
        QCOMPARE(image.format(), QImage::Format_RGB888);
        QCOMPARE(image, QImage(resource, "JPEG").convertToFormat(QImage::Format_RGB888));
    }

    // The title window's picture is drawn from its plain pixels where they lie in the program,
    // not copied; once the last image over them goes they leave the program's memory, and the
    // next image still shows the same picture, read from the program's file again.
    void plainPixelsAreDrawnWhereTheyLieAndLetGo() {
        using assets::Picture, assets::PictureFile;
        const PictureFile& file = assets::pictureFile(Picture::CirculatorySystem);
        QCOMPARE(file.stored, PictureFile::Stored::RgbPixels);
        QCOMPARE(QString::fromLatin1(file.resource),
                 QStringLiteral(":/assets/circulatory_system.rgb"));
        const QByteArray bytes = resourceBytes(file.resource);
        QCOMPARE(bytes.size(), qsizetype(400) * 600 * 3);
        const uchar* const pixels = QResource(QString::fromLatin1(file.resource)).data();
        for (int round = 0; round < 2; ++round) {
            int heldKilobytes = 0;
            {
                const QImage image = assets::loadPicture(Picture::CirculatorySystem);
                QCOMPARE(image.size(), QSize(400, 600));
                QCOMPARE(image.format(), QImage::Format_RGB888);
                QCOMPARE(image.constBits(), pixels);
                QVERIFY(std::equal(bytes.begin(), bytes.end(),
                                   reinterpret_cast<const char*>(image.constBits())));
                heldKilobytes = residentKilobytesAround(pixels);
            }
#ifdef __linux__
            // Every whole page of the 720 000 bytes has gone: 700 kB of 4 kB pages.
            QVERIFY2(heldKilobytes - residentKilobytesAround(pixels) >= 700,
                     qPrintable(QStringLiteral("%1 kB held, %2 kB after")
                                    .arg(heldKilobytes)
                                    .arg(residentKilobytesAround(pixels))));
#endif
        }
    }

    void everyPictureIsListed() { QCOMPARE(assets::pictureFiles().size(), std::size_t{12}); }

    void iconIsTransparentHeart() {
        const QImage icon = assets::iconImage();
        QCOMPARE(icon.size(), QSize(64, 52));
        QVERIFY(icon.hasAlphaChannel());
        QCOMPARE(qAlpha(icon.pixel(0, 51)), 0);   // a corner is transparent
        QVERIFY(qRed(icon.pixel(32, 34)) > 150);  // the body of the heart is red
        const QIcon programIcon = assets::applicationIcon();
        QCOMPARE(programIcon.availableSizes(), QList<QSize>{QSize(64, 52)});
        QCOMPARE(programIcon.pixmap(QSize(64, 52)).toImage().convertToFormat(icon.format()), icon);
    }

    // Damaged data is reported as an error; the program goes on and decodes the next picture.
    void damagedDataIsAnError_data() {
        QTest::addColumn<QByteArray>("data");
        const QByteArray whole = resourceBytes(":/assets/figure3.jpg");
        QTest::newRow("truncated at half") << whole.left(whole.size() / 2);
        QTest::newRow("truncated header") << whole.left(40);
        QTest::newRow("without end marker") << whole.left(whole.size() - 2);
        QTest::newRow("garbage") << QByteArray("this is not a JPEG picture at all", 33);
        QByteArray noise(4096, '\0');
        for (int i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 7919 + 13) % 251);
        QTest::newRow("noise") << noise;
        QByteArray corrupt = whole;
        for (qsizetype i = corrupt.size() / 3; i < corrupt.size() / 3 + 64; ++i)
            corrupt[i] = '\xff';
        QTest::newRow("corrupt scan") << corrupt;
        QTest::newRow("empty") << QByteArray();
    }
    void damagedDataIsAnError() {
        QFETCH(QByteArray, data);
        QVERIFY_THROWS_EXCEPTION(assets::JpegError, assets::decodeJpeg(data));
        QCOMPARE(assets::loadPicture(assets::Picture::Equation2).size(), QSize(83, 32));
    }

    void errorCarriesLibjpegMessage() {
        try {
            assets::decodeJpeg(QByteArray("garbage!"));
            QFAIL("no error");
        } catch (const assets::JpegError& error) {
            QVERIFY(QByteArray(error.what()).size() > 0);
        }
    }

    // A box's picture is made when the box is shown or painted, or its image asked for, and let
    // go once painted or hidden: the window keeps what was drawn. A paint beside the picture
    // (the box is larger) does not make it again; a paint over it does, and draws the same.
    void pictureIsMadeForPainting() {
        QWidget window;
        auto* const box = new ui::PictureBox(&window);
        box->resize(90, 40);
        int made = 0;
        box->setImageSource([&made] {
            ++made;
            return assets::loadPicture(assets::Picture::Equation2);
        });
        QCOMPARE(made, 0);
        window.show();
        QCOMPARE(made, 1);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(!box->holdsPicture());
        QCOMPARE(made, 1);
        const QImage first = box->grab().toImage();
        QCOMPARE(made, 2);
        QTRY_VERIFY(!box->holdsPicture());
        box->repaint(QRect(83, 32, 7, 8));
        QCOMPARE(made, 2);
        box->repaint(QRect(0, 0, 10, 10));
        QCOMPARE(made, 3);
        box->repaint(QRect(20, 0, 10, 10));  // one picture for the paints of one pass
        QCOMPARE(made, 3);
        QTRY_VERIFY(!box->holdsPicture());
        QCOMPARE(box->grab().toImage(), first);
        QCOMPARE(made, 4);
        window.hide();
        QVERIFY(!box->holdsPicture());
        window.show();
        QCOMPARE(made, 5);
        window.hide();
        QCOMPARE(box->image().size(), QSize(83, 32));
        QCOMPARE(made, 6);
    }

    // A picture that cannot be made leaves its box empty and is not tried again, so its warning
    // comes once.
    void failedPictureIsTriedOnce() {
        QWidget window;
        auto* const box = new ui::PictureBox(&window);
        box->resize(30, 20);
        int asked = 0;
        box->setImageSource([&asked] {
            ++asked;
            return QImage();
        });
        window.show();
        window.hide();
        window.show();
        QVERIFY(box->image().isNull());
        QCOMPARE(asked, 1);
        QImage shown(30, 20, QImage::Format_RGB32);
        shown.fill(Qt::magenta);
        box->render(&shown, QPoint(), QRegion(), QWidget::RenderFlags());
        QCOMPARE(shown.pixel(10, 10), QColor(Qt::magenta).rgb());
    }

    // A picture larger than its box is cut at the box's right and bottom edges, never scaled.
    void largerPictureIsClipped() {
        QImage picture(60, 40, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, qRgb(x * 4, y * 6, (x >= 30 || y >= 20) ? 200 : 0));
        ui::PictureBox box;
        box.resize(30, 20);
        box.setImage(picture);
        QImage shown(30, 20, QImage::Format_RGB32);
        shown.fill(Qt::black);
        box.render(&shown);
        QCOMPARE(shown, picture.copy(0, 0, 30, 20));
    }

    // A box larger than its picture shows the picture at its own size from the top-left corner.
    void smallerPictureIsNotStretched() {
        const QImage picture = assets::loadPicture(assets::Picture::Equation2);  // 83 x 32
        ui::PictureBox box;
        box.resize(100, 50);
        box.setImage(picture);
        QImage shown(100, 50, QImage::Format_RGB32);
        shown.fill(Qt::magenta);
        box.render(&shown, QPoint(), QRegion(), QWidget::RenderFlags());
        QCOMPARE(shown.copy(0, 0, 83, 32), picture.convertToFormat(QImage::Format_RGB32));
        QCOMPARE(shown.pixel(90, 40), QColor(Qt::magenta).rgb());
    }
};

QTEST_MAIN(PicturesTest)
#include "test_pictures.moc"
