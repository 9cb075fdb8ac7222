#include "PrintSubject.h"

#include "AppInfo.h"
#include "Cactus.h"
#include "Log.h"
#include "SpinoraDatabase.h"
#include "Water.h"

#include <QFileInfo>
#include <QPdfWriter>

namespace spinora {

Record* PrintSubject::record() const
{
    // The sheet draws from the record and may read its detail columns,
    // which changes the record's loaded state but none of its values.
    switch (screen) {
    case DatabasePrintView::kCactusSheet:
        return const_cast<Cactus*>(cactus);
    case DatabasePrintView::kWaterSheet:
        return const_cast<Water*>(water);
    case DatabasePrintView::kLogSheet:
        return const_cast<Log*>(log);
    default:
        return nullptr;
    }
}

PrintSubject PrintSubject::ofListTab(int tab)
{
    PrintSubject subject;
    switch (tab) {
    case 1:
        subject.screen = DatabasePrintView::kWaterList;
        break;
    case 2:
        subject.screen = DatabasePrintView::kLogList;
        break;
    default:
        subject.screen = DatabasePrintView::kCactusList;
    }
    return subject;
}

bool PrintSubject::isValid() const
{
    if (screen < DatabasePrintView::kCactusList || screen > DatabasePrintView::kLogSheet)
        return false;
    return screen < DatabasePrintView::kCactusSheet || record() != nullptr;
}

int printToPdf(SpinoraDatabase& document, const PrintSubject& subject, const QString& file, const QPageSize& pageSize)
{
    if (!subject.isValid())
        return 0;
    QPdfWriter writer(file);
    writer.setCreator(QLatin1String(kApplicationName));
    writer.setTitle(QFileInfo(document.packageFilename()).completeBaseName());
    writer.setPageLayout(DatabasePrintView::defaultPageLayout(pageSize));
    DatabasePrintView view(document, subject.printScreen(), subject.record());
    if (!view.print(writer))
        return 0;
    return view.calculateTotalPages();
}

} // namespace spinora
