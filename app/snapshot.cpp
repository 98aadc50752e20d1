#include "app/snapshot.h"

#include "access/loginrules.h"
#include "access/session.h"
#include "access/tfrmoperlogin.h"
#include "app/appconfig.h"
#include "app/datamodule.h"
#include "app/desktop.h"
#include "app/mainwindow.h"
#include "app/messages.h"
#include "app/passwordcodec.h"
#include "app/startup.h"
#include "app/toolsaboutinfo.h"
#include "app/windowregistry.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPixmap>
#include <QScopeGuard>
#include <QTextStream>

#include <memory>

namespace {

const QString kPreferredFont = QStringLiteral("WenQuanYi Zen Hei");

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

// Nobody is there to answer: every box is printed, every question answered "no".
class PrintedMessages : public MessagePresenter {
public:
    int present(const MessageRequest &request) override
    {
        err() << "message (" << request.kind << "): " << request.text << Qt::endl;
        return AnswerNo;
    }
};

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

}  // namespace

QString Snapshot::folderArgument(const QStringList &arguments, bool *requested)
{
    const QString option = QStringLiteral("--snapshot");
    if (requested)
        *requested = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == option) {
            if (requested)
                *requested = true;
            return i + 1 < arguments.size() && !arguments.at(i + 1).startsWith(QStringLiteral("--"))
                       ? arguments.at(i + 1)
                       : QString();
        }
        if (argument.startsWith(option + QLatin1Char('='))) {
            if (requested)
                *requested = true;
            return argument.mid(option.size() + 1);
        }
    }
    return QString();
}

QString Snapshot::folderArgument(int argc, char **argv, bool *requested)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return folderArgument(arguments, requested);
}

QFont Snapshot::chooseFont()
{
    QFont font = QApplication::font();
    const QStringList families = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    if (families.contains(kPreferredFont))
        font.setFamily(kPreferredFont);
    else if (!families.isEmpty())
        font.setFamily(families.first());
    return font;
}

QString Snapshot::pictureName(const QWidget *window)
{
    return window->objectName().isEmpty() ? QString::fromLatin1(window->metaObject()->className())
                                          : window->objectName();
}

bool Snapshot::save(QWidget *window, const QString &folder, const QString &name, QString *error)
{
    if (!window->isVisible())
        window->show();
    settle();
    const QPixmap picture = window->grab();
    const QString file = QDir(folder).filePath(name + QStringLiteral(".png"));
    if (picture.isNull() || !picture.save(file, "PNG")) {
        if (error)
            *error = QStringLiteral("cannot write ") + file;
        return false;
    }
    out() << file << Qt::endl;
    return true;
}

int Snapshot::run(const QString &folder, const QString &configPath)
{
    if (folder.isEmpty()) {
        err() << "usage: velmora --snapshot DIR [--config PATH]" << Qt::endl;
        return 2;
    }
    if (!QDir().mkpath(folder)) {
        err() << "cannot create " << folder << Qt::endl;
        return 1;
    }
    PrintedMessages messages;
    MessagePresenter *previous = setMessagePresenter(&messages);
    const auto restore = qScopeGuard([previous] { setMessagePresenter(previous); });

    const QFont font = chooseFont();
    QApplication::setFont(font);
    out() << "font: " << font.family() << Qt::endl;

    Startup startup(configPath);
    if (!startup.connectDatabase()) {
        err() << "cannot connect: " << startup.lastError() << Qt::endl;
        return 1;
    }
    TdmData data;
    data.UseConnection(startup.settings());
    AppConfig config(startup.config().path());
    config.load();

    TFrmMain window(&config);
    window.setAutoBackupEnabled(false);
    window.setConfirmExit(false);

    // The login as the user sees it, then the login itself with admin's password.
    const QString password = GetPass(data.LookupText(
        QStringLiteral("select F_PassWord from OperList where F_Name = :name"), {{QStringLiteral("name"), QStringLiteral("admin")}}));
    QString error;
    {
        TfrmOperLogin login(LoginRules::StartUp);
        login.findChild<QComboBox *>(QStringLiteral("cbbOperName"))->setEditText(QStringLiteral("admin"));
        if (!save(&login, folder, pictureName(&login), &error)) {
            err() << error << Qt::endl;
            return 1;
        }
        const LoginRules::Verdict verdict = LoginRules(LoginRules::StartUp).confirm(QStringLiteral("admin"), password);
        if (verdict.result != LoginRules::Result::LoggedIn) {
            err() << "cannot log in as admin: " << verdict.message << Qt::endl;
            return 1;
        }
    }
    window.SetLimits();
    window.setWindowState(Qt::WindowNoState);
    window.resize(1280, 800);
    window.show();
    settle();
    bool ok = save(&window, folder, pictureName(&window), &error);

    TfrmAboutInfo about(&window);
    ok = save(&about, folder, pictureName(&about), &error) && ok;
    about.hide();

    WindowRegistry &registry = WindowRegistry::instance();
    for (const QString &action : registry.windowActions()) {
        std::unique_ptr<QWidget> function(registry.createWindow(action, &window));
        if (!function)
            continue;
        if (!function->isWindow())
            function->setWindowFlag(Qt::Window, true);
        ok = save(function.get(), folder, pictureName(function.get()), &error) && ok;
        // A function window may offer pictures of its other windows (edit windows).
        if (function->metaObject()->indexOfMethod("snapshotCompanions()") >= 0) {
            QList<QWidget *> companions;
            QMetaObject::invokeMethod(function.get(), "snapshotCompanions", Qt::DirectConnection,
                                      Q_RETURN_ARG(QList<QWidget *>, companions));
            for (QWidget *companion : std::as_const(companions)) {
                std::unique_ptr<QWidget> owned(companion);
                ok = save(companion, folder, pictureName(companion), &error) && ok;
                companion->hide();
            }
        }
        function->hide();
    }
    if (!ok) {
        err() << error << Qt::endl;
        return 1;
    }
    return 0;
}
