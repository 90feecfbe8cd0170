#include "assets/pictures.h"

#include <QPixmap>
#include <QResource>
#include <algorithm>

#include "assets/jpeg_decoder.h"

namespace assets {

const std::vector<PictureFile>& pictureFiles() {
    static const std::vector<PictureFile> files{
        {Picture::CirculatorySystem, ":/assets/circulatory_system.jpg", {400, 600}},
        {Picture::Figure1, ":/assets/figure1.jpg", {631, 289}},
        {Picture::Figure2, ":/assets/figure2.jpg", {643, 415}},
        {Picture::Figure3, ":/assets/figure3.jpg", {435, 394}},
        {Picture::Equation2, ":/assets/equation2.jpg", {83, 32}},
        {Picture::Equation3, ":/assets/equation3.jpg", {117, 41}},
        {Picture::Equation4, ":/assets/equation4.jpg", {123, 39}},
        {Picture::Equation5, ":/assets/equation5.jpg", {113, 37}},
        {Picture::Equation6, ":/assets/equation6.jpg", {123, 42}},
        {Picture::Equations7And8, ":/assets/equations7_8.jpg", {99, 121}},
        {Picture::Equations9And10, ":/assets/equations9_10.jpg", {128, 173}},
        {Picture::KhanAcademyLogo, ":/assets/khan_academy_logo.jpg", {300, 300}},
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

QImage loadPicture(Picture picture) {
    const PictureFile& file = pictureFile(picture);
    // Decoded where the resource lies in the program, without copying it first.
    const QResource resource(QString::fromLatin1(file.resource));
    const QByteArray data = resource.isValid() ? resource.uncompressedData() : QByteArray();
    if (data.isEmpty()) throw JpegError(std::string("Missing picture ") + file.resource);
    return decodeJpeg(data);
}

QImage iconImage() {
    const QResource resource(QString::fromLatin1(kIconResource));
    const qsizetype bytes = qsizetype(kIconSize.width()) * kIconSize.height() * 4;
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression ||
        resource.size() != bytes)
        return {};
    // The pixels stay where they lie in the program; the copy is the icon's own.
    return QImage(resource.data(), kIconSize.width(), kIconSize.height(), kIconSize.width() * 4,
                  QImage::Format_RGBA8888)
        .copy();
}

QIcon applicationIcon() {
    const QImage image = iconImage();
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

}  // namespace assets
