#pragma once

#include "access/areascope.h"
#include "access/session.h"
#include "estatefixture.h"

// Logs in an operator who may see only the given areas (or, with an empty
// list, sees every area as "admin" does). Clears the session when it goes.
class EstateSession {
public:
    explicit EstateSession(const QStringList &areas = QStringList(), bool restricted = false)
    {
        if (!restricted) {
            Session::current().logIn(QStringLiteral("admin"));
            return;
        }
        estatefixture::insertRow(QStringLiteral("OperList"),
                                 {{QStringLiteral("F_Name"), QStringLiteral("clerk")},
                                  {QStringLiteral("F_Flag"), 0},
                                  {QStringLiteral("F_XQflag"), 1},
                                  {QStringLiteral("F_XQname"), AreaScope::formatList(areas)}});
        Session::current().logIn(QStringLiteral("clerk"));
    }
    ~EstateSession() { Session::current().clear(); }
};
