#pragma once

#include "settings/result.h"

#include <QByteArray>

// Decodes a JPEG picture with libjpeg into 8-bit RGB rows, for the few
// pictures the program ships (the tip window, the table wizard's icons).
// libjpeg's own error handler ends the process; this one returns the error.
struct DecodedJpeg {
    int width = 0;
    int height = 0;
    QByteArray rgb; // height rows of width * 3 bytes
};

Result<DecodedJpeg> decodeJpeg(const QByteArray& bytes);
