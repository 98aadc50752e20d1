#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// Every table refers to a residential area by its name, so changing an
// area's name rewrites that name in the sixteen tables that store it. The
// caller runs it inside the transaction that saves the area, so that either
// all of them take the new name or none does.
class AreaRenameCascade {
public:
    // The tables holding an area name in F_XQname, in the order they are rewritten.
    static const QStringList &tables();

    // Whether a change from oldName to newName renames anything: only an
    // existing, named area whose trimmed name changed. An empty old name
    // would otherwise pull every record without an area into the new one.
    static bool applies(const QString &oldName, const QString &newName);

    // Rewrites oldName (as stored) to newName in every table. Does nothing
    // when the change does not apply. False, with the database's text in
    // *error, as soon as one statement fails.
    static bool run(QSqlDatabase db, const QString &oldName, const QString &newName, QString *error = nullptr);
};
