// Every test process gets its own application-support, caches and settings
// folders, so tests never touch the user's files and can run in parallel.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#ifdef SPINORA_WIDGET_TESTS
#include <QApplication>
#endif
#include <QTemporaryDir>

#include "Timestamp.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    spinora::settleLocalTimeZone();
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/spinora-test-XXXXXX"));
    const QByteArray root = home.path().toUtf8();
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"})
        setenv(name, (root + "/" + name).constData(), 1);
    // A runtime folder of its own: a spinora started by a test finds no
    // other test's running instance there.
    QDir().mkpath(QString::fromUtf8(root + "/XDG_RUNTIME_DIR"));
    QFile::setPermissions(QString::fromUtf8(root + "/XDG_RUNTIME_DIR"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    setenv("XDG_RUNTIME_DIR", (root + "/XDG_RUNTIME_DIR").constData(), 1);
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
#ifdef SPINORA_WIDGET_TESTS
    QApplication app(argc, argv);
#else
    QGuiApplication app(argc, argv);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
