#include "app/recordmanager/formsave.h"

#include "app/datamodule.h"
#include "app/messages.h"
#include "app/recordmanager/recordform.h"

#include <QLineEdit>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcSave, "velmora.save")

const QString FormSave::kSaveFailed = QStringLiteral("保存失败，请检测数据库连接！");

void FormSave::focusInput(RecordForm *form, const QString &column)
{
    QWidget *input = form->input(column);
    if (!input)
        return;
    input->setFocus(Qt::OtherFocusReason);
    if (auto *edit = qobject_cast<QLineEdit *>(input))
        edit->selectAll();
}

RecordSaver::Request FormSave::request(const EditWindowDef &definition, const RecordForm *form, const QVariant &id,
                                       FormSaveRules &rules)
{
    RecordSaver::Request r;
    r.table = definition.table;
    r.id = id;
    r.codeColumn = form->codeColumn();
    if (!r.codeColumn.isEmpty())
        r.code = form->text(r.codeColumn).trimmed();
    r.codeWidth = definition.codeWidth;
    r.codePolicy = definition.codeTaken;
    r.values = form->savedValues();
    r.check = [&rules](QSqlDatabase db, const QVariant &rowId) { return rules.checkRow(db, rowId); };
    r.dependents = [&rules](QSqlDatabase db, const QVariant &rowId, QString *error) {
        return rules.writeDependents(db, rowId, error);
    };
    return r;
}

std::optional<QVariant> FormSave::run(const EditWindowDef &definition, RecordForm *form, const QVariant &id,
                                      FormSaveRules &rules)
{
    const QString codeColumn = form->codeColumn();
    if (!codeColumn.isEmpty() && !definition.emptyCodeMessage.isEmpty() && form->text(codeColumn).trimmed().isEmpty()) {
        ShowMess(definition.emptyCodeMessage, MessInformation);
        focusInput(form, codeColumn);
        return std::nullopt;
    }
    if (!rules.checkInputs())
        return std::nullopt;

    RecordSaver saver(dmData().ADOcnn());
    const RecordSaver::Result result = saver.save(request(definition, form, id, rules));
    switch (result.status) {
    case RecordSaver::Status::Saved:
        if (!codeColumn.isEmpty() && result.codeChanged)
            form->setValue(codeColumn, result.code);
        return result.id;
    case RecordSaver::Status::CodeTaken:
        ShowMess(definition.codeTakenMessage, MessInformation);
        focusInput(form, codeColumn);
        return std::nullopt;
    case RecordSaver::Status::Refused:
        ShowMess(result.refusal.message, result.refusal.kind);
        focusInput(form, result.refusal.column);
        return std::nullopt;
    case RecordSaver::Status::Failed:
        break;
    }
    qCWarning(lcSave).noquote() << "saving into" << definition.table << "failed:" << result.error;
    ShowMess(kSaveFailed, MessError);
    return std::nullopt;
}
