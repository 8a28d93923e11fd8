#pragma once

#include <QTemporaryDir>
#include <QtGlobal>

// Gives a test program its own configuration folder, so that settings and autostart
// entries written by the tests never touch the user's. Create one before anything
// reads the settings; it lives for the whole test program.
class TestEnvironment
{
public:
    TestEnvironment()
    {
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toUtf8());
    }
    QString configDir() const { return m_config.path(); }

private:
    QTemporaryDir m_config;
    QTemporaryDir m_runtime;
};
