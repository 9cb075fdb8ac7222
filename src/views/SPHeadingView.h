#pragma once

#include <QWidget>

namespace spinora {

// The floating section heading: a band laid over the top of a list that
// names the section being scrolled through.
class SPHeadingView : public QWidget {
    Q_OBJECT
public:
    explicit SPHeadingView(QWidget* parent = nullptr);

    const QString& headerString() const { return headerString_; }
    void setHeaderString(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString headerString_;
};

} // namespace spinora
