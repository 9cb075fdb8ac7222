#include "PhotoSlots.h"

#include "EditorSupport.h"
#include "Image.h"
#include "Localization.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace spinora {

PhotoSlots::PhotoSlots(int count, QWidget* parent) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < count; ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("photo%1View").arg(i + 1));
        // The button shows only a picture: screen readers need its name.
        button->setAccessibleName(localized("Photo %1").arg(i + 1));
        button->setIconSize(QSize(64, 64));
        button->setFixedSize(72, 72);
        button->setAutoRaise(true);
        button->setIcon(addPhotoIcon(palette()));
        connect(button, &QToolButton::clicked, this, [this, i] { emit slotClicked(i); });
        layout->addWidget(button);
        slots_.push_back(button);
    }
    addButton_ = new QToolButton(this);
    addButton_->setObjectName(QStringLiteral("addImageButton"));
    addButton_->setText(localized("Add Photo…"));
    addButton_->setToolTip(localized("Add photos from files"));
    connect(addButton_, &QToolButton::clicked, this, [this] { emit slotClicked(-1); });
    layout->addWidget(addButton_);
    layout->addStretch(1);
}

void PhotoSlots::redraw(const std::function<Image*(int)>& imageInSlot)
{
    for (int i = 0; i < count(); ++i)
        slots_[size_t(i)]->setIcon(thumbnailIcon(imageInSlot(i), palette()));
    redrawToolTips(imageInSlot);
}

void PhotoSlots::redrawToolTips(const std::function<Image*(int)>& imageInSlot)
{
    for (int i = 0; i < count(); ++i) {
        QString tip;
        if (Image* image = imageInSlot(i)) {
            tip = image->captionForDisplay();
        }
        slots_[size_t(i)]->setToolTip(tip);
    }
}

void PhotoSlots::setSlotsEnabled(bool enabled)
{
    for (QToolButton* button : slots_)
        button->setEnabled(enabled);
    addButton_->setEnabled(enabled);
}

} // namespace spinora
