#pragma once

#include "app/recordmanager/recordsaver.h"
#include "app/recordmanager/windowdefs.h"

#include <QSqlDatabase>
#include <QVariant>

#include <optional>

class RecordForm;

// What a window adds to the standard save of its form. Every hook has a
// neutral default, so a window described by data alone overrides nothing.
class FormSaveRules {
public:
    virtual ~FormSaveRules() = default;

    // Checks of the inputs alone, before anything is read or written. A
    // failing check shows its message, focuses its input and returns false.
    virtual bool checkInputs() { return true; }
    // Checks against stored rows (a name already taken), inside the save's
    // transaction. id is null for a new row.
    virtual std::optional<RecordSaver::Refusal> checkRow(QSqlDatabase db, const QVariant &id)
    {
        Q_UNUSED(db)
        Q_UNUSED(id)
        return std::nullopt;
    }
    // Updates of other rows that belong to the save, in the same transaction.
    virtual bool writeDependents(QSqlDatabase db, const QVariant &id, QString *error)
    {
        Q_UNUSED(db)
        Q_UNUSED(id)
        Q_UNUSED(error)
        return true;
    }
};

// The save of a record form ("确定", "保存"): empty-code check, then in one
// transaction the code check (a taken code is silently replaced by the next
// free one, or refused with the window's message), the window's checks, the
// row and its dependent updates. Shows the messages, puts the focus on the
// input concerned, and writes the code actually stored back into the form.
class FormSave {
public:
    static const QString kSaveFailed;   // "保存失败，请检测数据库连接！"

    // Returns the F_ID of the row written, or nothing when nothing was saved.
    static std::optional<QVariant> run(const EditWindowDef &definition, RecordForm *form, const QVariant &id,
                                       FormSaveRules &rules);

    // The request run() sends, for windows that save in their own way.
    static RecordSaver::Request request(const EditWindowDef &definition, const RecordForm *form, const QVariant &id,
                                        FormSaveRules &rules);

    // Focuses the input of a column and selects its text.
    static void focusInput(RecordForm *form, const QString &column);
};
