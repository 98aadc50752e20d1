#include "app/windowregistry.h"
#include "estate/areas/areaswindows.h"
#include "estate/estatewindows.h"
#include "fees/feeitems/feeitemswindows.h"

// The function windows of the main window's actions. Each function that
// exists adds its registration here, with the placement mode of its window:
// 1 for dialogs and the smaller management windows, 0 for the large working
// windows.
void registerFunctionWindows(WindowRegistry &registry)
{
    registerAreaWindows(registry);
    registerEstateWindows(registry);
    registerFeeItemWindows(registry);
}
