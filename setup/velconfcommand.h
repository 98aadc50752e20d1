#pragma once

#include <QList>
#include <QStringList>

class QCommandLineOption;
class QCommandLineParser;

class QTextStream;

// The setup tool's command line: --install [--replace], --test and
// --configure with connection keys, each with an optional --config PATH. Returns the exit code: 0 done, 1 refused or failed,
// 2 wrong arguments.
class VelconfCommand {
public:
    VelconfCommand(QTextStream &out, QTextStream &err) : m_out(out), m_err(err) {}

    int run(const QStringList &arguments);

    static QString usage();

private:
    int writeConnection(const QString &path, const QCommandLineParser &parser,
                        const QList<QCommandLineOption> &keys);

    QTextStream &m_out;
    QTextStream &m_err;
};
