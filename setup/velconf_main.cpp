#include "setup/velconfcommand.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velconf"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int code = VelconfCommand(out, err).run(QCoreApplication::arguments());
    out.flush();
    err.flush();
    return code;
}
