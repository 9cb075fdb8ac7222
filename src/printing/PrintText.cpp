#include "PrintText.h"

#include <QGuiApplication>
#include <QPainter>
#include <QTextLine>

#include <algorithm>

namespace spinora::PrintText {

namespace {

// Print metrics must not depend on the screen: no hinting, fractional advances.
QFont forPrinting(QFont font, int size)
{
    font.setPixelSize(size);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QList<QTextLayout::FormatRange> italicFormats(const QString& text, std::pair<int, int> range, const QFont& italicFont)
{
    QList<QTextLayout::FormatRange> formats;
    const int start = std::clamp(range.first, 0, int(text.size()));
    const int length = std::clamp(range.second, 0, int(text.size()) - start);
    if (length > 0) {
        QTextLayout::FormatRange italic;
        italic.start = start;
        italic.length = length;
        italic.format.setFont(italicFont);
        formats << italic;
    }
    return formats;
}

// Lays the text out on one unbounded line and answers its width.
double layOut(QTextLayout& layout)
{
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid())
        line.setLineWidth(1e6);
    layout.endLayout();
    return line.isValid() ? line.naturalTextWidth() : 0.0;
}

} // namespace

QFont systemFont(int size, bool bold)
{
    QFont font = forPrinting(QGuiApplication::font(), size);
    font.setBold(bold);
    font.setItalic(false);
    return font;
}

QFont helveticaItalic(int size)
{
    QFont font = forPrinting(QFont(QStringLiteral("Helvetica")), size);
    font.setItalic(true);
    return font;
}

double lineWidth(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    return layOut(layout);
}

void drawLine(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font,
              std::pair<int, int> italicRange, const QFont& italicFont)
{
    if (text.isEmpty() || rect.width() <= 0 || rect.height() <= 0)
        return;
    // One line only: line breaks in the text read as spaces.
    QString shown = text;
    shown.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    auto layoutFor = [&](const QString& candidate) {
        auto layout = std::make_unique<QTextLayout>(candidate, font);
        layout->setFormats(italicFormats(candidate, italicRange, italicFont));
        return layout;
    };
    auto layout = layoutFor(shown);
    if (layOut(*layout) > rect.width()) {
        // The longest start that fits with an ellipsis after it.
        const QString ellipsis(QChar(0x2026));
        int low = 0;
        int high = int(shown.size());
        while (low < high) {
            const int middle = (low + high + 1) / 2;
            auto trial = layoutFor(shown.left(middle) + ellipsis);
            if (layOut(*trial) <= rect.width())
                low = middle;
            else
                high = middle - 1;
        }
        layout = layoutFor(shown.left(low) + ellipsis);
        layOut(*layout);
    }
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setPen(Qt::black);
    layout->draw(&painter, rect.topLeft());
    painter.restore();
}

BrokenText::BrokenText(const QString& text, double width)
{
    if (text.isEmpty())
        return;
    // QTextLayout breaks lines at the Unicode line separator, not at '\n'.
    text_ = text;
    text_.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text_.replace(QLatin1Char('\n'), QChar::LineSeparator);
    layout_ = std::make_unique<QTextLayout>(text_, systemFont(11));
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout_->setTextOption(option);
    layout_->beginLayout();
    double y = 0;
    for (QTextLine line = layout_->createLine(); line.isValid(); line = layout_->createLine()) {
        line.setLineWidth(std::max(width, 1.0));
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout_->endLayout();
}

void BrokenText::drawLine(QPainter& painter, int index, const QPointF& topLeft) const
{
    if (!layout_ || index < 0 || index >= layout_->lineCount())
        return;
    const QTextLine line = layout_->lineAt(index);
    painter.save();
    painter.setPen(Qt::black);
    // QTextLine::draw places the line at its laid-out position plus the offset.
    line.draw(&painter, topLeft - line.position());
    painter.restore();
}

QString BrokenText::lineText(int index) const
{
    if (!layout_ || index < 0 || index >= layout_->lineCount())
        return {};
    const QTextLine line = layout_->lineAt(index);
    return text_.mid(line.textStart(), line.textLength()).remove(QChar::LineSeparator).trimmed();
}

} // namespace spinora::PrintText
