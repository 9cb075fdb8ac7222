#include "CsvMappingSheet.h"

#include "AppSettings.h"
#include "CsvMapping.h"
#include "Localization.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace spinora {

namespace {

// The field names as a plant's editor shows them, in the template's order.
constexpr const char* kFieldLabels[CsvMapping::kFields] = {
    QT_TRID_NOOP("Name"),          QT_TRID_NOOP("Scientific Name"), QT_TRID_NOOP("Common Name"),
    QT_TRID_NOOP("Type"),          QT_TRID_NOOP("Watering"),        QT_TRID_NOOP("Last Watered"),
    QT_TRID_NOOP("Next Watering"), QT_TRID_NOOP("Plant Date"),      QT_TRID_NOOP("Source"),
    QT_TRID_NOOP("Date Acquired"), QT_TRID_NOOP("Purchase Price"),  QT_TRID_NOOP("Value"),
    QT_TRID_NOOP("Location"),      QT_TRID_NOOP("Height"),          QT_TRID_NOOP("Width"),
    QT_TRID_NOOP("Weight"),        QT_TRID_NOOP("Light"),           QT_TRID_NOOP("Temperature"),
    QT_TRID_NOOP("Pot Size"),      QT_TRID_NOOP("Pot Shape"),       QT_TRID_NOOP("Pot Material"),
    QT_TRID_NOOP("Notes"),
};
constexpr int kSkip = -1;

} // namespace

CsvMappingSheet::CsvMappingSheet(const QString& fileName, const CsvImport::TablePreview& preview, QWidget* parent)
    : QDialog(parent), headers_(preview.headers)
{
    setObjectName(QStringLiteral("csvMappingSheet"));
    setWindowTitle(localized("Columns of %1").arg(fileName));
    setWindowModality(Qt::WindowModal);

    auto* explanation = new QLabel(localized("This file is not in the Spinora CSV template layout. Choose what each "
                                             "column holds; its first rows are shown below it."),
                                   this);
    explanation->setWordWrap(true);

    // The choice for this header line last time, else the guesses.
    const QStringList remembered = appSettings()->value(settingsKey()).toString().split(QLatin1Char(','));
    const bool useRemembered = remembered.size() == headers_.size();
    table_ = new QTableWidget(int(preview.rows.size()) + 1, int(headers_.size()), this);
    table_->setObjectName(QStringLiteral("csvMappingTable"));
    table_->setAccessibleName(localized("Columns of the file"));
    table_->setHorizontalHeaderLabels(headers_);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int column = 0; column < headers_.size(); ++column) {
        auto* box = new QComboBox(table_);
        box->setAccessibleName(localized("Field of the column “%1”").arg(headers_[column]));
        box->addItem(localized("Skip"), kSkip);
        for (int field = 0; field < CsvMapping::kFields; ++field)
            box->addItem(localized(kFieldLabels[field]), field);
        const int chosen = useRemembered ? remembered[column].toInt()
                                         : CsvMapping::guessField(headers_[column]).value_or(kSkip);
        box->setCurrentIndex(std::max(0, box->findData(chosen)));
        connect(box, &QComboBox::currentIndexChanged, this, &CsvMappingSheet::updateImportButton);
        table_->setCellWidget(0, column, box);
        boxes_.push_back(box);
        for (int row = 0; row < preview.rows.size(); ++row)
            table_->setItem(row + 1, column, new QTableWidgetItem(preview.rows[row].value(column)));
    }
    table_->resizeColumnsToContents();

    namesHint_ = new QLabel(localized("Choose the column that holds the plants' names."), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    importButton_ = buttons->addButton(localized("Import"), QDialogButtonBox::AcceptRole);
    importButton_->setObjectName(QStringLiteral("importMappedButton"));
    importButton_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(table_, 1);
    layout->addWidget(namesHint_);
    layout->addWidget(buttons);
    resize(760, 360);
    updateImportButton();
}

void CsvMappingSheet::updateImportButton()
{
    const bool named = std::any_of(boxes_.begin(), boxes_.end(), [](QComboBox* box) { return box->currentData().toInt() == 0; });
    importButton_->setEnabled(named);
    namesHint_->setVisible(!named);
}

QString CsvMappingSheet::mapSpec() const
{
    // One pair per field, its columns joined with "+" in the file's order.
    const QStringList keys = CsvMapping::keys();
    QStringList pairs;
    for (int field = 0; field < CsvMapping::kFields; ++field) {
        QStringList columns;
        for (size_t column = 0; column < boxes_.size(); ++column) {
            if (boxes_[column]->currentData().toInt() == field)
                columns << headers_[qsizetype(column)];
        }
        if (!columns.isEmpty())
            pairs << columns.join(QLatin1Char('+')) + QLatin1Char('=') + keys[field];
    }
    return pairs.join(QLatin1Char(','));
}

void CsvMappingSheet::remember() const
{
    QStringList fields;
    for (QComboBox* box : boxes_)
        fields << QString::number(box->currentData().toInt());
    const auto settings = appSettings();
    settings->setValue(settingsKey(), fields.join(QLatin1Char(',')));
    settings->sync();
}

QString CsvMappingSheet::settingsKey() const
{
    const QByteArray line = headers_.join(QChar(0x1f)).toUtf8();
    return QStringLiteral("csvMappings/") +
           QString::fromLatin1(QCryptographicHash::hash(line, QCryptographicHash::Sha1).toHex().left(16));
}

} // namespace spinora
