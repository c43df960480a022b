#pragma once

#include "settings/result.h"

#include <QByteArray>
#include <QImage>

// Decodes a JPEG picture with libjpeg. A damaged or truncated file gives
// libjpeg's message, never a crash or an exit.
Result<QImage> decodeJpeg(const QByteArray& bytes);
