#pragma once

#include "settings/result.h"

class QFile;
class QString;

// Opens a file for reading only when it is a regular file: a FIFO or a
// device would block or never end. The open itself does not block.
Result<void> openRegularFile(QFile& file, const QString& path);
