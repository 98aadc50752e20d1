#pragma once

class WindowRegistry;

// Registers the fee item window with the action "费用项目设置".
void registerFeeItemWindows(WindowRegistry &registry);
