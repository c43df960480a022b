#pragma once

#include <QFile>
#include <QString>

#include <gtest/gtest.h>

// Compares a text with its golden file; on a mismatch writes the text to
// <golden>.actual beside it, for review (and to copy over when right).
inline void expectMatchesGolden(const QString& goldenPath, const QString& actual)
{
    QFile golden(goldenPath);
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly)) << goldenPath.toStdString();
    const QString expected = QString::fromUtf8(golden.readAll());
    if (expected == actual) {
        QFile::remove(goldenPath + QStringLiteral(".actual"));
        return;
    }
    QFile out(goldenPath + QStringLiteral(".actual"));
    if (out.open(QIODevice::WriteOnly))
        out.write(actual.toUtf8());
    ADD_FAILURE() << "differs from " << goldenPath.toStdString() << "; see the .actual file beside it";
}
