#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>

// Other tables repeat a record's name instead of referring to its id, so a
// rename is carried into each column that holds the name. It runs inside
// the caller's transaction: either every column takes the new name or, when
// the caller rolls back, none does.
class RenameCascade {
public:
    // A table and the column in it that holds the name.
    struct Target {
        QString table;
        QString column;
    };

    // Only an existing, named record whose trimmed name changed is renamed:
    // an empty old name would pull every row without a name into this one.
    static bool applies(const QString &oldName, const QString &newName);

    // Rewrites oldName (as stored) to the trimmed newName in every target, in
    // order. Does nothing when the change does not apply. False, with the
    // table and the database's text in *error, as soon as one statement fails.
    static bool run(QSqlDatabase db, const QList<Target> &targets, const QString &oldName, const QString &newName,
                    QString *error = nullptr);
};
