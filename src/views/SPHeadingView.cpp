#include "SPHeadingView.h"

#include "SPTableCell.h"

#include <QPainter>

namespace spinora {

SPHeadingView::SPHeadingView(QWidget* parent) : QWidget(parent)
{
    // The band only shows a title; clicks go to the rows beneath.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SPHeadingView::setHeaderString(const QString& text)
{
    if (text == headerString_)
        return;
    headerString_ = text;
    update();
}

void SPHeadingView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    SPTableCell::drawSectionBand(painter, QRectF(rect()), headerString_);
}

} // namespace spinora
