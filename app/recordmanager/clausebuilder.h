#pragma once

#include "app/recordmanager/boundstatement.h"

#include <QDate>
#include <QString>
#include <QVariantMap>

// Builds the filter conditions of list and statistics windows: prefix and
// contains matches on text columns, where the user's text is bound and its
// LIKE wildcards match literally, and bounds on date columns. Every condition
// starts with " and ", so the result follows "where (1=1)".
class ClauseBuilder {
public:
    enum class Match { Prefix, Contains };

    // placeholderStem keeps the names of two builders in one statement apart.
    explicit ClauseBuilder(const QString &placeholderStem = QStringLiteral("flt"));

    // COALESCE(column,'') like the trimmed text followed by (Prefix) or
    // surrounded by (Contains) "%"; an empty text matches every row.
    ClauseBuilder &addLike(const QString &column, Match match, const QString &text);
    ClauseBuilder &addDateFrom(const QString &column, const QDate &date);
    ClauseBuilder &addDateTo(const QString &column, const QDate &date);
    // A condition of the caller's own (starting with " and ") with its values.
    ClauseBuilder &addCondition(const QString &condition, const QVariantMap &values = QVariantMap());

    QString text() const { return m_text; }
    QVariantMap binds() const { return m_binds; }
    bool isEmpty() const { return m_text.isEmpty(); }
    void appendTo(BoundStatement &statement) const { statement.append(m_text, m_binds); }

    // The bound LIKE pattern of a text.
    static QString likePattern(Match match, const QString &text);

private:
    QString placeholder();

    QString m_stem;
    QString m_text;
    QVariantMap m_binds;
    int m_next = 0;
};
