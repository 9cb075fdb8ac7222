#include "QrCode.h"

#include <QPainter>
#include <QPainterPath>

#include <qrencode.h>

#include <algorithm>
#include <memory>

namespace spinora {

namespace {

// The ECI number that declares the bytes that follow to be UTF-8.
constexpr unsigned int kUtf8Eci = 26;

bool isAscii(const QByteArray& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

QrCode::QrCode(const QByteArray& text)
{
    // Version 0 lets libqrencode pick the smallest symbol that holds the
    // text. Bytes without a declared character set are guessed at by the
    // scanner, and a lone "é" reads as something else, so text beyond ASCII
    // says that it is UTF-8; plain ASCII stays plain, as every scanner reads it.
    const std::unique_ptr<QRinput, decltype(&QRinput_free)> input(QRinput_new2(0, QR_ECLEVEL_M), &QRinput_free);
    if (!input || (!isAscii(text) && QRinput_appendECIheader(input.get(), kUtf8Eci) != 0) ||
        QRinput_append(input.get(), QR_MODE_8, int(text.size()), reinterpret_cast<const unsigned char*>(text.constData())) != 0)
        return;
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(QRcode_encodeInput(input.get()), &QRcode_free);
    if (!code)
        return;
    width_ = code->width;
    modules_.resize(size_t(width_) * size_t(width_));
    // Bit 0 of each byte is the module's colour; the other bits describe its role.
    for (size_t i = 0; i < modules_.size(); ++i)
        modules_[i] = code->data[i] & 1;
}

void QrCode::draw(QPainter& painter, const QRectF& square) const
{
    if (isEmpty())
        return;
    const double module = square.width() / (width_ + 2 * kQuietZone);
    const QPointF origin = square.topLeft() + QPointF(kQuietZone * module, kQuietZone * module);
    // One path of all dark modules, filled at once: abutting squares drawn one
    // by one leave hairline seams in some PDF viewers.
    QPainterPath dark;
    dark.setFillRule(Qt::WindingFill);
    for (int y = 0; y < width_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (isDark(x, y))
                dark.addRect(QRectF(origin.x() + x * module, origin.y() + y * module, module, module));
        }
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(square, Qt::white);
    painter.fillPath(dark, Qt::black);
    painter.restore();
}

} // namespace spinora
