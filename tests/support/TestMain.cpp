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

#include "ActionEdge.h"
#include "TestSupport.h"
#include "Timestamp.h"
#include "Translations.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace {

QtMessageHandler previousHandler = nullptr;

// A warning of Qt's is a fault the test did not see (a timer started from
// another thread, a connection to a missing slot): it fails the test. These
// kinds pass: our own log of internal errors (category "spinora"), which
// tests provoke on purpose; the JPEG decoder's complaints about the damaged
// pictures tests feed it on purpose (our code refuses those pictures); and the
// offscreen platform plugin's notes that it cannot do what only a real
// window system does (raise a window, pass on its size hints, grab the
// keyboard for a pop-up menu): they come from the platform the tests run on,
// never from our code.
void failOnQtWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    previousHandler(type, context, message);
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    if (context.category &&
        (std::strcmp(context.category, "spinora") == 0 || std::strcmp(context.category, "qt.gui.imageio.jpeg") == 0))
        return;
    if (message == QLatin1String("This plugin does not support raise()") ||
        message == QLatin1String("This plugin does not support propagateSizeHints()") ||
        message == QLatin1String("This plugin does not support grabbing the keyboard"))
        return;
    ADD_FAILURE() << "Qt warning: " << message.toStdString();
}

} // namespace

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
    previousHandler = qInstallMessageHandler(failOnQtWarnings);
    // English as the app speaks it, plural forms included ("1 year"),
    // whatever the language of whoever runs the tests.
    spinora::Translations::chooseLanguage(QStringLiteral("en"));
    spinora::Translations::install();
    // What a failed action would tell the user is recorded, for the tests
    // to count and read, instead of waiting for somebody to close it.
    spinora::ActionEdge::setAlert([](QObject*, const QString& title, const QString& text) {
        spinora::test::edgeAlerts() << title + QStringLiteral(": ") + text;
    });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
