#include "app/appconfig.h"
#include "app/formplacement.h"
#include "app/splashwindow.h"
#include "app/startup.h"

#include <QApplication>
#include <QLabel>
#include <QThread>
#include <QVBoxLayout>

#include <memory>

namespace {

const QString kApplicationTitle = QStringLiteral("Korrin物业管理软件(网络版)");

// The hand-over point after a successful connection: this is where the main
// window is created and the login runs. For now a plain window says that the
// client is connected.
int runConnectedClient(QApplication &app, const Startup &startup, std::unique_ptr<TfrmSplash> &splash)
{
    splash->setStatus(Startup::kLoggingIn);

    QWidget window;
    window.setObjectName(QStringLiteral("TFrmConnected"));
    window.setWindowTitle(kApplicationTitle);
    auto *layout = new QVBoxLayout(&window);
    auto *label = new QLabel(QStringLiteral("已连接数据库：%1").arg(startup.databaseName()), &window);
    label->setObjectName(QStringLiteral("lblConnected"));
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    DispFormPos(&window, FormPlacement::MainWindow);

    splash->setStatus(Startup::kConnected);
    QThread::msleep(20);
    splash->setStatus(Startup::kLoggingIn);
    splash.reset();

    window.show();
    return app.exec();
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The title first: the splash picture shows it.
    QApplication::setApplicationDisplayName(kApplicationTitle);

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
