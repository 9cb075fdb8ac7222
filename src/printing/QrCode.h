#pragma once

#include <QByteArray>
#include <QRectF>

#include <vector>

class QPainter;

namespace spinora {

// A QR code symbol (made by libqrencode) and its drawing. Medium error
// correction: a label may get scuffed in the greenhouse and still scan.
class QrCode {
public:
    // The symbol for a text (UTF-8); empty when the text is too long for any
    // symbol version.
    explicit QrCode(const QByteArray& text);

    bool isEmpty() const { return width_ == 0; }
    // Modules per side, without the quiet zone.
    int width() const { return width_; }
    bool isDark(int x, int y) const { return modules_[size_t(y * width_ + x)]; }

    // Draws the symbol in black on white, filling `square` with the symbol and
    // the quiet zone of four light modules that scanners need around it.
    void draw(QPainter& painter, const QRectF& square) const;

    static constexpr int kQuietZone = 4;

private:
    int width_ = 0;
    std::vector<bool> modules_;
};

} // namespace spinora
