#pragma once
// The heart of the program's icon, drawn once for the window icon and for the desktop's icon
// theme, so that the program and its menu entry show the same picture.

#include <QByteArray>
#include <QImage>
#include <array>

class QPainter;

namespace generate {

// The square sizes in pixels of the theme's bitmap icons.
inline constexpr std::array kThemeIconSizes{16, 24, 32, 48, 64, 128, 256};
// Those of the Windows icon: the taskbar, Explorer's views, the Start menu and "Apps & features".
inline constexpr std::array kWindowsIconSizes{16, 24, 32, 48, 64, 256};

// Paints the heart into the box (0, 0)-(64, 52) of the painter's coordinates.
void drawHeart(QPainter& p);

QImage heartIcon();               // 64 x 52, transparent: the window icon
QImage heartThemeIcon(int size);  // size x size, the heart centred on transparent padding
QByteArray heartThemeSvg();       // the same square icon as scalable SVG
// The same square icons as one Windows .ico file, each size stored as PNG.
QByteArray heartWindowsIcon();

}  // namespace generate
