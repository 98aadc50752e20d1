#pragma once

class WindowRegistry;

// Registers the residential-area window with the action "小区信息设置".
void registerAreaWindows(WindowRegistry &registry);
