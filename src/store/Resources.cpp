#include "Resources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace spinora {

QString Resources::directory()
{
    const QString fromEnvironment = qEnvironmentVariable("SPINORA_RESOURCES");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    // An installed program finds its resources beside it (<prefix>/bin and
    // <prefix>/share/spinora), wherever the prefix is; without an
    // application object the running executable tells where that is.
    const QString programFolder = QCoreApplication::instance()
                                      ? QCoreApplication::applicationDirPath()
                                      : QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
    if (!programFolder.isEmpty()) {
        const QString installed = programFolder + QStringLiteral("/../share/spinora");
        if (QFileInfo::exists(installed + QStringLiteral("/spinoradb.sdbi")))
            return QDir::cleanPath(installed);
    }
    return QStringLiteral(SPINORA_BUILD_RESOURCE_DIR);
}

QString Resources::path(const QString& name)
{
    const QString candidate = directory() + QLatin1Char('/') + name;
    return QFileInfo::exists(candidate) ? candidate : QString();
}

bool Resources::readText(const QString& name, QString& text)
{
    QFile file(directory() + QLatin1Char('/') + name);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    text = QString::fromUtf8(file.readAll());
    return true;
}

} // namespace spinora
