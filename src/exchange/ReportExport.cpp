#include "ReportExport.h"

#include "AppInfo.h"
#include "CollectionCharts.h"
#include "CsvExport.h"
#include "FileHelpers.h"
#include "LocaleFormats.h"
#include "Localization.h"
#include "RecordSet.h"
#include "ReportCharts.h"
#include "Resources.h"
#include "SpinoraDatabase.h"
#include "SpinoraStrings.h"
#include "SqlConnection.h"
#include "Statistics.h"
#include "TextCompare.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QUrl>

#include <cstdio>

namespace spinora {

namespace {

QString boxOpening(int width)
{
    return QStringLiteral("<div style=\"background-color:#FFFFFF; font-family:Tahoma,Arial,Helvetica,sans-serif; "
                          "font-size:18x; width:%1px; ")
               .arg(width) +
           QStringLiteral("margin-left:15%; margin-right:15%; border:3px groove #f5bd68; padding:15px;\">");
}

QString photoFile(int64_t key)
{
    return QStringLiteral("%1_%2.jpg").arg(QStringLiteral("spinora")).arg(key);
}

// Links in the page are relative: the folder name as a URL path segment, so
// that any character the user put in the file name stays inside the attribute.
QString link(const QString& folder, const QString& file)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(folder)) + QLatin1Char('/') +
           QString::fromLatin1(QUrl::toPercentEncoding(file));
}

QString row(int labelWidth, const char* label, const QString& value)
{
    return QStringLiteral("<tr><td width=%1><b>%2:</b></td><td align=left>%3</td></tr>\n")
        .arg(labelWidth)
        .arg(localized(label), ReportExport::encodeStringToHTML(value));
}

QString photosRow(const ReportExport::Context& c, const std::vector<Image*>& images)
{
    QString html = QStringLiteral("<tr><td width=180><b>%1:</b></td><td align=left>\n").arg(localized("Photos"));
    for (const Image* image : images)
        html += QStringLiteral("<img src=\"%1\" style=\"padding: 20px 20px 20px 0px; vertical-align:middle;\">\n")
                    .arg(link(c.photoFolder, photoFile(image->primaryKey())));
    return html + QStringLiteral("</td></tr>\n");
}

QString pieceStart(const ReportExport::Context& c, const char* kind, int number)
{
    return QStringLiteral("<div style=\"font-family:Tahoma,Arial,Helvetica,sans-serif; font-size:18x; width:%1px; "
                          "text-align:center; ")
               .arg(c.width) +
           QStringLiteral("margin-left:15%; margin-right:15%; padding:15px;\">") +
           QStringLiteral("<h3 class=\"break\">- %1 %2 -</h3></div>\n").arg(localized(kind)).arg(number) + boxOpening(c.width) +
           QStringLiteral("<p><table border=0 cellspacing=0 cellpadding=8 width=650><tbody>\n");
}

const QString kPieceEnd = QStringLiteral("</tbody></table></p></div>\n");

// Renames the finished photo folder and page over whatever is at their
// names (a link included: rename replaces the link itself). The photo folder
// goes first; the old one is moved aside and removed only when the new one is
// in place.
bool putInPlace(const QString& photos, const QString& finalPhotos, const QString& page, const QString& finalPage)
{
    const QString aside = photos + QStringLiteral(".old");
    const QFileInfo existing(finalPhotos);
    const bool hadPhotos = existing.exists() || existing.isSymLink();
    if (hadPhotos && !QDir().rename(finalPhotos, aside))
        return false;
    if (!QDir().rename(photos, finalPhotos)) {
        if (hadPhotos)
            QDir().rename(aside, finalPhotos);
        return false;
    }
    FileHelpers::removeFileIfExists(aside);
    return std::rename(QFile::encodeName(page).constData(), QFile::encodeName(finalPage).constData()) == 0;
}

QString dateOr(const LocaleFormats& f, const Timestamp& t, const char* missing, bool withTime)
{
    if (!t)
        return localized(missing);
    return withTime ? f.dateAndTime(t) : f.date(t);
}

} // namespace

int ReportExport::pageWidth(int photoSize)
{
    switch (photoSize) {
    case 3: return 1165;
    case 4: return 1420;
    default: return 700;
    }
}

QString ReportExport::encodeStringToHTML(const QString& text)
{
    QString html = text;
    html.replace(QLatin1String("&"), QLatin1String("&amp;"));
    html.replace(QLatin1String("\""), QLatin1String("&quot;"));
    html.replace(QLatin1String("<"), QLatin1String("&lt;"));
    html.replace(QLatin1String(">"), QLatin1String("&gt;"));
    html.replace(QLatin1String("\n"), QLatin1String("<br />"));
    return html;
}

// The chosen name without its ".html" ending: any other dot belongs to the
// name ("garden.2024" stays "garden.2024").
static QString reportBaseName(const QString& fileName)
{
    const QFileInfo info(fileName);
    const QString suffix = info.suffix().toLower();
    return suffix == QLatin1String("html") || suffix == QLatin1String("htm") ? info.completeBaseName() : info.fileName();
}

QString ReportExport::pageFileName(const QString& fileName)
{
    return reportBaseName(fileName) + QStringLiteral(".html");
}

QString ReportExport::photoFolderName(const QString& fileName)
{
    // A file name: the same in every language.
    return reportBaseName(fileName) + QStringLiteral("_photos");
}

QString ReportExport::head(const Context& c, const RecordSet& records, double totalValue, int uniqueSpecies)
{
    QString html = QStringLiteral("<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n");
    html += QStringLiteral("<title>%1</title>\n").arg(localized("Cacti Report"));
    html += QStringLiteral("<style>html {background-color:#eeeeee}</style>\n");
    html += QStringLiteral("</head><style>.break { page-break-before: always; }</style><body>\n");
    html += boxOpening(c.width);
    html += QStringLiteral("<img src=\"%1\" style=\"float:left; margin-right:20px;\"/>\n")
                .arg(link(c.photoFolder, QStringLiteral("Spinora.jpg")));
    html += QStringLiteral("<h1>%1</h1>\n").arg(localized("Cacti Report"));
    html += localized("Exported from %1 v%2 on %3")
                .arg(QLatin1String(kApplicationName), QLatin1String(kFormatVersion), c.formats.dateAndMediumTime(now()));
    html += QStringLiteral("<br /><br /><br /><br />\n<hr size=3 color=#f5bd68 align=center /><h2 align=center>%1</h2>\n")
                .arg(localized("Summary"));
    html += QStringLiteral("<table border=0 cellspacing=0 cellpadding=4 width=300 align=center><tbody>\n");
    const QString countRow = QStringLiteral("<tr><td>%1:</td><td align=right>%2</td></tr>\n");
    html += countRow.arg(localized("Total Cacti")).arg(records.cacti.size());
    html += countRow.arg(localized("Total Watering Schedules")).arg(records.watering.size());
    html += countRow.arg(localized("Total Log Entries")).arg(records.logs.size());
    html += countRow.arg(localized("Unique Species")).arg(uniqueSpecies);
    html += countRow.arg(localized("Total Value"), c.formats.money(totalValue));
    html += QStringLiteral("</tbody></table><br /><hr size=3 color=#f5bd68 align=center /><br /><br /></div>\n");
    return html;
}

QString ReportExport::cactusPiece(const Context& c, const Cactus& cactus, int number)
{
    const LocaleFormats& f = c.formats;
    QString html = pieceStart(c, QT_TRID_NOOP("Cactus"), number);
    html += row(180, QT_TRID_NOOP("Name"), cactus.name());
    html += photosRow(c, cactus.images());
    html += row(180, QT_TRID_NOOP("Species Scientific Name"), cactus.scientificName());
    html += row(180, QT_TRID_NOOP("Species Common Name"), cactus.commonName());
    html += row(180, QT_TRID_NOOP("Type"), SpinoraStrings::entry(SpinoraStrings::plantTypeStrings(), cactus.type()));
    html += row(180, QT_TRID_NOOP("Watering"), cactus.water() ? cactus.water()->name() : QString());
    html += row(180, QT_TRID_NOOP("Last Watered"), dateOr(f, cactus.lastWatered(), QT_TRID_NOOP("Never"), true));
    html += row(180, QT_TRID_NOOP("Next Watering"), dateOr(f, cactus.waterNext(), QT_TRID_NOOP("Never"), true));
    html += row(180, QT_TRID_NOOP("Plant Date"), dateOr(f, cactus.plantDate(), QT_TRID_NOOP("Unknown Date"), false));
    html += row(180, QT_TRID_NOOP("Age"), Cactus::ageString(cactus.plantDate()));
    html += row(180, QT_TRID_NOOP("Source"), SpinoraStrings::entry(SpinoraStrings::sourceStrings(), cactus.source()));
    html += row(180, QT_TRID_NOOP("Date Acquired"), f.date(cactus.dateAcquired()));
    html += row(180, QT_TRID_NOOP("Purchase Price"), f.money(cactus.purchasePrice()));
    html += row(180, QT_TRID_NOOP("Value"), f.money(cactus.value()));
    html += row(180, QT_TRID_NOOP("Location"), cactus.location());
    html += row(180, QT_TRID_NOOP("Height"), cactus.height());
    html += row(180, QT_TRID_NOOP("Width"), cactus.width());
    html += row(180, QT_TRID_NOOP("Weight"), cactus.weight());
    html += row(180, QT_TRID_NOOP("Light"), cactus.light());
    html += row(180, QT_TRID_NOOP("Temperature"), cactus.temperature());
    html += row(180, QT_TRID_NOOP("Pot Size"), cactus.potSize());
    html += row(180, QT_TRID_NOOP("Pot Shape"),
                SpinoraStrings::entry(SpinoraStrings::shapeStrings(), cactus.potShape()));
    html += row(180, QT_TRID_NOOP("Pot Material"),
                SpinoraStrings::entry(SpinoraStrings::materialStrings(), cactus.potMaterial()));
    html += row(180, QT_TRID_NOOP("Notes"), cactus.notes());
    html += QStringLiteral("<tr><td width=180><b><u>%1:</u></b></td><td align=left></td></tr>\n")
                .arg(localized("Log History"));
    const QString entryRow = QStringLiteral("<tr><td width=180>%1</td><td align=left>%2</td></tr>\n");
    for (const Log* log : cactus.logs()) {
        const QString event = log->eventName().isEmpty() ? localized("No Event Name") : log->eventName();
        QString what;
        if (log->logType() == Log::kCactusLog)
            what = event;
        else if (log->logType() == Log::kNoteLog)
            what = QStringLiteral("%1 (%2)").arg(event, log->noteSummary().isEmpty() ? localized("No Notes") : log->noteSummary());
        html += entryRow.arg(encodeStringToHTML(dateOr(f, log->logDate(), QT_TRID_NOOP("Unknown Date"), false)),
                             encodeStringToHTML(what));
    }
    if (cactus.logs().empty())
        html += QStringLiteral("<tr><td width=180>%1</td><td align=left></td></tr>\n").arg(localized("None"));
    return html + kPieceEnd;
}

QString ReportExport::waterPiece(const Context& c, const Water& water, int number)
{
    const LocaleFormats& f = c.formats;
    QString html = pieceStart(c, QT_TRID_NOOP("Watering"), number);
    html += row(300, QT_TRID_NOOP("Name"), water.name());
    const bool knownUnit = water.frequencyUnits() >= 1 && water.frequencyUnits() <= 5;
    html += row(300, QT_TRID_NOOP("Water Every"), knownUnit ? CsvExport::waterEvery(water) : QString());
    html += row(300, QT_TRID_NOOP("Quantity"),
                SpinoraStrings::entry(SpinoraStrings::quantityStrings(), water.quantity()));
    html += row(300, QT_TRID_NOOP("Last Watered"), dateOr(f, water.lastWatered(), QT_TRID_NOOP("Never"), true));
    html += QStringLiteral("<tr><td width=300><b>%1:</b></td><td align=left>\n").arg(localized("No Water Between"));
    for (int period = 1; period <= 3; ++period) {
        if (!water.isPeriodSet(period))
            continue;
        html += QStringLiteral("%1 - ").arg(encodeStringToHTML(CsvExport::noWaterDay(water.noWaterDDMM(2 * period - 1))));
        html += QStringLiteral("%1<br />").arg(encodeStringToHTML(CsvExport::noWaterDay(water.noWaterDDMM(2 * period))));
    }
    html += QStringLiteral("</td></tr>\n");
    html += row(300, QT_TRID_NOOP("Next Watering"), dateOr(f, water.waterNext(), QT_TRID_NOOP("None Scheduled"), true));
    html += row(300, QT_TRID_NOOP("Notes"), water.notes());
    html += QStringLiteral("<tr><td width=300><b><u>%1:</u></b></td><td align=left></td></tr>\n").arg(localized("Cacti To Water"));
    for (const Cactus* cactus : water.cacti()) {
        html += QStringLiteral("<tr><td width=300>%1</td><td align=left>(<i>%2</i> / %3)</td></tr>\n")
                    .arg(encodeStringToHTML(cactus->name()), encodeStringToHTML(cactus->scientificName()),
                         encodeStringToHTML(cactus->commonName()));
    }
    if (water.cacti().empty())
        html += QStringLiteral("<tr><td width=300>%1</td><td align=left></td></tr>\n").arg(localized("None"));
    return html + kPieceEnd;
}

QString ReportExport::logPiece(const Context& c, const Log& log, int number)
{
    QString html = pieceStart(c, QT_TRID_NOOP("Logs"), number);
    html += row(180, QT_TRID_NOOP("Event"), log.eventName().isEmpty() ? localized("No Event Name") : log.eventName());
    const char* type = log.logType() == Log::kCactusLog ? QT_TRID_NOOP("Cactus")
                       : log.logType() == Log::kNoteLog ? QT_TRID_NOOP("Note")
                                                        : QT_TRID_NOOP("Unknown");
    html += row(180, QT_TRID_NOOP("Type"), localized(type));
    html += row(180, QT_TRID_NOOP("Date"), c.formats.date(log.logDate()));
    html += row(180, QT_TRID_NOOP("Reminder"), log.reminder() ? localized("Yes") : localized("No"));
    html += row(180, QT_TRID_NOOP("Cactus"), log.cactus() ? log.cactus()->name() : QString());
    html += photosRow(c, log.images());
    html += row(180, QT_TRID_NOOP("Notes"), log.notes());
    return html + kPieceEnd;
}

ExportJob::Refusal ReportExport::checkDestination(const QString& folder, const QString& fileName, bool overwriteAllowed)
{
    const QString name = QFileInfo(fileName.isEmpty() ? QStringLiteral("spinora_report.html") : fileName).fileName();
    if (auto refusal = ExportJob::checkDestination(folder + QLatin1Char('/') + pageFileName(name), overwriteAllowed))
        return refusal;
    // The photo folder is replaced whole; a file in its place only with leave.
    const QString photos = folder + QLatin1Char('/') + photoFolderName(name);
    const QFileInfo info(photos);
    if ((info.exists() || info.isSymLink()) && !overwriteAllowed)
        return {localized("%1 already exists and was not replaced.").arg(QDir::toNativeSeparators(photos)), true};
    return {};
}

Result<ReportRequest> ReportExport::prepare(SpinoraDatabase& document, const QString& folder, const QString& fileName,
                                            int photoSize, bool overwriteAllowed)
{
    if (const ExportJob::Refusal refusal = checkDestination(folder, fileName, overwriteAllowed))
        return Failure(refusal.reason);
    if (Result<> written = document.writePendingChanges(); !written)
        return written.failure();
    ReportRequest request;
    request.collection = document.packageFilename();
    request.folder = folder;
    request.fileName = fileName.isEmpty() ? QStringLiteral("spinora_report.html") : fileName;
    request.photoSize = photoSize;
    request.order = document.sortOrder();
    return request;
}

int ReportExport::run(const ReportRequest& request, JobContext& job)
{
    const int photoSize = request.photoSize;
    // Only a name: a chosen name cannot lead the files out of the report folder.
    const QString fileName = QFileInfo(request.fileName).fileName();
    const QString folder = request.folder;
    const QString photoFolder = photoFolderName(fileName);
    // Page and photos are written beside their places and renamed into them
    // at the end: a link planted at either name is replaced, never written
    // through, and a failed or cancelled report leaves what was there.
    const QString pid = QString::number(QCoreApplication::applicationPid());
    const QString finalPhotoPath = folder + QLatin1Char('/') + photoFolder;
    const QString photoPath = folder + QStringLiteral("/.") + photoFolder + QStringLiteral(".writing-") + pid;
    const QString pagePath = folder + QLatin1Char('/') + pageFileName(fileName);
    const QString partialPage = folder + QStringLiteral("/.") + pageFileName(fileName) + QStringLiteral(".writing-") + pid;
    const LocaleFormats formats;
    const Context context{formats, photoFolder, pageWidth(photoSize)};

    auto db = ExportJob::openCollection(request.collection, job);
    if (!db)
        return kJobFailed;
    // One read transaction for every record and photo: one snapshot, and no
    // file lock taken and dropped around each record's SELECT.
    Transaction reading(db.get());
    RecordSet records;
    if (!ExportJob::loadRecords(db.get(), request.collection, request.order, records, job))
        return kJobFailed;

    const double total = 2.0 * records.cacti.size() + records.watering.size() + records.logs.size() +
                         records.images.size();
    double done = 0;
    auto step = [&] {
        done += 1;
        job.setProgress(done * 100.0 / std::max(1.0, total));
    };
    auto aborted = [&] { return job.cancelRequested(); };

    FileHelpers::removeFileIfExists(photoPath);
    FileHelpers::removeFileIfExists(partialPage);
    if (!QFileInfo(folder).isDir() || !QDir().mkdir(photoPath)) {
        job.fail(localized("The report folder %1 cannot be written.").arg(folder));
        return kJobFailed;
    }
    bool failed = false;
    auto keep = [&](const Result<>& done) {
        if (!done && !failed) {
            job.fail(done.failure());
            failed = true;
        }
        return done.ok();
    };
    {
        for (const auto& image : records.images) {
            if (aborted() || failed)
                break;
            keep(image->exportToPath(photoPath + QLatin1Char('/') + photoFile(image->primaryKey()), photoSize));
            step();
        }

        double totalValue = 0;
        QSet<QString> commonNames, scientificNames;
        for (const auto& cactus : records.cacti) {
            totalValue += CollectionStatistics::valueOfPlant(*cactus);
            if (!cactus->commonName().isEmpty())
                commonNames.insert(text::capitalized(cactus->commonName()));
            if (!cactus->scientificName().isEmpty())
                scientificNames.insert(text::capitalized(cactus->scientificName()));
            step();
        }
        const int uniqueSpecies = int(std::max(commonNames.size(), scientificNames.size()));

        QFile page(partialPage);
        // NewOnly (O_EXCL): never opens something planted at the name.
        bool writing = page.open(QIODevice::WriteOnly | QIODevice::NewOnly);
        const QString icon = Resources::path(QStringLiteral("SpinoraIcon.jpg"));
        if (!icon.isEmpty())
            FileHelpers::copyFileFrom(icon, photoPath + QStringLiteral("/Spinora.jpg"), FileHelpers::Durability::Fast);
        auto write = [&](const QString& piece) {
            if (writing && !CsvExport::outputString(piece, page))
                writing = false;
        };
        write(head(context, records, totalValue, uniqueSpecies));
        write(ReportCharts::section(CollectionCharts::compute(records.cacti, now()), formats, context.width));
        auto pieces = [&](auto& list, auto render) {
            int number = 0;
            for (const auto& record : list) {
                if (!writing || failed || aborted())
                    return;
                keep(ExportJob::withDetails(*record, [&] { write(render(*record, ++number)); }));
                step();
            }
        };
        pieces(records.cacti, [&](const Cactus& c, int n) { return cactusPiece(context, c, n); });
        pieces(records.watering, [&](const Water& w, int n) { return waterPiece(context, w, n); });
        pieces(records.logs, [&](const Log& l, int n) { return logPiece(context, l, n); });
        write(QStringLiteral("</body></html>\n"));
        page.close();
        if (failed) {
            // Told already.
        } else if (!writing || page.error() != QFileDevice::NoError) {
            // A page that could not be written whole is a failure, not a cancel.
            failed = true;
            job.fail(localized("The report %1 could not be written.").arg(pagePath));
        } else if (!aborted() && !putInPlace(photoPath, finalPhotoPath, partialPage, pagePath)) {
            failed = true;
            job.fail(localized("The report %1 could not be written.").arg(pagePath));
        }
    }
    reading.commit();
    FileHelpers::removeFileIfExists(photoPath);
    FileHelpers::removeFileIfExists(partialPage);
    job.setProgress(100);
    if (failed)
        return kJobFailed;
    return aborted() ? kJobCancelled : kJobFinished;
}

} // namespace spinora
