#include "BackupCommands.h"

#include "AppInfo.h"
#include "Backups.h"
#include "Localization.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace spinora::cli {

namespace {

QString existingCollection(const QString& path)
{
    const QString package = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (!QFileInfo::exists(package + QLatin1Char('/') + QLatin1String(kDatabaseFileName)))
        throw CliError(localized("no collection at %1").arg(path));
    return package;
}

BackupSet backupsOf(const QString& package, const std::optional<QString>& root)
{
    BackupSettings settings = BackupSettings::read();
    if (root)
        settings.folder = QDir::cleanPath(QFileInfo(*root).absoluteFilePath());
    return BackupSet(package, settings);
}

QString describe(const Backup& backup)
{
    return QStringLiteral("%1 (%2 plants, %3 logs, %4 photos%5)")
        .arg(backup.folder)
        .arg(backup.plants)
        .arg(backup.logs)
        .arg(backup.photos)
        .arg(backup.damaged ? QStringLiteral("; a copy of the damaged database") : QString());
}

} // namespace

int runBackup(Arguments& arguments)
{
    const std::optional<QString> root = arguments.takeOption(QStringLiteral("--to"));
    const QString path = arguments.positional(1, QStringLiteral("spinora-cli backup PATH.sdb [--to DIR]")).first();
    BackupSet backups = backupsOf(existingCollection(path), root);
    Result<Backup> taken = backups.takeFromFiles(QStringLiteral("manual"));
    if (!taken)
        throw CliError(localized("no snapshot was kept: %1").arg(taken.failure().message()));
    backups.prune();
    printLine(QStringLiteral("kept %1").arg(describe(*taken)));
    return 0;
}

int runBackups(Arguments& arguments)
{
    const std::optional<QString> root = arguments.takeOption(QStringLiteral("--in"));
    const bool json = arguments.takeFlag(QStringLiteral("--json"));
    const QString path = arguments.positional(1, QStringLiteral("spinora-cli backups PATH.sdb [--in DIR] [--json]")).first();
    const std::vector<Backup> all = backupsOf(existingCollection(path), root).list();
    QJsonArray list;
    for (const Backup& backup : all) {
        const QString taken = backup.taken.toString(Qt::ISODate);
        if (!json) {
            printLine(QStringList{backup.name(), taken, backup.reason, QString::number(backup.plants),
                                  QString::number(backup.schedules), QString::number(backup.logs),
                                  QString::number(backup.photos), QString::number(backup.bytes),
                                  backup.damaged ? QStringLiteral("damaged") : QStringLiteral("good")}
                          .join(QLatin1Char('\t')));
            continue;
        }
        QJsonObject fields = backup.toJson();
        fields.insert(QStringLiteral("name"), backup.name());
        fields.insert(QStringLiteral("folder"), backup.folder);
        list.append(fields);
    }
    if (json)
        printLine(QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Compact)));
    return 0;
}

int runRestore(Arguments& arguments)
{
    const std::optional<QString> root = arguments.takeOption(QStringLiteral("--in"));
    const QStringList words = arguments.positional(2, QStringLiteral("spinora-cli restore PATH.sdb SNAPSHOT [--in DIR]"));
    BackupSet backups = backupsOf(existingCollection(words[0]), root);
    const std::optional<Backup> chosen = backups.find(words[1]);
    if (!chosen)
        throw CliError(localized("%1 has no snapshot named %2 (spinora-cli backups %1 lists them); nothing was changed")
                           .arg(words[0], words[1]));
    Result<Backup> kept = backups.restoreFiles(*chosen);
    if (!kept)
        throw CliError(localized("%1 was not restored: %2").arg(words[0], kept.failure().message()));
    printLine(QStringLiteral("restored %1 from %2").arg(words[0], describe(*chosen)));
    printLine(localized("the collection as it was is kept as %1").arg(kept->name()));
    return 0;
}

} // namespace spinora::cli
