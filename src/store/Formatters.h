#pragma once

#include <QString>

#include <climits>

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

} // namespace spinora
