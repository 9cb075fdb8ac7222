#include "SchemaUpgrade.h"

#include "AppInfo.h"
#include "Localization.h"
#include "Resources.h"
#include "SqlConnection.h"

#include <QSet>
#include <QStringList>

namespace spinora {

namespace {

struct Column {
    QString name;
    QString type;
    QString defaultValue; // as SQL text; empty without a default
};

QList<Column> columnsOf(Connection* db, const QString& table)
{
    QList<Column> columns;
    Statement st(db, QStringLiteral("PRAGMA table_info(\"%1\")").arg(table).toStdString());
    while (st.prepared() && st.stepRow())
        columns.append({st.text(1), st.text(2), st.isNull(4) ? QString() : st.text(4)});
    return columns;
}

} // namespace

bool SchemaUpgrade::upgrade(Connection* target, QString* error)
{
    QString openError;
    const QString templatePath = Resources::path(QStringLiteral("spinora_emptydb.sdbi"));
    auto reference = templatePath.isEmpty() ? nullptr
                                            : Connection::open(templatePath, Connection::Mode::ReadOnly, &openError);
    if (!reference) {
        if (error)
            *error = localized("the current schema is not available (%1)").arg(openError);
        return false;
    }

    Statement tables(reference.get(), "SELECT name, sql FROM sqlite_master WHERE type='table'");
    QStringList statements;
    while (tables.prepared() && tables.stepRow()) {
        const QString table = tables.text(0);
        const QList<Column> existing = columnsOf(target, table);
        if (existing.isEmpty()) {
            statements << tables.text(1);
            continue;
        }
        QSet<QString> present;
        for (const Column& c : existing)
            present.insert(c.name.toLower());
        for (const Column& c : columnsOf(reference.get(), table)) {
            if (present.contains(c.name.toLower()))
                continue;
            QString add = QStringLiteral("ALTER TABLE \"%1\" ADD COLUMN \"%2\" %3").arg(table, c.name, c.type);
            if (!c.defaultValue.isEmpty())
                add += QStringLiteral(" DEFAULT ") + c.defaultValue;
            statements << add;
        }
    }
    statements << QStringLiteral("UPDATE version SET version_num=%1").arg(kSchemaVersion);

    if (!target->execute(QStringLiteral("BEGIN"), error))
        return false;
    for (const QString& sql : statements) {
        if (!target->execute(sql, error)) {
            target->execute("ROLLBACK");
            return false;
        }
    }
    return target->execute(QStringLiteral("COMMIT"), error);
}

} // namespace spinora
