#include "estate/estatewindows.h"

#include "app/formplacement.h"
#include "app/windowregistry.h"
#include "estate/tfrmcarposgl.h"
#include "estate/tfrmfcinfogl.h"

void registerEstateWindows(WindowRegistry &registry)
{
    registry.registerWindow(QStringLiteral("Action301"), [](QWidget *owner) { return new TfrmFCinfoGL(owner); },
                            FormPlacement::LargeWindow);
    registry.registerWindow(QStringLiteral("Action306"), [](QWidget *owner) { return new TfrmCarPosGL(owner); },
                            FormPlacement::LargeWindow);
}
