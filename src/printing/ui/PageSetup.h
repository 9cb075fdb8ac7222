#pragma once

#include <QDialog>
#include <QPageLayout>

#include <optional>

class QComboBox;
class QDoubleSpinBox;
class QRadioButton;

namespace spinora {

class SpinoraDatabase;

// The page layout chosen in File › Page Setup... for one collection: paper,
// orientation and margins, used by every print and preview of it. It is kept
// in the user's settings under the collection's package path, so that it
// lasts from one session to the next.
class PageSetup {
public:
    // None until the user chose one for this collection.
    static std::optional<QPageLayout> layoutFor(const SpinoraDatabase& document);
    static void setLayoutFor(const SpinoraDatabase& document, const QPageLayout& layout);
    // The layout printing starts from: the chosen one, else the default
    // margins on the platform's default paper.
    static QPageLayout effectiveLayout(const SpinoraDatabase& document, const QPageSize& defaultPaper);

    // The page setup dialog for the collection; answers true when the user
    // chose a layout (it is then kept).
    static bool run(QWidget* parent, const SpinoraDatabase& document);
};

// "Page Setup": paper size, orientation and margins. Our own rather than the
// platform's, which works only with a printer installed, while the pages are
// also printed to PDF files and previewed without one.
class PageSetupDialog : public QDialog {
    Q_OBJECT
public:
    PageSetupDialog(const QPageLayout& layout, QWidget* parent);
    QPageLayout pageLayout() const;

private:
    QComboBox* paperSize_;
    QRadioButton* portrait_;
    QRadioButton* landscape_;
    QDoubleSpinBox* top_;
    QDoubleSpinBox* bottom_;
    QDoubleSpinBox* left_;
    QDoubleSpinBox* right_;
};

} // namespace spinora
