#include "Commands.h"

#include "BackupCommands.h"
#include "CollectionCommands.h"
#include "DeviceCommands.h"
#include "ExchangeCommands.h"
#include "PrintCommands.h"
#include "StatsCommand.h"
#include "WateringCommands.h"

#include <vector>

namespace spinora::cli {

namespace {

const std::vector<Command>& commands()
{
    static const std::vector<Command> all = {
        {"new", "new PATH.sdb [--empty]",
         "make a collection package from the default template (or the empty one)", runNew},
        {"sample", "sample PATH.sdb [--cacti N] [--watering N] [--logs N] [--photos N] [--camera]",
         "make a new collection filled with made-up plants, schedules, logs and photos (--camera: photos of a "
         "camera's size, a few hundred kilobytes each)", runSample},
        {"info", "info PATH.sdb", "print the schema version and the number of records of each kind", runInfo},
        {"stats", "stats PATH.sdb",
         "print the statistics window's figures as key: value lines (total_value with two decimals)", runStats},
        {"list", "list PATH.sdb cacti|watering|logs",
         "print one tab-separated line per record, in the collection's sort order", runList},
        {"export-sdbi", "export-sdbi PATH.sdb OUT [--type 0..3] [--force]",
         "export to an interchange file (OUT.sdbi) or, for any other name, a collection package; "
         "types: 0 everything, 1 cacti and watering schedules, 2 cacti, 3 watering schedules", runExportSdbi},
        {"export-csv", "export-csv PATH.sdb OUT.csv [--type 0..3] [--force]",
         "export to a CSV file in the Spinora template layout (types as for export-sdbi)", runExportCsv},
        {"report", "report PATH.sdb OUT.html [--size 1..4] [--force]",
         "write the HTML report with its photos folder; photo sizes: 1 small, 2 medium, 3 large, 4 extra large",
         runReport},
        {"csv-template", "csv-template OUT.csv [--force]",
         "write the CSV template: the sections and header lines an export writes, with one example row each",
         runCsvTemplate},
        {"import", "import PATH.sdb IN [--type 0..3] [--map \"COLUMN=FIELD,...\"]",
         "merge IN (an .sdbi file, a .csv file, or another .sdb collection) into the collection; "
         "a .csv file not in the template layout is a table of plants under a header line: --map names each "
         "column's field (COLUMN+COLUMN joins texts, as in \"Name=name,Genus+Species=scientific,Price=price,"
         "Photo=skip\"; unnamed columns are skipped); without --map the fields are guessed from the headers, and "
         "a file with a column that cannot be placed is refused with those columns named; fields: name, "
         "scientific, common, type, watering, last-watered, next-watering, planted, source, acquired, price, value, "
         "location, height, width, weight, light, temperature, pot-size, pot-shape, pot-material, notes, skip; "
         "exits 0 when the import finished, 3 when it finished but left out what it could not read (a field of a "
         "CSV file, a photo: each named on a \"warning:\" line on stderr), 1 when it failed or was cancelled (then it "
         "changed nothing)", runImport},
        {"print", "print PATH.sdb OUT.pdf [--screen 0..5] [--record PK] [--page-size A4|Letter] [--search TEXT]",
         "print a list or a record sheet to a PDF file; screens: 0 cacti, 1 watering schedules, 2 logs, "
         "3 a cactus sheet, 4 a schedule sheet, 5 a log sheet (the record with key PK, or the list's first); "
         "--search filters the list as the list's search field does", runPrint, true},
        {"labels", "labels PATH.sdb OUT.pdf [--search TEXT] [--layout a4-3x8|letter-3x10]",
         "print plant labels with QR codes to a PDF file, one for each cactus the list shows (--search filters it "
         "as the list's search field does); layouts: a4-3x8 (A4, 3 x 8 labels of 70 x 37 mm), letter-3x10 "
         "(US Letter, 3 x 10 labels of 2.625 x 1 in); the default is letter-3x10 where the locale measures in "
         "inches, a4-3x8 elsewhere", runLabels, true},
        {"backup", "backup PATH.sdb [--to DIR]",
         "keep a snapshot of the collection now: its database copied as one consistent state and its photo files "
         "hard-linked (copied where links cannot be made), under DIR or the backups folder of the preferences "
         "(default ~/.local/share/Spinora/Backups/NAME-ID/); a damaged database is copied as it is and its snapshot "
         "marked damaged; older snapshots are pruned as the app prunes them", runBackup},
        {"backups", "backups PATH.sdb [--in DIR] [--json]",
         "list the collection's snapshots, newest first, one line each with tab-separated fields: name, taken, "
         "reason (daily, import, restore, manual), plants, schedules, logs, photos, bytes, and good or damaged; "
         "--json: one array of objects with the same fields and the folder", runBackups},
        {"restore", "restore PATH.sdb SNAPSHOT [--in DIR]",
         "make the collection what the snapshot (a name as backups prints it) holds, rows and photo files, all or "
         "nothing; the collection as it was is kept as a snapshot first, so a restore can be undone; refused while "
         "another program has the collection open for writing", runRestore},
        {"devices", "devices [--timeout SECONDS]",
         "list the mobile devices found on the network (browsing for SECONDS, default 3): "
         "name<TAB>service<TAB>mode<TAB>version<TAB>address", runDevices},
        {"pull", "pull PATH.sdb --from URL [--option 0..3] [--mode 0..3]",
         "fetch the database file from the device at URL (as the Import button does for a device in that mode) and "
         "import it with that option; exits as import does", runPull},
        {"push", "push PATH.sdb --to URL",
         "write the export copy and send it to the device at URL; exits 0 only when the device accepted it", runPush},
        {"next-watering", "next-watering --last \"YYYY-MM-DD HH:MM\" --every N --unit 1..5 [--no-water MM-DD:MM-DD]...",
         "print the next watering date (units: 1 hours, 2 days, 3 weeks, 4 months, 5 years) or none", runNextWatering},
        {"due", "due [PATH.sdb...] [--on YYYY-MM-DD] [--json] [--notify [--wait SECONDS]]",
         "list the plants to water and the log reminders due by the end of the day (default today) in the named "
         "collections or the app's recent ones, read-only; --json: one object per collection; --notify: post one "
         "desktop notification instead (none when nothing is due) whose \"Open\" action, chosen within SECONDS "
         "(default 28800), opens the collection on its Watering tab; status 2 without a session bus", runDue},
        {"water", "water PATH.sdb (--schedule NAME | --cactus NAME)... [--at \"YYYY-MM-DD HH:MM\"]",
         "record a watering (now, or at an earlier local time) for whole schedules and their plants or for single "
         "cacti and set their next watering dates; all or nothing: an unknown name changes nothing", runWater},
    };
    return all;
}

} // namespace

const Command* findCommand(const QString& name)
{
    for (const Command& command : commands()) {
        if (name == QLatin1String(command.name))
            return &command;
    }
    return nullptr;
}

QString helpText()
{
    QString text = QStringLiteral("Usage: spinora-cli SUBCOMMAND [ARGUMENTS]\n"
                                  "  or:  spinora-cli --help|--version\n\n"
                                  "Works on Spinora's cactus collections without a window, for scripts.\n\n"
                                  "Subcommands:\n");
    for (const Command& command : commands())
        text += QStringLiteral("  %1\n      %2\n").arg(QLatin1String(command.synopsis), QLatin1String(command.summary));
    text += QStringLiteral("\nOptions:\n"
                           "  -h, --help\n      print this help and exit\n"
                           "  --version\n      print the version and exit\n"
                           "\nErrors are reported on stderr with a non-zero exit status (2 for usage errors).");
    return text;
}

} // namespace spinora::cli
