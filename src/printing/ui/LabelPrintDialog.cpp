#include "LabelPrintDialog.h"

#include "AppInfo.h"
#include "Localization.h"
#include "PrintCommand.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace spinora {

namespace {

// The first page as it will come out, with the label edges a printer does
// not draw shown faintly, so the layout can be matched to the sheets at hand.
class LabelPreview : public QWidget {
public:
    LabelPreview(const LabelPrintDialog& dialog, QWidget* parent) : QWidget(parent), dialog_(dialog)
    {
        setMinimumSize(240, 320);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const LabelSheet& sheet = dialog_.sheet();
        const QSizeF paper = sheet.layout().pageLayout().fullRect(QPageLayout::Point).size();
        const double scale = std::min((width() - 8) / paper.width(), (height() - 8) / paper.height());
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate((width() - paper.width() * scale) / 2, (height() - paper.height() * scale) / 2);
        painter.scale(scale, scale);
        painter.fillRect(QRectF(QPointF(), paper), Qt::white);
        painter.setPen(QPen(QColor(0xc8, 0xc8, 0xc8), 0));
        for (int i = 0; i < sheet.layout().labelsPerPage(); ++i)
            painter.drawRoundedRect(sheet.layout().labelRect(i), 4, 4);
        if (sheet.pageCount() > 0)
            sheet.drawPage(painter, 0);
        painter.setPen(QPen(Qt::darkGray, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(QPointF(), paper));
    }

private:
    const LabelPrintDialog& dialog_;
};

} // namespace

LabelPrintDialog::LabelPrintDialog(const SpinoraDatabase& document, std::vector<Cactus*> selected,
                                   std::vector<Cactus*> all, const LabelLayout& layout, QWidget* parent)
    : QDialog(parent), document_(document), selected_(std::move(selected)), all_(std::move(all))
{
    setObjectName(QStringLiteral("LabelPrintDialog"));
    setWindowTitle(localized("Print Labels"));

    layoutChoice_ = new QComboBox(this);
    for (const LabelLayout& choice : labelLayouts()) {
        layoutChoice_->addItem(localized(choice.title), QString::fromLatin1(choice.id));
        if (&choice == &layout)
            layoutChoice_->setCurrentIndex(layoutChoice_->count() - 1);
    }
    selectedButton_ = new QRadioButton(localized("Selected cacti (%1)").arg(selected_.size()), this);
    allButton_ = new QRadioButton(localized("All listed cacti (%1)").arg(all_.size()), this);
    selectedButton_->setEnabled(!selected_.empty());
    (selected_.empty() ? allButton_ : selectedButton_)->setChecked(true);
    summary_ = new QLabel(this);

    auto* which = new QVBoxLayout;
    which->addWidget(selectedButton_);
    which->addWidget(allButton_);
    auto* form = new QFormLayout;
    form->addRow(localized("Layout:"), layoutChoice_);
    form->addRow(localized("Labels for:"), which);
    form->addRow(QString(), summary_);

    // Built before the preview, which draws it.
    rebuildSheet();
    preview_ = new LabelPreview(*this, this);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    printButton_ = buttons->addButton(localized("Print..."), QDialogButtonBox::AcceptRole);
    printButton_->setDefault(true);
    printButton_->setEnabled(sheet_->pageCount() > 0);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layoutBox = new QVBoxLayout(this);
    layoutBox->addLayout(form);
    layoutBox->addWidget(preview_, 1);
    layoutBox->addWidget(buttons);

    connect(layoutChoice_, &QComboBox::currentIndexChanged, this, [this] { rebuildSheet(); });
    connect(selectedButton_, &QRadioButton::toggled, this, [this] { rebuildSheet(); });
    resize(420, 560);
}

LabelPrintDialog::~LabelPrintDialog() = default;

const LabelLayout& LabelPrintDialog::layout() const
{
    const LabelLayout* chosen = findLabelLayout(layoutChoice_->currentData().toString());
    return chosen ? *chosen : defaultLabelLayout();
}

void LabelPrintDialog::rebuildSheet()
{
    sheet_ = std::make_unique<LabelSheet>(layout(), document_, selectedButton_->isChecked() ? selected_ : all_);
    const int labels = int(sheet_->labels().size());
    const int pages = sheet_->pageCount();
    summary_->setText(QStringLiteral("%1, %2")
                          .arg(labels == 1 ? localized("1 label") : localized("%n labels", labels),
                               pages == 1 ? localized("1 page") : localized("%n pages", pages)));
    if (printButton_)
        printButton_->setEnabled(labels > 0);
    if (preview_)
        preview_->update();
}

void printLabelsWithDialog(QWidget* window, const LabelSheet& sheet, const QString& documentName)
{
    if (sheet.pageCount() == 0)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(sheet.layout().pageLayout());
    printer.setFullPage(true);
    // The name the dialog offers for printing to a file: not the same PDF as
    // the collection's list printout.
    printer.setDocName(localized("%1 Labels").arg(documentName));
    printer.setCreator(QLatin1String(kApplicationName));
    printer.setFromTo(1, sheet.pageCount());
    QPrintDialog dialog(&printer, window);
    dialog.setWindowTitle(localized("Print Labels"));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const bool range = printer.printRange() == QPrinter::PageRange;
    printOrTell(window, printer,
                [&] { return sheet.print(printer, range ? printer.fromPage() : 1, range ? printer.toPage() : 0); });
}

} // namespace spinora
