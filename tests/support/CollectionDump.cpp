#include "CollectionDump.h"

#include "SpinoraDatabase.h"
#include "TestSupport.h"

#include <QCryptographicHash>
#include <QDir>

#include <gtest/gtest.h>

namespace spinora::test {

namespace {

QString date(const Timestamp& t)
{
    return t ? QString::number(*t, 'f', 3) : QStringLiteral("-");
}

// Long texts are shortened to a hash so a failing dump stays readable.
QString text(const QString& s)
{
    if (s.size() <= 200)
        return QStringLiteral("[%1]").arg(s);
    return QStringLiteral("[%1 chars %2]")
        .arg(s.size())
        .arg(QString::fromLatin1(QCryptographicHash::hash(s.toUtf8(), QCryptographicHash::Md5).toHex()));
}

} // namespace

QStringList dumpRows(const QString& dbPath)
{
    // Read-write only so that a change a failure left half-made (a journal
    // that could not be deleted) is rolled back, as the next reader does.
    QString error;
    auto db = Connection::open(dbPath, Connection::Mode::ReadWrite, &error);
    QStringList rows;
    if (!db)
        return {QStringLiteral("cannot open: ") + error};
    for (const char* table : {"version", "cactus", "watering", "log", "event", "species", "image"}) {
        // quote() of every column, in the table's order.
        QStringList columns;
        {
            Statement info(db.get(), QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(table).toStdString());
            while (info.stepRow())
                columns << QStringLiteral("quote(\"%1\")").arg(info.text(0));
        }
        Statement st(db.get(), QStringLiteral("SELECT %1 FROM %2 ORDER BY pk").arg(columns.join(", "), table).toStdString());
        while (st.stepRow()) {
            QStringList values;
            for (int i = 0; i < columns.size(); ++i)
                values << st.text(i);
            rows << QStringLiteral("%1: %2").arg(table, values.join(" | "));
        }
    }
    return rows;
}

QMap<QString, QByteArray> photoFiles(const QString& packagePath)
{
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(packagePath).entryList({"sp-*.jpg"}, QDir::Files))
        files.insert(name, snapshot(packagePath + QLatin1Char('/') + name).first());
    return files;
}

QString dumpRecord(Cactus& c)
{
    EXPECT_TRUE(c.hydrate().ok());
    return QStringLiteral("cactus %1 %2 %3 type=%4 water=%5 last=%6 next=%7 plant=%8 acquired=%9")
               .arg(text(c.name()), text(c.commonName()), text(c.scientificName()))
               .arg(c.type())
               .arg(c.water() ? text(c.water()->name()) : QStringLiteral("none"))
               .arg(date(c.lastWatered()), date(c.waterNext()), date(c.plantDate()), date(c.dateAcquired())) +
           QStringLiteral(" price=%1 value=%2 source=%3 %4 %5 %6 %7 %8 %9")
               .arg(c.purchasePrice())
               .arg(c.value())
               .arg(c.source())
               .arg(text(c.location()), text(c.height()), text(c.width()), text(c.weight()), text(c.light()),
                    text(c.temperature())) +
           QStringLiteral(" pot=%1 shape=%2 material=%3 notes=%4 logs=%5 photos=%6")
               .arg(text(c.potSize()))
               .arg(c.potShape())
               .arg(c.potMaterial())
               .arg(text(c.notes()))
               .arg(c.logs().size())
               .arg(c.images().size());
}

QString dumpRecord(Water& w)
{
    EXPECT_TRUE(w.hydrate().ok());
    QStringList periods;
    for (int i = 1; i <= 6; ++i)
        periods << QString::number(w.noWaterDDMM(i));
    return QStringLiteral("water %1 every=%2 unit=%3 quantity=%4 last=%5 next=%6 notify=%7 periods=%8 notes=%9 plants=%10")
        .arg(text(w.name()))
        .arg(w.frequency())
        .arg(w.frequencyUnits())
        .arg(w.quantity())
        .arg(date(w.lastWatered()), date(w.waterNext()))
        .arg(w.notificationSet())
        .arg(periods.join(','), text(w.notes()))
        .arg(w.cacti().size());
}

QString dumpRecord(Log& l)
{
    EXPECT_TRUE(l.hydrate().ok());
    return QStringLiteral("log type=%1 date=%2 reminder=%3 id=%4 cactus=%5 event=%6 summary=%7 notes=%8 photos=%9")
        .arg(l.logType())
        .arg(date(l.logDate()))
        .arg(l.reminder())
        .arg(text(l.reminderIdentifier()), l.cactus() ? text(l.cactus()->name()) : QStringLiteral("none"),
             text(l.eventName()), text(l.noteSummary()), text(l.notes()))
        .arg(l.images().size());
}

QStringList dumpCollection(SpinoraDatabase& document)
{
    QStringList lines;
    for (const auto& c : document.cacti())
        lines << dumpRecord(*c);
    for (const auto& w : document.watering())
        lines << dumpRecord(*w);
    for (const auto& l : document.logs())
        lines << dumpRecord(*l);
    for (const auto& e : document.events())
        lines << QStringLiteral("event %1").arg(text(e->name()));
    for (const auto& s : document.species())
        lines << QStringLiteral("species %1 %2").arg(text(s->name()), text(s->scientificName()));
    for (const auto& i : document.images()) {
        EXPECT_TRUE(i->hydrateCaption().ok());
        QString owner = QStringLiteral("?");
        if (i->linkedType() == Image::kCactusPhoto) {
            for (const auto& c : document.cacti())
                if (c->primaryKey() == i->linkedKey())
                    owner = QStringLiteral("cactus ") + text(c->name());
        } else if (i->linkedType() == Image::kLogPhoto) {
            for (const auto& l : document.logs())
                if (l->primaryKey() == i->linkedKey())
                    owner = QStringLiteral("log ") + date(l->logDate()) + text(l->eventName());
        }
        lines << QStringLiteral("photo of %1 tag=%2 caption=%3").arg(owner).arg(i->tagValue()).arg(text(i->caption()));
    }
    lines.sort();
    return lines;
}

std::string dumpDifference(const QStringList& a, const QStringList& b)
{
    std::string out;
    for (const QString& line : a)
        if (!b.contains(line))
            out += "- " + line.left(400).toStdString() + "\n";
    for (const QString& line : b)
        if (!a.contains(line))
            out += "+ " + line.left(400).toStdString() + "\n";
    return out;
}

::testing::AssertionResult holdsRecords(SpinoraDatabase& document, const QStringList& expected)
{
    const QStringList records = dumpCollection(document);
    if (records == expected)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << dumpDifference(expected, records);
}

} // namespace spinora::test
