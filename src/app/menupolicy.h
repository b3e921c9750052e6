#pragma once
// Which menu entries are enabled: after start-up, after a login at each
// level, and after the two kinds of logout. Entries are named by the
// objectName of their action (menus by the objectName of the menu).

#include <QString>

enum class MenuState {
    StartedUp,        // after start-up
    LoggedOutInMenu,  // after Logout from the main menu
    LoggedIn,         // after a login attempt; the level decides (0 = failed)
    LoggedOutInWindow // after Logout in the login window
};

// What a state does to an entry: enables it, disables it, or leaves it as it was.
enum class MenuRule { Enable, Disable, Keep };
MenuRule MenuRuleFor(MenuState state, int level, const QString& entry);
