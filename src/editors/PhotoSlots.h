#pragma once

#include <QWidget>

#include <functional>
#include <vector>

class QToolButton;

namespace spinora {

class Image;

// The row of photo slot buttons of an editor ("photo1View" ...) and its add
// photo button: each slot shows the thumbnail of the photo at its position,
// or the add-photo picture, and the photo's caption as its tool tip.
class PhotoSlots : public QWidget {
    Q_OBJECT
public:
    PhotoSlots(int count, QWidget* parent);

    int count() const { return int(slots_.size()); }
    // Redraws every slot from the photo the callback answers for its position.
    void redraw(const std::function<Image*(int)>& imageInSlot);
    void redrawToolTips(const std::function<Image*(int)>& imageInSlot);
    void setSlotsEnabled(bool enabled);

signals:
    // A slot was clicked (the slot's index) or the add button (-1).
    void slotClicked(int slot);

private:
    std::vector<QToolButton*> slots_;
    QToolButton* addButton_;
};

} // namespace spinora
