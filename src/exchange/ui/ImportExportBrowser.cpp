#include "ImportExportBrowser.h"

#include "AppInfo.h"
#include "CsvExport.h"
#include "CsvImport.h"
#include "CsvMappingSheet.h"
#include "ExportJob.h"
#include "ExportReportBrowser.h"
#include "ImportJob.h"
#include "LocaleFormats.h"
#include "Localization.h"
#include "SpinoraDatabase.h"
#include "SpinoraUtility.h"

#include <QButtonGroup>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QUrl>
#include <QVBoxLayout>

#include <array>

namespace spinora {

namespace {

struct Function {
    const char* title;
    const char* fileHeading;
    bool import;
    const char* kind;
};

// The six functions, in the order of ExchangeFunction.
constexpr std::array<Function, 6> kFunctions = {{
    {QT_TRID_NOOP("Import From SDBI"), "SDBI File", true, "sdbi"},
    {QT_TRID_NOOP("Import From Spinora Database"), QT_TRID_NOOP("Database File"), true, "sdb"},
    {QT_TRID_NOOP("Import From CSV"), "CSV File", true, "csv"},
    {QT_TRID_NOOP("Export To SDBI"), "SDBI File", false, "sdbi"},
    {QT_TRID_NOOP("Export To Spinora Database"), QT_TRID_NOOP("Database File"), false, "sdb"},
    {QT_TRID_NOOP("Export To CSV"), "CSV File", false, "csv"},
}};

// The note's link that saves the template rather than opening a page.
constexpr char kSaveTemplateLink[] = "spinora:save-csv-template";

// A text shown as a link: blue and underlined, the whole text leading to the address.
QString webLinkFromString(const QString& text, const QString& url)
{
    return QStringLiteral("<a href=\"%1\" style=\"color: blue; text-decoration: underline;\">%2</a>")
        .arg(url.toHtmlEscaped(), text.toHtmlEscaped());
}

// The canonical form of a path that need not exist yet (a file to be written).
QString canonicalOrIntended(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists())
        return info.canonicalFilePath();
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : folder + QLatin1Char('/') + info.fileName();
}

} // namespace

const char* ImportExportBrowser::csvTemplateAddress()
{
    return "https://www.spinora.org/csv-template/";
}

ImportExportBrowser::ImportExportBrowser(SpinoraDatabase& document, QWidget* window)
    : TransferSheet(document, window), dbHeadingTextField_(new QLabel(this)), headingTextField_(new QLabel(this)),
      filenameTextField_(new QLineEdit(this)), csvTemplateTextField_(new QLabel(this)),
      browseButton_(new QPushButton(localized("Browse"), this)), importExportButton_(new QPushButton(this)),
      cancelButton_(new QPushButton(localized("Cancel"), this)),
      completeDBButton_(new QRadioButton(localized("Complete Database"), this)),
      cactiWateringButton_(new QRadioButton(localized("Cacti and Watering Schedules"), this)),
      cactiButton_(new QRadioButton(localized("Cacti"), this)),
      wateringButton_(new QRadioButton(localized("Watering Schedules"), this)), options_(new QButtonGroup(this))
{
    filenameTextField_->setMinimumWidth(360);
    // The heading ("CSV File") names the field, for a screen reader too.
    dbHeadingTextField_->setBuddy(filenameTextField_);
    // A typed path is checked, as a browsed one is, when Import is pressed.
    connect(filenameTextField_, &QLineEdit::textEdited, this, [this](const QString& text) {
        filenameURL_.clear();
        importExportButton_->setEnabled(!text.trimmed().isEmpty());
    });
    // The radio buttons' ids are the import and export types.
    options_->addButton(completeDBButton_, kExchangeComplete);
    options_->addButton(cactiWateringButton_, kExchangeCactiAndWatering);
    options_->addButton(cactiButton_, kExchangeCacti);
    options_->addButton(wateringButton_, kExchangeWatering);
    completeDBButton_->setChecked(true);
    // The template ships with the app: the note offers to save it, and
    // says that a grower's own spreadsheet is read as well.
    csvTemplateTextField_->setText(
        webLinkFromString(localized("Note: The CSV file must be formatted according to the Spinora CSV Template"),
                          QString::fromLatin1(csvTemplateAddress())) +
        QStringLiteral(" (") + webLinkFromString(localized("save it"), QString::fromLatin1(kSaveTemplateLink)) +
        QStringLiteral("), ") +
        localized("or be a spreadsheet of plants, one a line, whose column headers name their fields.").toHtmlEscaped());
    csvTemplateTextField_->setTextFormat(Qt::RichText);
    connect(csvTemplateTextField_, &QLabel::linkActivated, this, [this](const QString& link) {
        if (link == QLatin1String(kSaveTemplateLink))
            saveCsvTemplate(this);
        else
            QDesktopServices::openUrl(QUrl(link));
    });
    csvTemplateTextField_->setWordWrap(true);
    QFont heading = dbHeadingTextField_->font();
    heading.setBold(true);
    dbHeadingTextField_->setFont(heading);
    headingTextField_->setFont(heading);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(filenameTextField_, 1);
    fileRow->addWidget(browseButton_);
    auto* optionColumn = new QVBoxLayout;
    for (QRadioButton* radio : {completeDBButton_, cactiWateringButton_, cactiButton_, wateringButton_})
        optionColumn->addWidget(radio);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancelButton_);
    buttons->addWidget(importExportButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dbHeadingTextField_);
    layout->addLayout(fileRow);
    layout->addWidget(csvTemplateTextField_);
    layout->addSpacing(8);
    layout->addWidget(headingTextField_);
    layout->addLayout(optionColumn);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    importExportButton_->setDefault(true);

    connect(options_, &QButtonGroup::idClicked, this,
            [this](int option) { handleRadioSelection(static_cast<ExchangeType>(option)); });
    connect(browseButton_, &QPushButton::clicked, this, &ImportExportBrowser::browseButtonPressed);
    connect(importExportButton_, &QPushButton::clicked, this, &ImportExportBrowser::importExportButtonPressed);
    connect(cancelButton_, &QPushButton::clicked, this, &ImportExportBrowser::dismissImportExportBrowser);
    prepareImportExportBrowser(ExchangeFunction::ImportFromSdbi);
}

void ImportExportBrowser::prepareImportExportBrowser(ExchangeFunction databaseType)
{
    const Function& function = kFunctions[size_t(databaseType)];
    databaseType_ = databaseType;
    isImport_ = function.import;
    importExportButton_->setEnabled(false);
    setWindowTitle(localized(function.title));
    dbHeadingTextField_->setText(localized(function.fileHeading));
    headingTextField_->setText((isImport_ ? localized("Import Options") : localized("Export Options")));
    importExportButton_->setText((isImport_ ? localized("Import") : localized("Export")));
    filenameTextField_->clear();
    filenameURL_.clear();
    // An export goes where the save panel, which asks before replacing a
    // file, was told: its path is only shown.
    filenameTextField_->setReadOnly(!isImport_);
    filenameTextField_->setPlaceholderText(isImport_ ? localized("Type a path, or choose the file with Browse")
                                                     : localized("Choose where to save with Browse"));
    csvTemplateTextField_->setVisible(databaseType == ExchangeFunction::ImportFromCsv);
    // The option keeps the last choice, as the radio buttons show it.
    const int checked = options_->checkedId();
    typeSelection_ = checked < 0 ? kExchangeComplete : static_cast<ExchangeType>(checked);
    adjustSize();
}

void ImportExportBrowser::presentImportExportBrowser(ExchangeFunction databaseType, const QString& chosenFile)
{
    if (isRunning())
        return;
    prepareImportExportBrowser(databaseType);
    if (!chosenFile.isEmpty())
        fileChosen(chosenFile);
    open();
}

QRadioButton* ImportExportBrowser::optionButton(ExchangeType option) const
{
    return qobject_cast<QRadioButton*>(options_->button(option));
}

void ImportExportBrowser::handleRadioSelection(ExchangeType option)
{
    typeSelection_ = option;
}

// What the user typed, with "~" as the home folder, as a shell reads it.
QString ImportExportBrowser::typedPath() const
{
    const QString text = filenameTextField_->text().trimmed();
    if (text == QLatin1String("~") || text.startsWith(QLatin1String("~/")))
        return QDir::homePath() + text.mid(1);
    return text;
}

QString ImportExportBrowser::fileKind() const
{
    return QLatin1String(kFunctions[size_t(databaseType_)].kind);
}

QFileDialog* ImportExportBrowser::createFilePanel()
{
    const QString kind = fileKind();
    auto* panel = new QFileDialog(this);
    panel->setWindowModality(Qt::WindowModal);
    panel->setWindowTitle(windowTitle());
    const QString filter = QStringLiteral("%1 (*.%2 *.%3)").arg(dbHeadingTextField_->text(), kind, kind.toUpper());
    if (kind == QLatin1String("sdb") && isImport_) {
        // A collection is a folder: it is chosen as one item. The folder of
        // a "spinora.db" picked inside one counts as that collection.
        panel->setFileMode(QFileDialog::Directory);
        panel->setOption(QFileDialog::ShowDirsOnly, false);
        panel->setOption(QFileDialog::DontUseNativeDialog, true);
        panel->setLabelText(QFileDialog::Accept, localized("Choose"));
        return panel;
    }
    panel->setNameFilter(filter);
    if (isImport_) {
        panel->setAcceptMode(QFileDialog::AcceptOpen);
        panel->setFileMode(QFileDialog::ExistingFile);
    } else {
        panel->setAcceptMode(QFileDialog::AcceptSave);
        panel->setFileMode(QFileDialog::AnyFile);
        panel->setDefaultSuffix(kind);
        // A collection folder is replaced as a whole: the sheet asks itself,
        // since a save panel does not ask about folders.
        if (kind == QLatin1String("sdb"))
            panel->setOption(QFileDialog::DontConfirmOverwrite, true);
    }
    return panel;
}

void ImportExportBrowser::browseButtonPressed()
{
    openPanel(createFilePanel(), [this](const QString& chosen) { confirmChoice(chosen); });
}

void ImportExportBrowser::confirmChoice(const QString& chosen)
{
    if (!isImport_ && fileKind() == QLatin1String("sdb") && QFileInfo::exists(chosen) && !isOpenCollection(chosen) &&
        !confirmReplacing(QFileInfo(chosen).fileName()))
        return;
    fileChosen(chosen);
}

QString ImportExportBrowser::collectionPackageFor(const QString& path)
{
    const QFileInfo info(path);
    const QString database = QString::fromLatin1(kDatabaseFileName);
    if (info.fileName() == database && info.isFile())
        return QDir::cleanPath(info.absolutePath());
    if (info.isDir() && (info.suffix() == QLatin1String(kPackageExtension) || QFileInfo::exists(path + QLatin1Char('/') + database)))
        return QDir::cleanPath(info.absoluteFilePath());
    return {};
}

bool ImportExportBrowser::isOpenCollection(const QString& path)
{
    const QString candidate = canonicalOrIntended(path);
    for (const SpinoraDatabase* document : SpinoraUtility::sharedManager().documents().documents()) {
        const QString package = QFileInfo(document->packageFilename()).canonicalFilePath();
        if (package.isEmpty())
            continue;
        if (candidate == package || candidate.startsWith(package + QLatin1Char('/')))
            return true;
    }
    return false;
}

bool ImportExportBrowser::fileChosen(const QString& chosenPath)
{
    QString path = QDir::cleanPath(QFileInfo(chosenPath).absoluteFilePath());
    if (fileKind() == QLatin1String("sdb")) {
        if (isImport_) {
            const QString package = collectionPackageFor(path);
            if (package.isEmpty()) {
                showWarning(localized("The chosen folder is not a Spinora database. Please select a folder "
                                      "ending in .sdb, or the spinora.db file inside one."));
                return false;
            }
            path = package;
        } else if (QFileInfo(path).fileName() == QLatin1String(kDatabaseFileName)) {
            path = QFileInfo(path).absolutePath();
        }
    }
    if (isOpenCollection(path)) {
        showWarning(isImport_ ? localized("Importing from a currently open database is not permitted. "
                                          "Please select another database for import.")
                              : localized("Exporting to a currently open database is not permitted. "
                                          "Please select another database for export."));
        return false;
    }
    filenameURL_ = path;
    filenameTextField_->setText(QDir::toNativeSeparators(path));
    importExportButton_->setEnabled(true);
    return true;
}

void ImportExportBrowser::importExportButtonPressed()
{
    if (isRunning())
        return;
    if (filenameURL_.isEmpty() && isImport_) {
        const QString typed = QDir::fromNativeSeparators(typedPath());
        if (!QFileInfo::exists(typed))
            return showWarning(localized("There is no file “%1”.").arg(QDir::toNativeSeparators(typed)));
        if (!fileChosen(typed))
            return;
    }
    if (filenameURL_.isEmpty())
        return;
    const QString path = filenameURL_;
    const ExchangeType type = typeSelection_;
    // A grower's own spreadsheet: which column fills which field is asked
    // first (the sheet stays, so Cancel goes back to it).
    QString mapping;
    if (isImport_ && ImportJob::sourceKind(path) == ImportRequest::Source::CsvFile) {
        if (const std::optional<CsvImport::TablePreview> table = CsvImport::previewTable(path)) {
            CsvMappingSheet columns(QFileInfo(path).fileName(), *table, this);
            if (columns.exec() != QDialog::Accepted)
                return;
            columns.remember();
            mapping = columns.mapSpec();
        }
    }
    hide();
    if (isImport_) {
        Result<ImportRequest> request = ImportJob::prepare(document(), path, type, false);
        if (!request) {
            logFailure(request.failure());
            return importDidFinish(kJobFailed, request.failure().reason());
        }
        request->csvMapping = mapping;
        runJob<ImportJob::Outcome>(
            localized("Importing Database"),
            [request = std::move(*request)](JobContext& context) { return ImportJob::run(request, context); },
            [this](ImportJob::Outcome& result) {
                // The new records replace the old ones and every list
                // refreshes once, before the alert is shown.
                ImportJob::adopt(document(), result);
                importDidFinish(result.status, ImportJob::report(result, kShownWarnings));
            });
        return;
    }
    // The save panel (or, for a collection, the sheet) has asked before
    // anything existing is replaced.
    Result<ExportRequest> request = ExportJob::prepare(document(), path, type, true);
    if (!request) {
        logFailure(request.failure());
        return exportDidFinish(kJobFailed, request.failure().reason());
    }
    using Ended = std::pair<int, QString>; // the status and the reason of a failure
    runJob<Ended>(
        localized("Exporting Database"),
        [request = std::move(*request)](JobContext& context) {
            const int status = ExportJob::run(request, context);
            return Ended(status, context.error());
        },
        [this](Ended& ended) { exportDidFinish(ended.first, ended.second); });
}

namespace {

// The fixed text of an alert, and below it what the job had to say.
QString withDetails(const QString& text, const QString& details)
{
    return details.isEmpty() ? text : text + QStringLiteral("\n\n") + details;
}

} // namespace

void ImportExportBrowser::importDidFinish(int status, const QString& details)
{
    if (status == kJobCancelled)
        return;
    if (status == kJobFinished)
        return showAlert(localized("Import Complete"), withDetails(localized("Database import complete!"), details));
    showAlert(localized("Import Error"),
              withDetails(localized("An error occurred during the import! Database import was aborted and no changes "
                                    "were made."),
                          details));
}

void ImportExportBrowser::exportDidFinish(int status, const QString& details)
{
    if (status == kJobCancelled)
        return;
    if (status == kJobFinished)
        return showAlert(localized("Export Complete"), localized("Database export complete!"));
    showAlert(localized("Export Error"),
              withDetails(localized("An error occurred during the export! Database export was aborted and no changes "
                                    "were made."),
                          details));
}

void ImportExportBrowser::dismissImportExportBrowser()
{
    reject();
}

namespace {

// Each document window has one sheet of each kind, made on first use and
// kept with the window: a job reports to the sheet of the window it works for.
template <class Sheet>
Sheet* sheetOf(QWidget* window)
{
    SpinoraDatabase* document = SpinoraUtility::sharedManager().mainDocument();
    if (!document)
        return nullptr;
    // Without a window (the tests) one sheet serves the whole application.
    static QPointer<Sheet> withoutWindow;
    Sheet* sheet = window ? window->findChild<Sheet*>(QString(), Qt::FindDirectChildrenOnly) : withoutWindow.data();
    if (sheet && !window && &sheet->document() != document && !sheet->isRunning()) {
        delete sheet;
        sheet = nullptr;
    }
    if (!sheet) {
        sheet = new Sheet(*document, window);
        if (!window) {
            withoutWindow = sheet;
            QObject::connect(qApp, &QCoreApplication::aboutToQuit, sheet, &QObject::deleteLater);
        }
    }
    if (window)
        sheet->move(window->geometry().center() - sheet->rect().center());
    return sheet;
}

} // namespace

void presentImportExportBrowser(QWidget* window, ExchangeFunction databaseType, const QString& chosenFile)
{
    if (auto* sheet = sheetOf<ImportExportBrowser>(window))
        sheet->presentImportExportBrowser(databaseType, chosenFile);
}

void saveCsvTemplate(QWidget* parent)
{
    const QString path = QFileDialog::getSaveFileName(parent, localized("Save the CSV Template"),
                                                      localized("Spinora CSV Template") + QStringLiteral(".csv"),
                                                      localized("CSV File") + QStringLiteral(" (*.csv)"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && CsvExport::outputString(CsvExport::templateText(LocaleFormats()), file) &&
        file.commit())
        return;
    QMessageBox::warning(parent, localized("Export Error"),
                         localized("The file %1 could not be written.").arg(QFileInfo(path).fileName()));
}

void presentExportReportBrowser(QWidget* window)
{
    if (auto* sheet = sheetOf<ExportReportBrowser>(window))
        sheet->presentBrowser();
}

void cancelJobOfWindow(QWidget* window)
{
    if (!window)
        return;
    for (ProgressWindow* progress : window->findChildren<ProgressWindow*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (progress->isVisible())
            progress->requestCancel();
    }
}

} // namespace spinora
