#pragma once

#include <QList>
#include <QPair>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

#include <functional>
#include <optional>

class QSqlError;

// Writes one row of an edit window in one transaction, with the code check
// that keeps record codes unique across clients.
//
// The transaction holds the table's numbering lock (SQLite's write lock, a
// PostgreSQL advisory lock), so the code check, the window's checks, the row
// and its dependent updates see one consistent state. A code that another row
// already holds is replaced by the next free code (or refused, for windows
// that ask the user for another code). Should the unique index still refuse
// the row, because a writer that takes no lock got in between, the whole
// attempt is rolled back and made again. Nothing is written unless everything
// succeeds.
class RecordSaver {
public:
    enum class CodePolicy { TakeNext, Refuse };
    enum class Status { Saved, CodeTaken, Refused, Failed };

    // A window's check that failed: its message, the message kind and the
    // column of the input to put the focus on.
    struct Refusal {
        QString message;
        int kind = 3;
        QString column;
    };

    using Check = std::function<std::optional<Refusal>(QSqlDatabase db, const QVariant &id)>;
    // Updates of other rows that belong to the save (renames). id is the row's F_ID.
    using Dependents = std::function<bool(QSqlDatabase db, const QVariant &id, QString *error)>;

    struct Request {
        QString table;
        QVariant id;                             // null for a new row, else the F_ID changed
        QString codeColumn;                      // empty: no code to check
        QString code;                            // the code as entered, trimmed
        int codeWidth = 3;
        CodePolicy codePolicy = CodePolicy::TakeNext;
        QList<QPair<QString, QVariant>> values;  // every column written, the code column included
        Check check;
        Dependents dependents;
        std::function<void(QSqlDatabase db)> beforeWrite;  // runs right before the row is written
        int attempts = 3;
    };

    struct Result {
        Status status = Status::Failed;
        QString code;          // the code stored (or refused)
        bool codeChanged = false;
        QVariant id;           // F_ID of the row written
        Refusal refusal;
        QString error;         // database error text of a failure
    };

    explicit RecordSaver(QSqlDatabase db);

    Result save(const Request &request);

    static bool isUniqueViolation(const QSqlError &error);

private:
    enum class Attempt { Done, Retry };
    Attempt attempt(const Request &request, Result &result);
    std::optional<bool> codeTaken(const Request &request, const QString &code, QString *error);
    bool writeRow(const Request &request, const QString &code, Result &result, bool *uniqueViolation);

    QSqlDatabase m_db;
};
