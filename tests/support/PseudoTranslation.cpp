#include "PseudoTranslation.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTabBar>
#include <QTextDocument>
#include <QToolButton>
#include <QWidget>

namespace spinora::test {

PseudoTranslation::PseudoTranslation()
{
    QCoreApplication::installTranslator(this);
}

PseudoTranslation::~PseudoTranslation()
{
    QCoreApplication::removeTranslator(this);
}

QString PseudoTranslation::translate(const char*, const char* sourceText, const char*, int n) const
{
    QString text = QString::fromUtf8(sourceText);
    if (n >= 0)
        text.replace(QLatin1String("%n"), QString::number(n));
    // Keyboard mnemonics and "%1" stay usable; the padding goes after them.
    const int padding = (text.size() * 2 + 4) / 5;
    return QStringLiteral("⟦") + text + QString(padding, QChar(u'~')) + QStringLiteral("⟧");
}

namespace {

bool isProgramText(const QString& text, const QStringList& data)
{
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    const QString plain = text.trimmed();
    // Paths (recent collections, folders) are the user's too.
    return plain.contains(letter) && !data.contains(plain) && !plain.contains(QChar(u'⟦')) &&
           !plain.startsWith(QLatin1Char('/'));
}

void addMenuTexts(const QList<QAction*>& actions, QStringList& texts)
{
    for (QAction* action : actions) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        texts << action->text() << action->toolTip();
        if (QMenu* menu = action->menu())
            addMenuTexts(menu->actions(), texts);
    }
}

QString plainText(const QLabel* label)
{
    if (!Qt::mightBeRichText(label->text()))
        return label->text();
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText();
}

} // namespace

QStringList untranslatedTexts(QWidget* window, const QStringList& data)
{
    QStringList texts{window->windowTitle().remove(QStringLiteral("[*]"))};
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets) {
        if (widget != window && !widget->isVisibleTo(window))
            continue;
        texts << widget->toolTip() << widget->accessibleName();
        if (auto* label = qobject_cast<QLabel*>(widget))
            texts << plainText(label);
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text();
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            texts << group->title();
        else if (auto* edit = qobject_cast<QLineEdit*>(widget))
            texts << edit->placeholderText();
        else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i) << tabs->tabToolTip(i);
        } else if (auto* header = qobject_cast<QHeaderView*>(widget); header && header->model()) {
            for (int i = 0; i < header->count(); ++i)
                texts << header->model()->headerData(i, header->orientation()).toString();
        }
        addMenuTexts(widget->actions(), texts);
    }
    QStringList untranslated;
    for (const QString& text : texts) {
        if (isProgramText(text, data) && !untranslated.contains(text))
            untranslated << text;
    }
    return untranslated;
}

QStringList cutShortTexts(QWidget* window)
{
    QStringList cut;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible())
            continue;
        auto* label = qobject_cast<QLabel*>(widget);
        auto* button = qobject_cast<QAbstractButton*>(widget);
        // An icon-only tool button (the search field's) shows no text.
        if (auto* tool = qobject_cast<QToolButton*>(widget); tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
            continue;
        if ((label && !label->wordWrap() && !label->text().isEmpty()) || (button && !button->text().isEmpty())) {
            if (widget->sizeHint().width() > widget->width())
                cut << (label ? label->text() : button->text());
        }
    }
    return cut;
}

} // namespace spinora::test
