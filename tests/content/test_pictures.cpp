// The pictures: each reads to its designed size, damaged data is an error that the program
// survives, and a picture box shows its picture unscaled and clipped, read while it is shown.

#include <QFile>
#include <QIcon>
#include <QPainter>
#include <QtTest>

#include "assets/pictures.h"
#include "ui/controls.h"

namespace {

QByteArray resourceBytes(const char* path) {
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT
  private slots:
    void readsToDesignedSize_data() {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<int>("picture");
        QTest::addColumn<QSize>("size");
        using assets::Picture;
        const auto row = [](const char* resource, Picture picture, QSize size) {
            QTest::newRow(resource)
                << QString::fromLatin1(resource) << static_cast<int>(picture) << size;
        };
        row(":/assets/circulatory_system.png", Picture::CirculatorySystem, {400, 600});
        row(":/assets/figure1.png", Picture::Figure1, {631, 289});
        row(":/assets/figure2.png", Picture::Figure2, {643, 415});
        row(":/assets/figure3.png", Picture::Figure3, {435, 394});
        row(":/assets/equation2.png", Picture::Equation2, {83, 32});
        row(":/assets/equation3.png", Picture::Equation3, {117, 41});
        row(":/assets/equation4.png", Picture::Equation4, {123, 39});
        row(":/assets/equation5.png", Picture::Equation5, {113, 37});
        row(":/assets/equation6.png", Picture::Equation6, {123, 42});
        row(":/assets/equations7_8.png", Picture::Equations7And8, {99, 121});
        row(":/assets/equations9_10.png", Picture::Equations9And10, {128, 173});
        row(":/assets/khan_academy_logo.png", Picture::KhanAcademyLogo, {300, 300});
    }
    void readsToDesignedSize() {
        QFETCH(QString, resource);
        QFETCH(int, picture);
        QFETCH(QSize, size);
        const auto id = static_cast<assets::Picture>(picture);
        QCOMPARE(QString::fromLatin1(assets::pictureFile(id).resource), resource);
        const QImage image = assets::loadPicture(id);
        QCOMPARE(image.size(), size);
        QCOMPARE(assets::pictureFile(id).size, size);
        QVERIFY(!image.hasAlphaChannel());
    }

    void everyPictureIsListed() { QCOMPARE(assets::pictureFiles().size(), std::size_t{12}); }

    // The pictures with words have English variants of the same size, shown when asked for.
    void englishVariants() {
        QStringList english;
        for (const assets::PictureFile& file : assets::pictureFiles()) {
            if (!file.englishResource) continue;
            english << QString::fromLatin1(file.englishResource);
            assets::useEnglishPictures(true);
            const QImage variant = assets::loadPicture(file.picture);
            assets::useEnglishPictures(false);
            const QImage russian = assets::loadPicture(file.picture);
            QCOMPARE(variant.size(), file.size);
            QVERIFY(variant != russian);
        }
        QCOMPARE(english, (QStringList{":/assets/figure1_en.png", ":/assets/figure2_en.png",
                                       ":/assets/figure3_en.png", ":/assets/equation4_en.png"}));
    }

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

    // Damaged data is reported as an error; the program goes on and reads the next picture.
    void damagedDataIsAnError_data() {
        QTest::addColumn<QByteArray>("data");
        const QByteArray whole = resourceBytes(":/assets/figure3.png");
        QTest::newRow("truncated at half") << whole.left(whole.size() / 2);
        QTest::newRow("truncated header") << whole.left(40);
        QTest::newRow("without end chunk") << whole.left(whole.size() - 12);
        QTest::newRow("garbage") << QByteArray("this is not a PNG picture at all", 32);
        QByteArray noise(4096, '\0');
        for (int i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 7919 + 13) % 251);
        QTest::newRow("noise") << noise;
        QByteArray corrupt = whole;
        for (qsizetype i = corrupt.size() / 3; i < corrupt.size() / 3 + 64; ++i)
            corrupt[i] = '\xff';
        QTest::newRow("corrupt data") << corrupt;
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("another size") << resourceBytes(":/assets/figure2.png");
    }
    void damagedDataIsAnError() {
        QFETCH(QByteArray, data);
        try {
            assets::decodePicture(data, {435, 394}, QStringLiteral("figure3"));
            QFAIL("no error");
        } catch (const assets::PictureError& error) {
            QVERIFY2(QByteArray(error.what()).contains("figure3"), error.what());
        }
        QCOMPARE(assets::loadPicture(assets::Picture::Equation2).size(), QSize(83, 32));
    }

    // A box's picture is made when the box is shown, or its image asked for, and let go when
    // it is hidden; paints draw the picture it holds.
    void pictureIsHeldWhileShown() {
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
        const QImage first = box->grab().toImage();
        box->repaint();
        QVERIFY(box->holdsPicture());
        QCOMPARE(made, 1);
        window.hide();
        QVERIFY(!box->holdsPicture());
        window.show();
        QCOMPARE(made, 2);
        QCOMPARE(box->grab().toImage(), first);
        window.hide();
        QCOMPARE(box->image().size(), QSize(83, 32));
        QCOMPARE(made, 3);
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
        box.setImageSource([picture] { return picture; });
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
        box.setImageSource([picture] { return picture; });
        QImage shown(100, 50, QImage::Format_RGB32);
        shown.fill(Qt::magenta);
        box.render(&shown, QPoint(), QRegion(), QWidget::RenderFlags());
        QCOMPARE(shown.copy(0, 0, 83, 32), picture.convertToFormat(QImage::Format_RGB32));
        QCOMPARE(shown.pixel(90, 40), QColor(Qt::magenta).rgb());
    }
};

QTEST_MAIN(PicturesTest)
#include "test_pictures.moc"
