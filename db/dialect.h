#pragma once

#include "db/dbsettings.h"

#include <QSqlDatabase>
#include <QString>

namespace db {

// The few places where SQLite and PostgreSQL need different SQL text.
class Dialect {
public:
    explicit Dialect(Engine engine) : m_engine(engine) {}
    static Dialect of(const QSqlDatabase &db);

    Engine engine() const { return m_engine; }
    bool isSqlite() const { return m_engine == Engine::Sqlite; }
    bool isPostgres() const { return m_engine == Engine::Postgres; }

    // Appended after a LIKE pattern made by escapeLike().
    static QString likeEscape() { return QStringLiteral(" ESCAPE '\\'"); }
    // Escapes the LIKE wildcards of a user's text so that they match literally.
    static QString escapeLike(const QString &text);

    // COALESCE(col,'') loses SQLite's NOCASE collation; comparisons on such an
    // expression append this to stay case-insensitive. Empty on PostgreSQL (citext).
    QString nocase() const;

    // Condition that the last n characters of a column are all digits.
    QString endsWithDigits(const QString &column, int n) const;

    // Statement that starts a write transaction; SQLite takes the write lock at once.
    QString beginStatement() const;

private:
    Engine m_engine;
};

}  // namespace db
