#pragma once

#include <QImage>

class QString;

// A JPEG file (a Qt resource or a path) decoded by our libjpeg decoder;
// a null image when it cannot be read or decoded.
QImage loadJpegImage(const QString& path);
