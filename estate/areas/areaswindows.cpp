#include "estate/areas/areaswindows.h"

#include "app/formplacement.h"
#include "app/windowregistry.h"
#include "estate/areas/tfrmxqinfogl.h"

void registerAreaWindows(WindowRegistry &registry)
{
    registry.registerWindow(QStringLiteral("Action201"), [](QWidget *owner) { return new TfrmXQinfoGL(owner); },
                            FormPlacement::Dialog);
}
