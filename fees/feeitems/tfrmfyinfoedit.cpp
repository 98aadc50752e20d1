#include "fees/feeitems/tfrmfyinfoedit.h"

#include "app/messages.h"
#include "app/recordmanager/recordform.h"
#include "fees/feeitems/feeitemrenamecascade.h"

#include <QSqlError>
#include <QSqlQuery>

const QString TfrmFYinfoEdit::kDuplicateName = QStringLiteral("费项名称重复，请修改！");

TfrmFYinfoEdit::TfrmFYinfoEdit(RecordListWindow *list) : RecordEditWindow(definition(), list) {}

EditWindowDef TfrmFYinfoEdit::definition()
{
    EditWindowDef e;
    e.className = QStringLiteral("TfrmFYinfoEdit");
    e.title = QStringLiteral("费用项目");
    e.table = QStringLiteral("T_FYinfo");
    e.codeWidth = 3;
    e.fields = {
        {QStringLiteral("F_code"), QStringLiteral("编    号："), QStringLiteral("edtCode"), Editor::Line, {},
         FieldFlags(CodeField) | AlwaysReadOnly},
        {QStringLiteral("F_name"), QStringLiteral("名    称："), QStringLiteral("edtName")},
        {QStringLiteral("F_SFtype"), QStringLiteral("收费方式："), QStringLiteral("cbbSFtype"), Editor::CodeList,
         QStringLiteral("sftype")},
        {QStringLiteral("F_SFprice"), QStringLiteral("单位价格："), QStringLiteral("ceSFprice"), Editor::Price},
        {QStringLiteral("F_SFcycle"), QStringLiteral("收费周期："), QStringLiteral("cbbSFcycle"), Editor::CodeList,
         QStringLiteral("sfcycle")},
        // Continuous add repeats the area of the previous item.
        {QStringLiteral("F_XQname"), QStringLiteral("小区名称："), QStringLiteral("cbbXQname"), Editor::Area, {},
         KeepOnNew},
        {QStringLiteral("F_memo1"), QStringLiteral("备    注："), QStringLiteral("Memo1"), Editor::Memo},
    };
    e.hints = {QStringLiteral("1.按住户收取的物业费如：治安费等；"), QStringLiteral("2.按面积收取的物业费如：取暖费等；"),
               QStringLiteral("3.按用量收取的物业费如：水电费等；"), QStringLiteral("4.自定义的物业费价格可以自由设定；")};
    return e;
}

std::optional<RecordSaver::Refusal> TfrmFYinfoEdit::checkRow(QSqlDatabase db, const QVariant &id)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("select F_ID from T_FYinfo where F_name = :name and F_ID <> :id"));
    q.bindValue(QStringLiteral(":name"), form()->value(QStringLiteral("F_name")));
    q.bindValue(QStringLiteral(":id"), id.isNull() ? qint64(-1) : id.toLongLong());
    if (q.exec() && q.next())
        return RecordSaver::Refusal{kDuplicateName, MessError, QStringLiteral("F_name")};
    // A failed check leaves the refusal to the unique index and the save.
    return std::nullopt;
}

bool TfrmFYinfoEdit::writeDependents(QSqlDatabase db, const QVariant &id, QString *error)
{
    Q_UNUSED(id)
    if (mode() != EditMode)
        return true;
    return FeeItemRenameCascade::run(db, form()->loadedValue(QStringLiteral("F_name")).toString(),
                                     form()->text(QStringLiteral("F_name")), error);
}
