#include "estate/estatewindows.h"

#include "app/formplacement.h"
#include "app/recordmanager/recordlistwindow.h"
#include "app/windowregistry.h"
#include "estate/registerwindowdefs.h"
#include "estate/tfrmcarposgl.h"
#include "estate/tfrmfcinfogl.h"
#include "estate/tfrmpublicsetgl.h"
#include "estate/tfrmxlinfogl.h"
#include "estate/tfrmyjinfogl.h"

void registerEstateWindows(WindowRegistry &registry)
{
    const int large = FormPlacement::LargeWindow;
    registry.registerWindow(QStringLiteral("Action301"), [](QWidget *owner) { return new TfrmFCinfoGL(owner); },
                            large);
    registry.registerWindow(QStringLiteral("Action306"), [](QWidget *owner) { return new TfrmCarPosGL(owner); },
                            large);
    registry.registerWindow(QStringLiteral("Action203"), [](QWidget *owner) { return new TfrmPublicSetGL(owner); },
                            large);
    // Cleaning and greening is its description alone.
    registry.registerWindow(QStringLiteral("Action204"),
                            [](QWidget *owner) { return new RecordListWindow(RegisterWindowDefs::cleaning(), owner); },
                            large);
    registry.registerWindow(QStringLiteral("Action205"), [](QWidget *owner) { return new TfrmXLinfoGL(owner); },
                            large);
    registry.registerWindow(QStringLiteral("Action308"), [](QWidget *owner) { return new TfrmYJinfoGL(owner); },
                            large);
}
