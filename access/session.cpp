#include "access/session.h"

#include "access/permissioncatalog.h"
#include "app/datamodule.h"

#include <QSqlQuery>

Session &Session::current()
{
    static Session session;
    return session;
}

bool Session::isAdminName(const QString &name)
{
    return name.trimmed().toLower() == QLatin1String("admin");
}

QString Session::currentOperator() const
{
    return dmData().CurrentOperator();
}

void Session::logIn(const QString &name)
{
    TdmData &data = dmData();
    data.SetCurrentOperator(name);

    m_isAdmin = isAdminName(name);
    m_areaScopeFlag = 0;
    m_areaScopeList.clear();
    if (!m_isAdmin) {
        // When the operator's row cannot be read the operator sees no area
        // rather than all of them.
        m_areaScopeFlag = 1;
        QSqlQuery query = data.Query();
        if (data.OpenQuery(query, QStringLiteral("select F_XQflag, F_XQname from OperList where F_name = :name"),
                           {{QStringLiteral("name"), name}})
            && query.next()) {
            m_areaScopeFlag = query.value(0).toInt();
            if (m_areaScopeFlag == 1)
                m_areaScopeList = query.value(1).toString();
        }
    }
    m_areaScope = AreaScope::parse(m_areaScopeFlag, m_areaScopeList);

    m_permittedCodes.clear();
    for (const QString &code : PermissionCatalog::allCodes()) {
        if (m_isAdmin || data.HasPermission(code))
            m_permittedCodes.insert(code);
    }
}

void Session::clear()
{
    dmData().SetCurrentOperator(QString());
    m_isAdmin = false;
    m_areaScopeFlag = 0;
    m_areaScopeList.clear();
    m_areaScope = AreaScope();
    m_permittedCodes.clear();
}
