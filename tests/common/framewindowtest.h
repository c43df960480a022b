#pragma once

#include "app/widgets/tmainform.h"
#include "settings/inifile.h"
#include "toolchain/kitcommands.h"
#include "workspace/widgets/teditform.h"

#include <QCoreApplication>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A test of the frame window in a user folder of its own (m_home). The
// window is started by startFrame(), or by the test itself into m_form;
// whatever is left open goes at the end without the quit question.
class FrameWindowTest : public ::testing::Test {
protected:
    void SetUp() override { qputenv("VORNIC_HOME", m_home.path().toLocal8Bit()); }
    void TearDown() override
    {
        closeFrame();
        qunsetenv("VORNIC_HOME");
    }
    // Starts the frame window as a user sees it, and lets start-up end
    // before the test acts.
    void startFrame()
    {
        m_form = new TMainForm;
        m_form->resize(1000, 700);
        m_form->show();
        QCoreApplication::processEvents();
    }
    void closeFrame()
    {
        if (!m_form)
            return;
        for (TEditForm* e : m_form->editors())
            e->Modified = false;
        delete m_form;
        m_form = nullptr;
    }

    QTemporaryDir m_home;
    TMainForm* m_form = nullptr;
};

// The same with the JDK found on this machine (JAVA_HOME/bin or javac on
// the PATH) set as the program's kit; skipped where there is none.
class KitFrameWindowTest : public FrameWindowTest {
protected:
    void SetUp() override
    {
        m_javaBin = KitCommands::defaultJavaBinDir(QProcessEnvironment::systemEnvironment());
        if (m_javaBin.isEmpty())
            GTEST_SKIP() << "no JDK found (JAVA_HOME/bin or javac on PATH): these tests need javac";
        FrameWindowTest::SetUp();
        IniFile(m_home.filePath("Vornic.ini")).WriteString("CompilerOptions", "JavaBinDir", m_javaBin);
        startFrame();
    }

    QString m_javaBin;
};
