#pragma once

#include <QStringList>

class QTextStream;

// The setup tool's command line: --install [--replace], --test, each with an
// optional --config PATH. Returns the exit code: 0 done, 1 refused or failed,
// 2 wrong arguments.
class VelconfCommand {
public:
    VelconfCommand(QTextStream &out, QTextStream &err) : m_out(out), m_err(err) {}

    int run(const QStringList &arguments);

    static QString usage();

private:
    QTextStream &m_out;
    QTextStream &m_err;
};
