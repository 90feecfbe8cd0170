#pragma once
// The pictures that the windows show, built into the program as resources.

#include <QIcon>
#include <QImage>
#include <QSize>
#include <vector>

#include "assets/picture_error.h"

namespace assets {

enum class Picture {
    CirculatorySystem,  // title window
    Figure1,            // theory page 1: the elastic-reservoir model
    Figure2,            // theory page 2: pressure and ejection rate over the cardiac cycle
    Figure3,            // theory page 5: diastolic decay of the aortic pressure
    Equation2,          // theory page 3
    Equation3,
    Equation4,
    Equation5,
    Equation6,
    Equations7And8,
    Equations9And10,  // theory page 4
    KhanAcademyLogo,  // links window
};

struct PictureFile {
    // JPEG, or plain pixels: three bytes each (red, green, blue), row after row, kept
    // uncompressed and drawn from where they lie in the program without a decoder.
    enum class Stored { Jpeg, RgbPixels };

    Picture picture;
    const char* resource;  // Qt resource path
    QSize size;            // size of the picture in pixels
    Stored stored = Stored::Jpeg;
};

// Every picture of the program, with its resource and its size.
const std::vector<PictureFile>& pictureFiles();

const PictureFile& pictureFile(Picture picture);

// Reads and decodes one picture; throws PictureError (JpegError for a JPEG) if its data is
// damaged. A window's pictures are decoded while the window is shown. The title window's
// picture is plain pixels: that window appears before any other, and decoding its JPEG
// (libjpeg's code and 0.7 MB of fresh memory) took 2.5 ms before it could.
QImage loadPicture(Picture picture);

// The application icon: a human heart on a transparent background, kept as plain pixels (four
// bytes each: red, green, blue, alpha, not premultiplied; row after row) so that reading it
// needs no image decoder: running the PNG decoder added 0.2 MB to the program at start-up.
inline constexpr const char* kIconResource = ":/assets/heart.rgba";
inline constexpr QSize kIconSize{64, 52};
QImage iconImage();       // read from kIconResource; null if the resource is damaged
QIcon applicationIcon();  // the same picture

}  // namespace assets
