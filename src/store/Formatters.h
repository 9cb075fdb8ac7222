#pragma once

#include <QLocale>
#include <QString>

#include <climits>
#include <functional>

namespace spinora {

// Limits the length of a text field. Shortening an over-long text is always
// allowed, so a text that came in too long from a file can still be edited.
class TextLimitFormatter {
public:
    int maximumLength() const { return maximumLength_; }
    void setMaximumLength(int length) { maximumLength_ = length; }
    bool isPartialStringValid(const QString& newText, const QString& oldText) const;

private:
    int maximumLength_ = INT_MAX;
};

// Keeps a number field to digits and the locale's separators while typing,
// and tells its delegate about every accepted edit.
class DecimalFormatter {
public:
    explicit DecimalFormatter(QLocale locale = QLocale()) : locale_(std::move(locale)) {}

    void setMaximumIntegerDigits(int digits) { maximumIntegerDigits_ = digits; }
    void setMaximumFractionDigits(int digits) { maximumFractionDigits_ = digits; }
    // The delegate's fieldUpdated: receives every accepted partial text.
    void setDelegate(std::function<void(const QString&)> fieldUpdated) { fieldUpdated_ = std::move(fieldUpdated); }

    bool isPartialStringValid(const QString& newText) const;
    int maximumLength() const;

private:
    QLocale locale_;
    int maximumIntegerDigits_ = 9;
    int maximumFractionDigits_ = 2;
    std::function<void(const QString&)> fieldUpdated_;
};

} // namespace spinora
