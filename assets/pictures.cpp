#include "assets/pictures.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <algorithm>

namespace assets {

const std::vector<PictureFile>& pictureFiles() {
    static const std::vector<PictureFile> files{
        {Picture::CirculatorySystem, ":/assets/circulatory_system.png", {400, 600}},
        {Picture::Figure1, ":/assets/figure1.png", {631, 289}, ":/assets/figure1_en.png"},
        {Picture::Figure2, ":/assets/figure2.png", {643, 415}, ":/assets/figure2_en.png"},
        {Picture::Figure3, ":/assets/figure3.png", {435, 394}, ":/assets/figure3_en.png"},
        {Picture::Equation2, ":/assets/equation2.png", {83, 32}},
        {Picture::Equation3, ":/assets/equation3.png", {117, 41}},
        {Picture::Equation4, ":/assets/equation4.png", {123, 39}, ":/assets/equation4_en.png"},
        {Picture::Equation5, ":/assets/equation5.png", {113, 37}},
        {Picture::Equation6, ":/assets/equation6.png", {123, 42}},
        {Picture::Equations7And8, ":/assets/equations7_8.png", {99, 121}},
        {Picture::Equations9And10, ":/assets/equations9_10.png", {128, 173}},
        {Picture::KhanAcademyLogo, ":/assets/khan_academy_logo.png", {300, 300}},
    };
    return files;
}

const PictureFile& pictureFile(Picture picture) {
    const auto& files = pictureFiles();
    const auto it = std::find_if(files.begin(), files.end(),
                                 [picture](const PictureFile& f) { return f.picture == picture; });
    Q_ASSERT(it != files.end());
    return *it;
}

namespace {

bool& englishPictures() {
    static bool english = false;
    return english;
}

// Told that the data is PNG, the reader asks no image format plugin to look at it first.
QImage readPng(QIODevice& device, QImageReader& reader) {
    reader.setDevice(&device);
    reader.setFormat("png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace

QImage decodePicture(const QByteArray& data, QSize size, const QString& name) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader;
    const QImage image = readPng(buffer, reader);
    if (image.isNull())
        throw PictureError(
            QStringLiteral("Damaged picture %1: %2").arg(name, reader.errorString()).toStdString());
    if (image.size() != size)
        throw PictureError(QStringLiteral("Damaged picture %1").arg(name).toStdString());
    return image;
}

void useEnglishPictures(bool english) { englishPictures() = english; }

QImage loadPicture(Picture picture) {
    const PictureFile& file = pictureFile(picture);
    const bool english = englishPictures() && file.englishResource;
    const QString name = QString::fromLatin1(english ? file.englishResource : file.resource);
    QFile resource(name);
    if (!resource.open(QIODevice::ReadOnly))
        throw PictureError(QStringLiteral("Missing picture %1").arg(name).toStdString());
    return decodePicture(resource.readAll(), file.size, name);
}

QImage iconImage() {
    QFile file(QString::fromLatin1(kIconResource));
    QImageReader reader;
    const QImage image = file.open(QIODevice::ReadOnly) ? readPng(file, reader) : QImage();
    return image.size() == kIconSize ? image : QImage();
}

QIcon applicationIcon() {
    const QImage image = iconImage();
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

}  // namespace assets
