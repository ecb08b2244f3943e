#pragma once

namespace montora {

// Fixed numeric command identifiers. Menus, toolbar buttons and shortcuts all
// reach the main window as one of these.
enum class CommandId : int {
    OpenFileMenu = 11007,  // Alt+F
    OpenEditMenu = 11008,  // Alt+E
    OpenPanelMenu = 11009, // Alt+N
    OpenHelpMenu = 11011,  // Alt+H
};

} // namespace montora
