#pragma once

#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantMap>

// The residential areas an operator may see, as conditions for statements.
//
// Operators are stored with a flag (1 = only some areas) and a list of area
// names written as quoted literals, 'A','B'. The list is parsed into names
// here and every name reaches the database as a bound parameter, never as
// text inside the statement: an area called O'Brien or a list typed by hand
// cannot change what a statement does.
//
// One object serves every statement of the run:
//   QString sql = "select ... from T_FCinfo where (1=1) " + scope.clause();
//   QSqlQuery q; q.prepare(sql); scope.bindTo(q); ...
// or with a table alias: scope.clause("FY") or scope.clause("FY.").
class AreaScope {
public:
    // Sees every area.
    AreaScope() = default;

    static AreaScope unrestricted() { return AreaScope(); }
    static AreaScope restrictedTo(const QStringList &names);

    // Builds the scope of an operator from the stored flag and list. A flag
    // other than 1 sees everything. A stored list that does not parse is
    // treated as an empty list (only rows without an area); *ok tells which.
    static AreaScope parse(int flag, const QString &storedList, bool *ok = nullptr);

    // Splits a stored list 'A','B' (separated by "," or "，", blanks allowed
    // around the literals, '' inside a literal for one quote) into its names.
    // Returns false for text that is not such a list; empty text is an empty list.
    static bool parseList(const QString &storedList, QStringList *names);

    // The stored form of names: each in single quotes with quotes doubled,
    // separated by commas.
    static QString formatList(const QStringList &names);

    bool isRestricted() const { return m_restricted; }
    QStringList names() const { return m_names; }

    // Condition on the area column F_XQname of the rows of a statement, with a
    // leading " and": rows of the permitted areas and rows without an area.
    // Empty when unrestricted. A restricted operator without names sees only
    // rows without an area. alias: "", "FY" or "FY.".
    QString clause(const QString &alias = QString()) const;

    // Condition on F_name for statements that list area names of T_XQinfo.
    // Empty when unrestricted; " and (1=0) " for a restricted operator without names.
    QString nameClause(const QString &alias = QString()) const;

    // The placeholders of clause() and nameClause() with their values.
    QVariantMap binds() const;
    void bindTo(QSqlQuery &query) const;

    bool operator==(const AreaScope &other) const = default;

private:
    QString inList() const;

    bool m_restricted = false;
    QStringList m_names;
};
