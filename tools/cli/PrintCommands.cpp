#include "PrintCommands.h"

#include "CollectionCommands.h"
#include "DatabasePrintView.h"
#include "LabelSheet.h"
#include "ListSearch.h"
#include "Localization.h"
#include "PrintSubject.h"
#include "SpinoraDatabase.h"

#include <QDir>
#include <QFileInfo>

namespace spinora::cli {

namespace {

const QString kUsage = QStringLiteral(
    "spinora-cli print PATH.sdb OUT.pdf [--screen 0..5] [--record PK] [--page-size A4|Letter] [--search TEXT]");
const QString kLabelsUsage =
    QStringLiteral("spinora-cli labels PATH.sdb OUT.pdf [--search TEXT] [--layout a4-3x8|letter-3x10]");

// The PDF file to write, in a folder that exists.
QString outputFile(const QString& word)
{
    const QString out = QDir::cleanPath(QFileInfo(word).absoluteFilePath());
    if (!QFileInfo(QFileInfo(out).absolutePath()).isDir())
        throw CliError(localized("the folder %1 does not exist").arg(QFileInfo(out).absolutePath()));
    return out;
}

QPageSize pageSizeOption(Arguments& arguments)
{
    const auto name = arguments.takeOption(QStringLiteral("--page-size"));
    if (!name || name->compare(QLatin1String("A4"), Qt::CaseInsensitive) == 0)
        return QPageSize(QPageSize::A4);
    if (name->compare(QLatin1String("Letter"), Qt::CaseInsensitive) == 0)
        return QPageSize(QPageSize::Letter);
    throw CliError(localized("--page-size must be A4 or Letter, not “%1”").arg(*name), 2);
}

// The record of a sheet: the one with the key, or the first one the list shows.
template <class T>
const T* sheetRecord(const std::vector<std::unique_ptr<T>>& all, const std::vector<T*>& displayed,
                     const std::optional<qint64>& key, const char* noSuchKey, const char* noneToPrint)
{
    if (key) {
        for (const auto& record : all) {
            if (record->primaryKey() == *key)
                return record.get();
        }
        throw CliError(localized(noSuchKey).arg(*key));
    }
    if (displayed.empty())
        throw CliError(localized(noneToPrint));
    return displayed.front();
}

} // namespace

int runPrint(Arguments& arguments)
{
    const auto screenText = arguments.takeOption(QStringLiteral("--screen"));
    // The screen's number: 0-2 the lists, 3-5 the sheets of their records.
    const int screenNumber = screenText ? parseInteger(*screenText, QStringLiteral("--screen"), 0, 5) : 0;
    const auto screen = DatabasePrintView::Screen(screenNumber);
    std::optional<qint64> key;
    if (const auto keyText = arguments.takeOption(QStringLiteral("--record"))) {
        bool ok = false;
        key = keyText->toLongLong(&ok);
        if (!ok)
            throw CliError(localized("--record must be a record's key (a whole number), not “%1”").arg(*keyText), 2);
    }
    const QPageSize pageSize = pageSizeOption(arguments);
    const QString search = arguments.takeOption(QStringLiteral("--search")).value_or(QString());
    const QStringList words = arguments.positional(2, kUsage);
    if (key && !DatabasePrintView::isSheet(screen))
        throw CliError(localized("--record needs a sheet screen (3, 4 or 5)"), 2);

    const QString out = outputFile(words[1]);
    // Printing only reads: it works while the app has the collection open.
    auto document = openCollection(words[0], true);
    // The list as its search field would filter it.
    const auto list = static_cast<SpinoraDatabase::ListKind>(screenNumber % 3);
    ListSearch::applySearch(*document, list, search);

    PrintSubject subject;
    subject.screen = screen;
    if (screen == DatabasePrintView::Screen::CactusSheet)
        subject.cactus = sheetRecord(document->cacti(), document->displayedCacti(), key,
                                     QT_TRID_NOOP("the collection has no cactus with the key %1"),
                                     QT_TRID_NOOP("the collection has no cactus to print"));
    else if (screen == DatabasePrintView::Screen::WaterSheet)
        subject.water = sheetRecord(document->watering(), document->displayedWatering(), key,
                                    QT_TRID_NOOP("the collection has no watering schedule with the key %1"),
                                    QT_TRID_NOOP("the collection has no watering schedule to print"));
    else if (screen == DatabasePrintView::Screen::LogSheet)
        subject.log = sheetRecord(document->logs(), document->displayedLogs(), key,
                                  QT_TRID_NOOP("the collection has no log with the key %1"),
                                  QT_TRID_NOOP("the collection has no log to print"));

    const int pages = printToPdf(*document, subject, out, pageSize);
    closeCollection(*document);
    if (pages <= 0) {
        QFile::remove(out);
        throw CliError(localized("%1 could not be written").arg(QDir::toNativeSeparators(out)));
    }
    printLine(QStringLiteral("%1: %2 %3").arg(QDir::toNativeSeparators(out)).arg(pages).arg(pages == 1 ? "page" : "pages"));
    return 0;
}

int runLabels(Arguments& arguments)
{
    const QString layoutName =
        arguments.takeOption(QStringLiteral("--layout")).value_or(QLatin1String(defaultLabelLayout().id));
    const LabelLayout* layout = findLabelLayout(layoutName);
    if (!layout)
        throw CliError(localized("--layout must be a4-3x8 or letter-3x10, not “%1”").arg(layoutName), 2);
    const QString search = arguments.takeOption(QStringLiteral("--search")).value_or(QString());
    const QStringList words = arguments.positional(2, kLabelsUsage);
    const QString out = outputFile(words[1]);

    auto document = openCollection(words[0], true);
    ListSearch::applySearch(*document, SpinoraDatabase::kCactusList, search);
    if (document->displayedCacti().empty()) {
        closeCollection(*document);
        throw CliError(search.isEmpty() ? QStringLiteral("the collection has no cacti to label")
                                        : localized("no cactus matches “%1”").arg(search));
    }
    const LabelSheet sheet(*layout, *document, document->displayedCacti());
    const bool written = sheet.printToPdf(out, collectionName(*document));
    closeCollection(*document);
    if (!written) {
        QFile::remove(out);
        throw CliError(localized("%1 could not be written").arg(QDir::toNativeSeparators(out)));
    }
    const int labels = int(sheet.labels().size());
    const int pages = sheet.pageCount();
    printLine(QStringLiteral("%1: %2 %3 on %4 %5")
                  .arg(QDir::toNativeSeparators(out))
                  .arg(labels)
                  .arg(labels == 1 ? "label" : "labels")
                  .arg(pages)
                  .arg(pages == 1 ? "page" : "pages"));
    return 0;
}

} // namespace spinora::cli
