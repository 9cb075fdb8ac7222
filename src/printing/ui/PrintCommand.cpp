#include "PrintCommand.h"

#include "AppInfo.h"
#include "DatabasePrintView.h"
#include "Localization.h"
#include "PageSetup.h"
#include "PagedPrint.h"
#include "PrintText.h"
#include "SpinoraDatabase.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QWidget>

namespace spinora {

namespace {

// A printer set up with the collection's page layout: the one chosen in
// Page Setup, else the default margins on the platform's default paper.
void prepare(QPrinter& printer, const SpinoraDatabase& document)
{
    printer.setPageLayout(PageSetup::effectiveLayout(document, printer.pageLayout().pageSize()));
    printer.setDocName(QFileInfo(document.packageFilename()).completeBaseName());
    printer.setCreator(QLatin1String(kApplicationName));
}

void printPages(QWidget* window, QPrinter& printer, SpinoraDatabase& document, const PrintSubject& subject)
{
    printOrTell(window, printer, [&] {
        DatabasePrintView view(document, subject.printScreen(), subject.record());
        const bool range = printer.printRange() == QPrinter::PageRange;
        // An empty list has no pages: nothing failed.
        return view.print(printer, range ? printer.fromPage() : 1, range ? printer.toPage() : 0) ||
               view.calculateTotalPages() == 0;
    });
}

} // namespace

void printOrTell(QWidget* window, QPrinter& printer, const std::function<bool()>& print)
{
    // A file that cannot be written is found before the painting starts
    // (which would fail with a warning on stderr).
    const QString file = printer.outputFileName();
    if ((file.isEmpty() || QFile(file).open(QIODevice::Append)) && print())
        return;
    QMessageBox::warning(window, localized("Print"),
                         file.isEmpty() ? localized("Nothing was printed: the printer “%1” could not be used.")
                                              .arg(printer.printerName())
                                        : localized("Nothing was printed: the file “%1” could not be written.")
                                              .arg(QDir::toNativeSeparators(file)));
}

void printWithDialog(QWidget* window, SpinoraDatabase& document, const PrintSubject& subject)
{
    if (!subject.isValid())
        return;
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer, document);
    {
        DatabasePrintView view(document, subject.printScreen(), subject.record());
        printer.setFromTo(1, view.knowsPageRange(printer.pageLayout()));
    }
    QPrintDialog dialog(&printer, window);
    dialog.setWindowTitle(localized("Print"));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    if (dialog.exec() != QDialog::Accepted)
        return;
    printPages(window, printer, document, subject);
}

bool printPhoto(QPrinter& printer, const QImage& photo, const QString& caption)
{
    if (photo.isNull())
        return false;
    // In points, as every printed page; the photo keeps its pixels whatever
    // the scale it is drawn at.
    const QRectF area(QPointF(0, 0), printer.pageLayout().paintRect(QPageLayout::Point).size());
    return paintPages(printer, 1, 1, 1, [&](QPainter& painter, int) {
        // The caption goes right under the photo; room is kept for it.
        qreal captionHeight = 0;
        if (!caption.isEmpty()) {
            painter.setFont(PrintText::systemFont(11));
            captionHeight = painter.boundingRect(area, Qt::AlignHCenter | Qt::TextWordWrap, caption).height();
        }
        const QSizeF room = area.size() - QSizeF(0, captionHeight * 1.5);
        const QSizeF fitted = QSizeF(photo.size()).scaled(room, Qt::KeepAspectRatio);
        const QRectF target((area.width() - fitted.width()) / 2, 0, fitted.width(), fitted.height());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, photo);
        if (!caption.isEmpty())
            painter.drawText(QRectF(0, target.bottom() + captionHeight * 0.5, area.width(), captionHeight),
                             Qt::AlignHCenter | Qt::TextWordWrap, caption);
    });
}

void printPhotoWithDialog(QWidget* window, SpinoraDatabase& document, const QImage& photo, const QString& caption)
{
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer, document);
    // Its own default file name, beside the collection's list ("Garden Bishop.pdf").
    printer.setDocName(QStringLiteral("%1 %2").arg(printer.docName(), window->windowTitle()));
    QPrintDialog dialog(&printer, window);
    dialog.setWindowTitle(localized("Print"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    printOrTell(window, printer, [&] { return printPhoto(printer, photo, caption); });
}

void printPreviewWithDialog(QWidget* window, SpinoraDatabase& document, const PrintSubject& subject)
{
    if (!subject.isValid())
        return;
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer, document);
    QPrintPreviewDialog dialog(&printer, window);
    dialog.setWindowTitle(localized("Print Preview"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter* target) { printPages(&dialog, *target, document, subject); });
    // The preview's own "Page setup" is the platform's dialog, which works
    // only with a printer installed: ours takes its place, and what is
    // chosen there is the collection's page layout, as in File › Page Setup.
    // Qt's own text, as Qt's translation gives it (named through constants,
    // so that our translation files do not collect it).
    static const char* const kQtContext = "QPrintPreviewDialog";
    static const char* const kQtPageSetup = "Page setup";
    const QString pageSetupText = QCoreApplication::translate(kQtContext, kQtPageSetup);
    for (QAction* action : dialog.findChildren<QAction*>()) {
        if (action->text() != pageSetupText)
            continue;
        QObject::disconnect(action, nullptr, &dialog, nullptr);
        QObject::connect(action, &QAction::triggered, &dialog, [&] {
            PageSetupDialog setup(printer.pageLayout(), &dialog);
            if (setup.exec() != QDialog::Accepted)
                return;
            PageSetup::setLayoutFor(document, setup.pageLayout());
            printer.setPageLayout(setup.pageLayout());
            if (auto* pages = dialog.findChild<QPrintPreviewWidget*>())
                pages->updatePreview();
        });
    }
    dialog.exec();
}

} // namespace spinora
