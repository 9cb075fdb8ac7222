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
    case DatabasePrintView::Screen::CactusSheet:
        return const_cast<Cactus*>(cactus);
    case DatabasePrintView::Screen::WaterSheet:
        return const_cast<Water*>(water);
    case DatabasePrintView::Screen::LogSheet:
        return const_cast<Log*>(log);
    default:
        return nullptr;
    }
}

PrintSubject PrintSubject::ofList(SpinoraDatabase::ListKind list)
{
    PrintSubject subject;
    switch (list) {
    case SpinoraDatabase::kCactusList:
        subject.screen = DatabasePrintView::Screen::CactusList;
        break;
    case SpinoraDatabase::kWaterList:
        subject.screen = DatabasePrintView::Screen::WaterList;
        break;
    case SpinoraDatabase::kLogList:
        subject.screen = DatabasePrintView::Screen::LogList;
        break;
    }
    return subject;
}

bool PrintSubject::isValid() const
{
    return !DatabasePrintView::isSheet(screen) || record() != nullptr;
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
