#pragma once

// A made-up translation that wraps every text in ⟦ ⟧ and makes it 40 %
// longer, so that a text left in English, or one cut short, shows.
#include <QString>
#include <QStringList>
#include <QTranslator>

class QWidget;

namespace spinora::test {

class PseudoTranslation : public QTranslator {
public:
    PseudoTranslation();
    ~PseudoTranslation() override;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;
};

// The texts a person sees in the window that carry no markers: window
// titles, labels, buttons, group titles, tabs, headers, menu items, tool
// tips and placeholders. Texts without letters, and `data` (the user's own
// names), are not the program's.
QStringList untranslatedTexts(QWidget* window, const QStringList& data = {});
// The labels and buttons whose text is wider than they are.
QStringList cutShortTexts(QWidget* window);

} // namespace spinora::test
