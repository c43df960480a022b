#pragma once

#include <QFile>
#include <QString>

#include <gtest/gtest.h>

// Writes a shell script the owner may run: a stand-in for a kit tool, a
// terminal or any program a test puts on PATH.
inline void writeShellScript(const QString& path, const QString& body)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(("#!/bin/sh\n" + body + "\n").toLocal8Bit());
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
