#pragma once

#include "access/areascope.h"

#include <QSet>
#include <QString>

// The values of the run that a successful login sets and the rest of the
// program reads: the operator (kept by the data module as CurrentOperator),
// whether it is the super user, the residential areas it may see and the
// functions it may use. They keep their contents until the next successful
// login; a failed or cancelled change of operator leaves them alone.
class Session {
public:
    static Session &current();

    // True for "admin" in any letter case, with or without surrounding blanks.
    static bool isAdminName(const QString &name);

    QString currentOperator() const;
    bool isAdmin() const { return m_isAdmin; }
    int areaScopeFlag() const { return m_areaScopeFlag; }
    // The stored list 'A','B'; empty when the operator sees every area.
    QString areaScopeList() const { return m_areaScopeList; }
    const AreaScope &areaScope() const { return m_areaScope; }
    // The area conditions of the run (see AreaScope); bind areaScope() with them.
    QString areaScopeClause(const QString &alias = QString()) const { return m_areaScope.clause(alias); }
    QString areaNameScopeClause(const QString &alias = QString()) const { return m_areaScope.nameClause(alias); }

    // The permission codes whose functions the operator may use.
    QSet<QString> permittedCodes() const { return m_permittedCodes; }
    bool isPermitted(const QString &code) const { return m_permittedCodes.contains(code); }

    // Takes over the operator: sets the current operator of the data module,
    // reads the operator's area restriction and permissions. The name is the
    // trimmed name of an existing, enabled operator.
    void logIn(const QString &name);

    // Back to the state before any login (tests, start-up).
    void clear();

private:
    bool m_isAdmin = false;
    int m_areaScopeFlag = 0;
    QString m_areaScopeList;
    AreaScope m_areaScope;
    QSet<QString> m_permittedCodes;
};
