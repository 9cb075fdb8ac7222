#pragma once

class QMainWindow;
class QMenuBar;

namespace spinora {

class SpinoraAppDelegate;

// The main menu of a collection window: File, Edit, View, Tools, Window and
// Help. What a Mac keeps in the application menu sits where GNOME and KDE
// users look for it: Preferences at the end of Edit, Quit at the end of
// File, About and Check for Updates in Help.
class MainMenu {
public:
    static QMenuBar* install(QMainWindow* window, SpinoraAppDelegate& app);
};

} // namespace spinora
