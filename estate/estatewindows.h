#pragma once

class WindowRegistry;

// Registers the estate windows (houses, parking, facilities, the three
// registers) with the actions of the main window that open them.
void registerEstateWindows(WindowRegistry &registry);
