#include "access/loginrules.h"
#include "app/appconfig.h"
#include "app/datamodule.h"
#include "app/mainwindow.h"
#include "app/snapshot.h"
#include "app/splashwindow.h"
#include "app/startup.h"

#include <QApplication>
#include <QThread>

#include <memory>

namespace {

const QString kApplicationTitle = QStringLiteral("Korrin物业管理软件(网络版)");

// The hand-over point after a successful connection: the main window is
// created, the splash goes, and the login decides whether the program runs.
int runConnectedClient(QApplication &app, const Startup &startup, std::unique_ptr<TfrmSplash> &splash)
{
    splash->setStatus(Startup::kLoggingIn);

    TdmData data;
    data.UseConnection(startup.settings());
    // The main window keeps its own Config.ini for the run (last operator, backup mode).
    AppConfig config(startup.config().path());
    config.load();
    TFrmMain window(&config);

    splash->setStatus(Startup::kConnected);
    QThread::msleep(20);
    splash->setStatus(Startup::kLoggingIn);
    splash.reset();

    if (!window.ShowLogin(LoginRules::StartUp))
        return 0;
    window.show();
    return app.exec();
}

}  // namespace

int main(int argc, char **argv)
{
    // Pictures of the windows are made without a display.
    bool snapshot = false;
    const QString snapshotFolder = Snapshot::folderArgument(argc, argv, &snapshot);
    if (snapshot)
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    // The title first: the splash picture shows it.
    QApplication::setApplicationDisplayName(kApplicationTitle);

    if (snapshot)
        return Snapshot::run(snapshotFolder, AppConfig::locate(QApplication::arguments()));

    auto splash = std::make_unique<TfrmSplash>();
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    Startup startup(AppConfig::locate(QApplication::arguments()));
    startup.setStatusLine([&splash](const QString &text) {
        if (splash)
            splash->setStatus(text);
    });
    startup.setCloseSplash([&splash] { splash.reset(); });
    if (!startup.connectDatabase())
        return 1;
    return runConnectedClient(app, startup, splash);
}
