#pragma once

#include <QPageLayout>

#include <optional>

class QWidget;

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

} // namespace spinora
