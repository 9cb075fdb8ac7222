#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <QTextLayout>

#include <memory>
#include <utility>

class QPainter;

namespace spinora {

// Fonts and text drawing of printed pages. Sizes are in points: the page is
// painted in a coordinate system of 1/72 inch, so pixel sizes are points.
namespace PrintText {

QFont systemFont(int size, bool bold = false);
// The italic of scientific names.
QFont helveticaItalic(int size);

// The width of a text set on one line, as drawLine measures it.
double lineWidth(const QString& text, const QFont& font);

// Draws one line of text into a rectangle, top-left aligned, truncated at
// the tail with an ellipsis when it is wider; the characters of
// `italicRange` (location, length) are set in `italicFont`.
void drawLine(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font,
              std::pair<int, int> italicRange = {0, 0}, const QFont& italicFont = QFont());

// A long text broken into lines of a given width (new lines kept), in the
// system font of size 11: the notes and location of a record sheet.
class BrokenText {
public:
    BrokenText(const QString& text, double width);
    int lineCount() const { return layout_ ? layout_->lineCount() : 0; }
    // Draws line `index` with its top-left corner at `topLeft`.
    void drawLine(QPainter& painter, int index, const QPointF& topLeft) const;
    QString lineText(int index) const;

private:
    QString text_;
    std::unique_ptr<QTextLayout> layout_;
};

} // namespace PrintText

} // namespace spinora
