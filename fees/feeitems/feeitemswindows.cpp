#include "fees/feeitems/feeitemswindows.h"

#include "app/formplacement.h"
#include "app/windowregistry.h"
#include "fees/feeitems/tfrmfyinfogl.h"

void registerFeeItemWindows(WindowRegistry &registry)
{
    registry.registerWindow(QStringLiteral("Action207"), [](QWidget *owner) { return new TfrmFYinfoGL(owner); },
                            FormPlacement::Dialog);
}
