#include "MainMenu.h"

#include "AppSettings.h"
#include "Localization.h"
#include "SpinoraAppDelegate.h"
#include "SpinoraDatabase.h"

#include <QAbstractItemView>
#include <algorithm>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>
#include <QToolBar>
#include <QUrl>

namespace spinora {

namespace {

// The window's own actions (the lists' shortcuts, for instance) may already
// claim a key; two active shortcuts on one key would make both ambiguous. The
// menu then only shows the key (a widget shortcut of the menu item is never
// active outside the menu) and leaves the key press to the window.
void assignShortcut(QMainWindow* window, QAction* action, const QKeySequence& key)
{
    if (key.isEmpty())
        return;
    action->setShortcut(key);
    for (const QAction* existing : window->findChildren<QAction*>()) {
        if (existing != action && existing->shortcuts().contains(key)) {
            action->setShortcutContext(Qt::WidgetShortcut);
            return;
        }
    }
}

// Calls one of the document window's public slots (add, delete, print...).
void invokeOnWindow(const QPointer<QMainWindow>& window, const char* slot)
{
    if (window)
        QMetaObject::invokeMethod(window.data(), slot);
}

QString helpAddress(const char* key)
{
    const QString name = QString::fromUtf8(key);
    if (name == QLatin1String(settings::kWebsiteUrl))
        return configurationValue(name, QStringLiteral("https://spinora.org/"));
    if (name == QLatin1String(settings::kFacebookUrl))
        return configurationValue(name, QStringLiteral("https://www.facebook.com/spinora.app"));
    return configurationValue(name, QStringLiteral("https://spinora.org/faq/"));
}

// The text commands of the Edit menu act on the field that has the focus.
void editFocused(const char* command)
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus)
        return;
    const QByteArray name(command);
    if (name == "delete") {
        if (auto* line = qobject_cast<QLineEdit*>(focus))
            line->del();
        else if (auto* text = qobject_cast<QTextEdit*>(focus))
            text->textCursor().removeSelectedText();
        else if (auto* plain = qobject_cast<QPlainTextEdit*>(focus))
            plain->textCursor().removeSelectedText();
        return;
    }
    if (focus->metaObject()->indexOfMethod((name + "()").constData()) >= 0)
        QMetaObject::invokeMethod(focus, command);
}

bool focusTakes(const char* command)
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus)
        return false;
    const QByteArray name(command);
    if (name == "delete")
        return qobject_cast<QLineEdit*>(focus) || qobject_cast<QTextEdit*>(focus) || qobject_cast<QPlainTextEdit*>(focus);
    return focus->metaObject()->indexOfMethod((name + "()").constData()) >= 0;
}

QList<QToolBar*> toolBarsOf(QMainWindow* window)
{
    return window->findChildren<QToolBar*>(QString(), Qt::FindDirectChildrenOnly);
}

SpinoraDatabase* documentShownIn(SpinoraAppDelegate& app, const QPointer<QMainWindow>& window)
{
    for (SpinoraDatabase* document : app.openDocuments()) {
        if (window && app.windowForDocument(document) == window)
            return document;
    }
    return nullptr;
}

void fillRecentMenu(QMenu* menu, SpinoraAppDelegate& app)
{
    menu->clear();
    const QStringList paths = app.recentDocuments().paths();
    for (const QString& path : paths) {
        QAction* open = menu->addAction(QFileInfo(path).completeBaseName());
        open->setToolTip(QDir::toNativeSeparators(path));
        open->setStatusTip(QDir::toNativeSeparators(path));
        open->setData(path);
        QObject::connect(open, &QAction::triggered, &app, [&app, path] { app.openDocumentWithContentsOfURL(path); });
    }
    if (!paths.isEmpty())
        menu->addSeparator();
    QAction* clear = menu->addAction(localized("Clear Menu"));
    clear->setObjectName(QStringLiteral("clearRecentMenu"));
    clear->setEnabled(!paths.isEmpty());
    QObject::connect(clear, &QAction::triggered, &app, [&app] { app.recentDocuments().clear(); });
}

void buildFileMenu(QMenuBar* bar, QMainWindow* window, SpinoraAppDelegate& app)
{
    const QPointer<QMainWindow> target(window);
    QMenu* file = bar->addMenu(localized("&File"));
    file->setObjectName(QStringLiteral("fileMenu"));

    QAction* newItem = file->addAction(localized("New"), &app, &SpinoraAppDelegate::newDocument);
    newItem->setObjectName(QStringLiteral("newAction"));
    assignShortcut(window, newItem, QKeySequence(QStringLiteral("Ctrl+N")));
    QAction* open = file->addAction(localized("Open..."), &app, &SpinoraAppDelegate::openDocument);
    open->setObjectName(QStringLiteral("openAction"));
    assignShortcut(window, open, QKeySequence(QStringLiteral("Ctrl+O")));
    QMenu* recent = file->addMenu(localized("Open Recent"));
    recent->setObjectName(QStringLiteral("openRecentMenu"));
    fillRecentMenu(recent, app);
    QObject::connect(recent, &QMenu::aboutToShow, recent, [recent, &app] { fillRecentMenu(recent, app); });
    file->addSeparator();

    QAction* close = file->addAction(localized("Close"), window, [target] {
        if (target)
            target->close();
    });
    close->setObjectName(QStringLiteral("closeAction"));
    assignShortcut(window, close, QKeySequence(QStringLiteral("Ctrl+W")));
    QAction* save = file->addAction(localized("Save"), window, [target, &app] {
        if (SpinoraDatabase* document = documentShownIn(app, target))
            app.saveDocument(document);
    });
    save->setObjectName(QStringLiteral("saveAction"));
    assignShortcut(window, save, QKeySequence(QStringLiteral("Ctrl+S")));
    QAction* saveAs = file->addAction(localized("Save As..."), window, [target, &app] {
        if (SpinoraDatabase* document = documentShownIn(app, target))
            app.saveDocumentAs(document);
    });
    saveAs->setObjectName(QStringLiteral("saveAsAction"));
    assignShortcut(window, saveAs, QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    file->addSeparator();

    file->addMenu(app.importFromMenu());
    file->addMenu(app.exportToMenu());
    QAction* backups = file->addAction(localized("Restore From Backup…"), window, [target, &app] {
        if (SpinoraDatabase* document = documentShownIn(app, target))
            app.showBackups(document);
    });
    backups->setObjectName(QStringLiteral("restoreFromBackupAction"));
    // A snapshot's own window has no snapshots to restore.
    if (SpinoraDatabase* document = documentShownIn(app, target))
        backups->setEnabled(!document->isReadOnly());
    file->addSeparator();

    QAction* pageSetup = file->addAction(localized("Page Setup..."), window, [target, &app] {
        if (target)
            app.services().pageSetup(target);
    });
    pageSetup->setObjectName(QStringLiteral("pageSetupAction"));
    QAction* print = file->addAction(localized("Print..."), window,
                                     [target] { invokeOnWindow(target, "printDocument"); });
    print->setObjectName(QStringLiteral("printAction"));
    assignShortcut(window, print, QKeySequence(QStringLiteral("Ctrl+P")));
    QAction* preview = file->addAction(localized("Print Preview..."), window,
                                       [target] { invokeOnWindow(target, "printPreview"); });
    preview->setObjectName(QStringLiteral("printPreviewAction"));
    QAction* labels = file->addAction(localized("Print Labels..."), window,
                                      [target] { invokeOnWindow(target, "printLabels"); });
    labels->setObjectName(QStringLiteral("printLabelsAction"));
    file->addSeparator();

    QAction* quit = file->addAction(localized("Quit Spinora"), &app, &SpinoraAppDelegate::quitApplication);
    quit->setObjectName(QStringLiteral("quitAction"));
    quit->setMenuRole(QAction::QuitRole);
    assignShortcut(window, quit, QKeySequence(QStringLiteral("Ctrl+Q")));
}

void buildEditMenu(QMenuBar* bar, QMainWindow* window, SpinoraAppDelegate& app)
{
    const QPointer<QMainWindow> target(window);
    QMenu* edit = bar->addMenu(localized("&Edit"));
    edit->setObjectName(QStringLiteral("editMenu"));
    // The window's own Undo and Redo, titled with the step they take.
    for (const char* name : {"UndoAction", "RedoAction"}) {
        if (QAction* step = window->findChild<QAction*>(QLatin1String(name)))
            edit->addAction(step);
    }
    if (!edit->actions().isEmpty())
        edit->addSeparator();

    QAction* add = edit->addAction(localized("Add Item"), window, [target] { invokeOnWindow(target, "handleAddButton"); });
    add->setObjectName(QStringLiteral("addItemAction"));
    QAction* remove = edit->addAction(localized("Remove Item"), window,
                                      [target] { invokeOnWindow(target, "handleDeleteButton"); });
    remove->setObjectName(QStringLiteral("removeItemAction"));
    assignShortcut(window, remove, QKeySequence::Delete);
    QAction* duplicate = edit->addAction(localized("Duplicate Item"), window,
                                         [target] { invokeOnWindow(target, "handleDuplicate"); });
    duplicate->setObjectName(QStringLiteral("duplicateItemAction"));
    assignShortcut(window, duplicate, QKeySequence(QStringLiteral("Ctrl+D")));
    // The window's own command, so that the menu, the toolbar and the lists'
    // context menus are enabled alike.
    if (QAction* markAsWatered = window->findChild<QAction*>(QStringLiteral("MarkAsWatered")))
        edit->addAction(markAsWatered);
    edit->addSeparator();

    struct TextCommand {
        const char* title;
        const char* command;
        QKeySequence::StandardKey key;
    };
    static const TextCommand textCommands[] = {
        {QT_TRID_NOOP("Cut"), "cut", QKeySequence::Cut},
        {QT_TRID_NOOP("Copy"), "copy", QKeySequence::Copy},
        {QT_TRID_NOOP("Paste"), "paste", QKeySequence::Paste},
        {QT_TRID_NOOP("Delete"), "delete", QKeySequence::UnknownKey},
        {QT_TRID_NOOP("Select All"), "selectAll", QKeySequence::SelectAll},
    };
    QList<QPair<QAction*, const char*>> textActions;
    for (const TextCommand& text : textCommands) {
        const char* command = text.command;
        QAction* action = edit->addAction(localized(text.title), window, [command] { editFocused(command); });
        action->setObjectName(QStringLiteral("%1Action").arg(QString::fromUtf8(command)));
        // The fields handle their own standard keys; the menu shows them.
        if (text.key != QKeySequence::UnknownKey)
            assignShortcut(window, action, text.key);
        action->setShortcutContext(Qt::WidgetShortcut);
        textActions.append({action, command});
    }
    QObject::connect(edit, &QMenu::aboutToShow, edit, [textActions] {
        for (const auto& [action, command] : textActions)
            action->setEnabled(focusTakes(command));
    });
    edit->addSeparator();
    QAction* preferences =
        edit->addAction(localized("Preferences..."), &app, &SpinoraAppDelegate::handlePreferences);
    preferences->setObjectName(QStringLiteral("preferencesAction"));
    preferences->setMenuRole(QAction::PreferencesRole);
    assignShortcut(window, preferences, QKeySequence::Preferences);
}

void applyToolbarStyle(QMainWindow* window, int style)
{
    window->setToolButtonStyle(static_cast<Qt::ToolButtonStyle>(style));
}

void buildViewMenu(QMenuBar* bar, QMainWindow* window)
{
    const QPointer<QMainWindow> target(window);
    QMenu* view = bar->addMenu(localized("&View"));
    view->setObjectName(QStringLiteral("viewMenu"));
    QAction* showToolbar = view->addAction(localized("Show Toolbar"));
    showToolbar->setObjectName(QStringLiteral("showToolbarAction"));
    showToolbar->setCheckable(true);
    showToolbar->setChecked(true);
    // The toolbars' own state decides, not the item's check mark, which is
    // only brought up to date when the menu opens.
    QObject::connect(showToolbar, &QAction::triggered, window, [target, showToolbar] {
        if (!target)
            return;
        const QList<QToolBar*> toolbars = toolBarsOf(target);
        const bool show = std::none_of(toolbars.begin(), toolbars.end(), [](QToolBar* t) { return !t->isHidden(); });
        for (QToolBar* toolbar : toolbars)
            toolbar->setVisible(show);
        showToolbar->setChecked(show);
    });

    // Qt has no toolbar customisation sheet; what KDE offers instead is the
    // choice of how the toolbar's buttons look.
    QMenu* style = view->addMenu(localized("Customize Toolbar"));
    style->setObjectName(QStringLiteral("customizeToolbarMenu"));
    auto* group = new QActionGroup(style);
    const int saved = appSettings()->value(QString::fromUtf8(settings::kToolbarStyle), Qt::ToolButtonTextUnderIcon).toInt();
    const QPair<QString, int> styles[] = {
        {localized("Icon and Text"), Qt::ToolButtonTextUnderIcon},
        {localized("Icon Only"), Qt::ToolButtonIconOnly},
        {localized("Text Only"), Qt::ToolButtonTextOnly},
    };
    for (const auto& [title, value] : styles) {
        QAction* choice = style->addAction(title);
        choice->setCheckable(true);
        choice->setChecked(value == saved);
        group->addAction(choice);
        const int chosen = value;
        QObject::connect(choice, &QAction::triggered, window, [chosen] {
            appSettings()->setValue(QString::fromUtf8(settings::kToolbarStyle), chosen);
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (auto* other = qobject_cast<QMainWindow*>(top))
                    applyToolbarStyle(other, chosen);
            }
        });
    }
    applyToolbarStyle(window, saved);

    // The window's own: the lists' sort keys and the Due filter.
    if (auto* sortBy = window->findChild<QMenu*>(QStringLiteral("SortByMenu"))) {
        view->addSeparator();
        view->addMenu(sortBy);
    }
    if (QAction* due = window->findChild<QAction*>(QStringLiteral("DueFilter")))
        view->addAction(due);
    view->addAction(localized("Flowering Calendar..."), window, [target] { invokeOnWindow(target, "showFloweringCalendar"); });

    QObject::connect(view, &QMenu::aboutToShow, view, [target, showToolbar] {
        if (!target)
            return;
        const QList<QToolBar*> toolbars = toolBarsOf(target);
        showToolbar->setEnabled(!toolbars.isEmpty());
        showToolbar->setChecked(std::any_of(toolbars.begin(), toolbars.end(), [](QToolBar* t) { return !t->isHidden(); }));
    });
}

void buildToolsMenu(QMenuBar* bar, QMainWindow* window)
{
    const QPointer<QMainWindow> target(window);
    QMenu* tools = bar->addMenu(localized("&Tools"));
    tools->setObjectName(QStringLiteral("toolsMenu"));
    QAction* statistics = tools->addAction(localized("Statistics..."), window,
                                           [target] { invokeOnWindow(target, "showStatistics"); });
    statistics->setObjectName(QStringLiteral("statisticsAction"));
}

void buildWindowMenu(QMenuBar* bar, QMainWindow* window, SpinoraAppDelegate& app)
{
    const QPointer<QMainWindow> target(window);
    QMenu* menu = bar->addMenu(localized("&Window"));
    menu->setObjectName(QStringLiteral("windowMenu"));
    QAction* minimize = menu->addAction(localized("Minimize"), window, [target] {
        if (target)
            target->showMinimized();
    });
    minimize->setObjectName(QStringLiteral("minimizeAction"));
    assignShortcut(window, minimize, QKeySequence(QStringLiteral("Ctrl+M")));
    // "Zoom" is the desktop's maximize toggle.
    QAction* zoom = menu->addAction(localized("Zoom"), window, [target] {
        if (!target)
            return;
        if (target->isMaximized())
            target->showNormal();
        else
            target->showMaximized();
    });
    zoom->setObjectName(QStringLiteral("zoomAction"));
    menu->addSeparator();
    QAction* front = menu->addAction(localized("Bring All to Front"), window, [target, &app] {
        for (SpinoraDatabase* document : app.openDocuments()) {
            if (QMainWindow* other = app.windowForDocument(document)) {
                if (other->isMinimized())
                    other->showNormal();
                other->raise();
            }
        }
        if (target) {
            target->raise();
            target->activateWindow();
        }
    });
    front->setObjectName(QStringLiteral("bringAllToFrontAction"));
}

void buildHelpMenu(QMenuBar* bar, QMainWindow* window, SpinoraAppDelegate& app)
{
    QMenu* help = bar->addMenu(localized("&Help"));
    help->setObjectName(QStringLiteral("helpMenu"));
    const QPair<QString, const char*> links[] = {
        {localized("Like Spinora on Facebook"), settings::kFacebookUrl},
        {localized("Spinora Website..."), settings::kWebsiteUrl},
        {localized("Frequently Asked Questions..."), settings::kFaqUrl},
    };
    for (const auto& [title, key] : links) {
        const char* address = key;
        QAction* link = help->addAction(title, window, [address] {
            QDesktopServices::openUrl(QUrl(helpAddress(address), QUrl::TolerantMode));
        });
        link->setObjectName(QString::fromUtf8(key).section(QLatin1Char('/'), 1) + QStringLiteral("Action"));
    }
    help->addSeparator();
    QAction* updates = help->addAction(localized("Check for Updates..."), &app, &SpinoraAppDelegate::checkForUpdates);
    updates->setObjectName(QStringLiteral("checkForUpdatesAction"));
    help->addSeparator();
    QAction* about = help->addAction(localized("About Spinora"), &app, &SpinoraAppDelegate::showAbout);
    about->setObjectName(QStringLiteral("aboutAction"));
    about->setMenuRole(QAction::AboutRole);
}

} // namespace

QMenuBar* MainMenu::install(QMainWindow* window, SpinoraAppDelegate& app)
{
    QMenuBar* bar = window->menuBar();
    bar->clear();
    buildFileMenu(bar, window, app);
    buildEditMenu(bar, window, app);
    buildViewMenu(bar, window);
    buildToolsMenu(bar, window);
    buildWindowMenu(bar, window, app);
    buildHelpMenu(bar, window, app);
    return bar;
}

} // namespace spinora
