#include "setup/velconfcommand.h"

#include "app/appconfig.h"
#include "app/passwordcodec.h"
#include "setup/connectiontester.h"
#include "setup/installer.h"
#include "setup/setupmessages.h"

#include <QCommandLineParser>
#include <QTextStream>

QString VelconfCommand::usage()
{
    return QStringLiteral(
        "Usage: velconf --install [--replace] [--config PATH]\n"
        "       velconf --test [--config PATH]\n"
        "       velconf --configure [--driver sqlite|postgres] [--server HOST[:PORT]] [--database NAME]\n"
        "                           [--user NAME] [--password TEXT] [--config PATH]\n"
        "\n"
        "  --install        create the database Config.ini names, with its tables and seed rows\n"
        "  --replace        with --install: move an existing database of that name aside\n"
        "                   (renamed, never dropped) and install a new one\n"
        "  --test           open the connection and read the operator table\n"
        "  --configure      write the given connection settings into Config.ini\n"
        "                   (the password in its stored form) and keep the rest of the file\n"
        "  --config PATH    the Config.ini to use (default: beside the program)\n");
}

int VelconfCommand::run(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption install(QStringLiteral("install"));
    const QCommandLineOption replace(QStringLiteral("replace"));
    const QCommandLineOption test(QStringLiteral("test"));
    const QCommandLineOption config(QStringLiteral("config"), QString(), QStringLiteral("PATH"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption configure(QStringLiteral("configure"));
    const QList<QCommandLineOption> connectionKeys{
        QCommandLineOption(QStringLiteral("driver"), QString(), QStringLiteral("NAME")),
        QCommandLineOption(QStringLiteral("server"), QString(), QStringLiteral("HOST")),
        QCommandLineOption(QStringLiteral("database"), QString(), QStringLiteral("NAME")),
        QCommandLineOption(QStringLiteral("user"), QString(), QStringLiteral("NAME")),
        QCommandLineOption(QStringLiteral("password"), QString(), QStringLiteral("TEXT"))};
    parser.addOptions({install, replace, test, config, help, configure});
    parser.addOptions(connectionKeys);

    if (!parser.parse(arguments)) {
        m_err << parser.errorText() << "\n\n" << usage();
        return 2;
    }
    const bool wantsInstall = parser.isSet(install);
    const bool wantsTest = parser.isSet(test);
    const bool wantsConfigure = parser.isSet(configure);
    bool givesConnectionKeys = false;
    for (const QCommandLineOption &key : connectionKeys)
        givesConnectionKeys = givesConnectionKeys || parser.isSet(key);
    if (wantsConfigure && !parser.isSet(help)) {
        if (wantsInstall || wantsTest || parser.isSet(replace) || !parser.positionalArguments().isEmpty()) {
            m_err << usage();
            return 2;
        }
        const QString path = parser.isSet(config) ? parser.value(config) : AppConfig::locate(arguments);
        return writeConnection(path, parser, connectionKeys);
    }
    if (givesConnectionKeys && !parser.isSet(help)) {
        m_err << usage();
        return 2;
    }
    if (parser.isSet(help) || (!wantsInstall && !wantsTest)) {
        if (!parser.positionalArguments().isEmpty() || (parser.isSet(replace) && !parser.isSet(help))) {
            m_err << usage();
            return 2;
        }
        m_out << usage();
        return 0;
    }
    if ((wantsInstall && wantsTest) || (parser.isSet(replace) && !wantsInstall)
        || !parser.positionalArguments().isEmpty()) {
        m_err << usage();
        return 2;
    }

    const QString path = parser.isSet(config) ? parser.value(config) : AppConfig::locate(arguments);
    AppConfig settings(path, AppConfig::Program::SetupTool);
    QString error;
    if (!settings.load(&error)) {
        m_err << SetupMessages::kReadConfigFailed << '\n' << path << ": " << error << '\n';
        return 1;
    }

    if (wantsInstall) {
        const Installer::Outcome o = Installer(settings).install(parser.isSet(replace));
        QTextStream &stream = o.status == Installer::Status::Installed ? m_out : m_err;
        if (!o.message.isEmpty())
            stream << o.message << '\n';
        stream << o.detail << '\n';
        return o.status == Installer::Status::Installed ? 0 : 1;
    }

    const ConnectionTester::Outcome o = ConnectionTester(settings).test();
    QTextStream &stream = o.ok ? m_out : m_err;
    stream << o.message << '\n' << o.detail << '\n';
    return o.ok ? 0 : 1;
}

int VelconfCommand::writeConnection(const QString &path, const QCommandLineParser &parser,
                                    const QList<QCommandLineOption> &keys)
{
    AppConfig settings(path, AppConfig::Program::SetupTool);
    QString error;
    if (!settings.load(&error)) {
        m_err << SetupMessages::kReadConfigFailed << '\n' << path << ": " << error << '\n';
        return 1;
    }
    IniFile &ini = settings.ini();
    for (const QCommandLineOption &key : keys) {
        if (!parser.isSet(key))
            continue;
        const QString name = key.names().constFirst();
        const QString value = parser.value(key).trimmed();
        if (name == QLatin1String("password"))
            ini.setValue(QStringLiteral("DBConn"), name, SavePass(parser.value(key)));
        else if (name == QLatin1String("database"))
            ini.setValue(QStringLiteral("DBConn"), QStringLiteral("dataBase"), value);
        else
            ini.setValue(QStringLiteral("DBConn"), name, value);
    }
    db::DbSettings check;
    if (!settings.toDbSettings(&check, &error)) {
        m_err << error << '\n';
        return 1;
    }
    if (!ini.save(&error)) {
        m_err << path << ": " << error << '\n';
        return 1;
    }
    m_out << path << '\n';
    return 0;
}
