#pragma once

// A test fixture whose cases each run in a program folder of their own
// (VORNIC_HOME), with helpers to write files there and read them back.
#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        // The program folder lies inside a folder of its own, so files beside
        // it can stand guard against names that would leave it.
        ASSERT_TRUE(QDir(m_root.path()).mkpath("home"));
        m_hadHome = qEnvironmentVariableIsSet("VORNIC_HOME");
        m_oldHome = qgetenv("VORNIC_HOME");
        qputenv("VORNIC_HOME", QFile::encodeName(home()));
    }
    void TearDown() override
    {
        if (m_hadHome)
            qputenv("VORNIC_HOME", m_oldHome);
        else
            qunsetenv("VORNIC_HOME");
    }
    QString home() const { return m_root.filePath("home"); }
    QString homeFile(const QString& relative) const { return home() + "/" + relative; }
    // Writes a file under the program folder ("../x" lands beside it).
    void write(const QString& relative, const QByteArray& bytes)
    {
        const QString path = QDir::cleanPath(homeFile(relative));
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // The bytes of a file under the program folder; a null array when none.
    QByteArray read(const QString& relative) const
    {
        QFile f(QDir::cleanPath(homeFile(relative)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    bool exists(const QString& relative) const { return QFileInfo::exists(QDir::cleanPath(homeFile(relative))); }
    // Every file under the root (the program folder and beside it) with its
    // bytes, to show that an action changed nothing.
    QStringList snapshot() const
    {
        QStringList files;
        QDirIterator it(m_root.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            files << f.fileName() + "=" + (f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : "?");
        }
        files.sort();
        return files;
    }

    QTemporaryDir m_root;
    bool m_hadHome = false;
    QByteArray m_oldHome;
};
