#pragma once

#include "settings/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Writes a temporary file in the target's folder, flushes it to disk and
// renames it over the target, so a failure leaves the old file as it was;
// keeps owner, group and mode, and writes in place where replacing would
// lose them or cannot be done (see FileAccess::writeFileSafely). A symbolic
// link is followed (its target is written).
Result<void> writeFileAtomically(const QString& path, QByteArrayView bytes);

// The same, failing with the settings files' message "Unable to write to "
// and the path.
Result<void> writeAtomically(const QString& path, const QByteArray& bytes);
