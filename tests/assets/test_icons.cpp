// The window icon and the icon theme's heart are one drawing: the committed files must be what
// assets/generate draws today, every theme size must be square with transparent padding, and the
// scalable icon must show the same heart.

#include <QDir>
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>

#include "assets/generate/heart_icon.h"
#include "assets/pictures.h"

namespace {

QString iconFile(const QString& name) { return QStringLiteral(ASSETS_DIR "/icons/") + name; }

// The largest difference of one channel, premultiplied by alpha, over all pixels.
int largestDifference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int largest = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row);
            const QRgb q = y.pixel(column, row);
            largest =
                std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    }
    return largest;
}

bool borderIsTransparent(const QImage& image) {
    for (int i = 0; i < image.width(); ++i) {
        const int last = image.width() - 1;
        if (qAlpha(image.pixel(i, 0)) || qAlpha(image.pixel(i, last)) ||
            qAlpha(image.pixel(0, i)) || qAlpha(image.pixel(last, i)))
            return false;
    }
    return true;
}

// Raster painting may round differently from one processor's instructions to another's.
constexpr int kRounding = 3;

}  // namespace

class TestIcons : public QObject {
    Q_OBJECT

  private slots:
    void windowIconIsTheDrawing() {
        const QImage committed = assets::iconImage();
        const QImage drawn = generate::heartIcon();
        QCOMPARE(committed.size(), drawn.size());
        QVERIFY(largestDifference(committed, drawn) <= kRounding);
    }

    void themeIcons_data() {
        QTest::addColumn<int>("size");
        for (const int size : generate::kThemeIconSizes)
            QTest::newRow(QByteArray::number(size)) << size;
    }
    void themeIcons() {
        QFETCH(int, size);
        const QImage committed(iconFile(QStringLiteral("heart-%1.png").arg(size)));
        QCOMPARE(committed.size(), QSize(size, size));
        QVERIFY(committed.hasAlphaChannel());
        QVERIFY(largestDifference(committed, generate::heartThemeIcon(size)) <= kRounding);
        QVERIFY(borderIsTransparent(committed));
        QVERIFY(qRed(committed.pixel(size / 2, size * 6 / 10)) > 150);  // the body is red
    }

    void everySizeTheDesktopAsksFor() {
        QCOMPARE(
            std::vector<int>(generate::kThemeIconSizes.begin(), generate::kThemeIconSizes.end()),
            (std::vector<int>{16, 24, 32, 48, 64, 128, 256}));
        const QStringList files =
            QDir(QStringLiteral(ASSETS_DIR "/icons")).entryList({"heart-*.png"}, QDir::Files);
        QCOMPARE(files.size(), qsizetype{generate::kThemeIconSizes.size()});
    }

    // The Windows icon holds the same hearts, each size as a PNG image, as Windows reads them.
    void windowsIconHoldsTheThemeHearts() {
        QFile file(iconFile(QStringLiteral("heart.ico")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QDataStream in(&file);
        in.setByteOrder(QDataStream::LittleEndian);
        quint16 reserved = 1, type = 0, count = 0;
        in >> reserved >> type >> count;
        QCOMPARE(reserved, quint16(0));
        QCOMPARE(type, quint16(1));  // an icon, not a cursor
        QCOMPARE(count, quint16(generate::kWindowsIconSizes.size()));
        for (const int size : generate::kWindowsIconSizes) {
            quint8 width = 0, height = 0, colours = 0, zero = 0;
            quint16 planes = 0, bits = 0;
            quint32 bytes = 0, offset = 0;
            in >> width >> height >> colours >> zero >> planes >> bits >> bytes >> offset;
            QCOMPARE(int(width), size % 256);
            QCOMPARE(int(height), size % 256);
            QCOMPARE(bits, quint16(32));
            const qint64 next = file.pos();
            QVERIFY(file.seek(offset));
            const QImage image = QImage::fromData(file.read(bytes), "png");
            QCOMPARE(image.size(), QSize(size, size));
            QVERIFY(largestDifference(image, generate::heartThemeIcon(size)) <= kRounding);
            QVERIFY(file.seek(next));
        }
    }

    // The scalable icon, rendered at two sizes, is the bitmap heart.
    void scalableIconShowsTheSameHeart_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("64") << 64;
        QTest::newRow("256") << 256;
    }
    void scalableIconShowsTheSameHeart() {
        QFETCH(int, size);
        QFile file(iconFile(QStringLiteral("heart.svg")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray committed = file.readAll();
        QCOMPARE(committed, generate::heartThemeSvg());
        QSvgRenderer renderer(committed);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.viewBox(), QRect(0, 0, 64, 64));
        QImage rendered(size, size, QImage::Format_ARGB32_Premultiplied);
        rendered.fill(Qt::transparent);
        {
            QPainter p(&rendered);
            renderer.render(&p);
        }
        QVERIFY(borderIsTransparent(rendered));
        QVERIFY(largestDifference(rendered, generate::heartThemeIcon(size)) <= kRounding);
    }
};

QTEST_MAIN(TestIcons)
#include "test_icons.moc"
