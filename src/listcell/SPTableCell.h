#pragma once

#include <QFont>
#include <QStyledItemDelegate>

namespace spinora {

class CellDataSource;
class ThumbnailCache;

// The one row renderer of every list. It keeps no data: for each row it asks
// its data source for up to four lines of text, two texts on the right, the
// italic part of the second line, a thumbnail, a background, a marker icon
// and the row's section, and lays them out on fixed offsets from the row's
// content top. Thumbnails come from the cache; painting never decodes one.
class SPTableCell : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr qreal kSectionBandHeight = 23;

    SPTableCell(CellDataSource& dataDelegate, ThumbnailCache& thumbnails, QObject* parent = nullptr);

    CellDataSource& dataDelegate() const { return dataDelegate_; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The band of a section row, also drawn by the floating heading.
    static void drawSectionBand(QPainter& painter, const QRectF& band, const QString& title);

    // The fonts and colours of a row (shared with the tests' expectations
    // and the heading band).
    static QFont primaryFont();
    static QFont secondaryFont();
    static QFont italicFont();
    static QFont headingFont();
    static QColor separatorColor();
    static QColor plainBackground();
    static QColor secondaryColor();
    // `share` (0 to 1) of the first colour, the rest of the second.
    static QColor mixed(const QColor& first, const QColor& second, qreal share);
    // A dark desktop palette (its base colour is dark): rows then take the
    // palette's colours instead of the light ones they were drawn in.
    static bool isDarkPalette(const QPalette& palette);
    // Under a light palette, the lists' own background below the last row.
    static void useListBackground(QWidget* list);

private:
    void drawText(QPainter& painter, const QString& text, const QRectF& box, const QFont& font,
                  const QColor& colour) const;
    void drawSecondLine(QPainter& painter, const QString& text, int italicStart, int italicLength,
                        const QRectF& box, const QColor& colour) const;

    CellDataSource& dataDelegate_;
    ThumbnailCache& thumbnails_;
    QFont primary_;
    QFont secondary_;
    QFont italic_;
};

} // namespace spinora
