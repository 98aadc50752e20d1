#include "app/codenumbering.h"

QString CodeNumbering::nextAfter(const QString &largest, int width, int prefixLength)
{
    return QString();
}

CodeProposal CodeNumbering::nextCode(QSqlDatabase db, const QString &table, int width, const QString &column,
                                     const QString &condition, const QVariantMap &binds)
{
    return CodeProposal::failure(QStringLiteral("not ready"));
}

CodeProposal CodeNumbering::nextBillNo(QSqlDatabase db, const QString &prefix, const QDate &day, int width,
                                       const QString &table, const QString &column)
{
    return CodeProposal::failure(QStringLiteral("not ready"));
}

bool CodeNumbering::isIdentifier(const QString &name)
{
    return false;
}
