#pragma once

#include <QSqlDatabase>
#include <QString>

// Payable fees, shared-fee records and shared meters refer to a fee item by
// its name. Changing an item's name carries the new name into all of them,
// inside the transaction that saves the item, so that the item's billing
// history and its shared meters stay with it.
class FeeItemRenameCascade {
public:
    // Only an existing, named item whose trimmed name changed is renamed: an
    // empty old name would hand every record without a fee item to this one.
    static bool applies(const QString &oldName, const QString &newName);

    // Rewrites oldName to newName; false with the database's text in *error
    // as soon as one statement fails.
    static bool run(QSqlDatabase db, const QString &oldName, const QString &newName, QString *error = nullptr);
};
