#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace db {

// A permission of the catalogue: the number of the main-window action it
// unlocks and its name, which is the action's caption.
struct PermissionSeed {
    QString code;
    QString name;
};

// The starting entries of one code list.
struct CodeListSeed {
    QString category;
    QStringList values;
};

// The rows a new database starts with: the 34 permissions and the code lists
// behind the drop-down inputs.
class SeedRows {
public:
    static QList<PermissionSeed> permissions();
    static QList<CodeListSeed> codeLists();
};

}  // namespace db
