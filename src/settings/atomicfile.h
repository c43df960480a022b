#pragma once

#include "settings/result.h"

#include <QByteArray>
#include <QString>

// Writes a temporary file in the target's folder, flushes it to disk and
// renames it over the target, so a failure leaves the old file as it was.
// A symbolic link is followed (its target is written) and an existing file
// keeps its permission bits.
Result<void> writeFileAtomically(const QString& path, const QByteArray& bytes);

// The same, failing with the settings files' message "Unable to write to "
// and the path.
Result<void> writeAtomically(const QString& path, const QByteArray& bytes);
