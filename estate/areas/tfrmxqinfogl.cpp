#include "estate/areas/tfrmxqinfogl.h"

#include "app/messages.h"
#include "app/recordmanager/recordform.h"
#include "estate/areas/arearenamecascade.h"

TfrmXQinfoGL::TfrmXQinfoGL(QWidget *parent) : SingleRecordWindow(listDefinition(), formDefinition(), parent) {}

RecordWindowDef TfrmXQinfoGL::listDefinition()
{
    RecordWindowDef d;
    d.className = QStringLiteral("TfrmXQinfoGL");
    d.caption = QStringLiteral("小区信息设置");
    d.table = QStringLiteral("T_XQinfo");
    // Every operator sees every area here.
    d.areaScoped = false;
    d.orderBy = QStringLiteral("order by F_code");
    d.gridKey = QStringLiteral("XQinfoGL");
    d.columns = {{QStringLiteral("F_code"), QStringLiteral("小区编号"), 80},
                 {QStringLiteral("F_name"), QStringLiteral("小区名称"), 120},
                 {QStringLiteral("F_address"), QStringLiteral("位置"), 160},
                 {QStringLiteral("F_LDamount"), QStringLiteral("楼幢数"), 70},
                 {QStringLiteral("F_DYamount"), QStringLiteral("单元数"), 70},
                 {QStringLiteral("F_FJamount"), QStringLiteral("房间数"), 70},
                 {QStringLiteral("F_LCjiegou"), QStringLiteral("楼层结构"), 90},
                 {QStringLiteral("F_ZHamount"), QStringLiteral("住户数"), 70},
                 {QStringLiteral("F_KZamount"), QStringLiteral("空置数"), 70},
                 {QStringLiteral("F_mem1"), QStringLiteral("楼宇概况"), 200},
                 {QStringLiteral("F_mem2"), QStringLiteral("备注"), 200}};
    d.reports = {{QStringLiteral("打印"), QStringLiteral("frXQinfoGL")}};
    return d;
}

EditWindowDef TfrmXQinfoGL::formDefinition()
{
    EditWindowDef e;
    e.className = QStringLiteral("pnlInputs");
    e.title = QStringLiteral("小区信息");
    e.table = QStringLiteral("T_XQinfo");
    e.codeWidth = 3;
    e.codeTaken = RecordSaver::CodePolicy::Refuse;
    e.codeTakenMessage = QStringLiteral("小区编号重复，请重新输入！");
    e.emptyCodeMessage = QStringLiteral("小区编号不能为空！");
    e.formColumns = 3;
    e.fields = {
        {QStringLiteral("F_code"), QStringLiteral("小区编号："), QStringLiteral("edtCode"), Editor::Line, {}, CodeField},
        {QStringLiteral("F_name"), QStringLiteral("小区名称："), QStringLiteral("edtName"), Editor::Line, {},
         NoFieldFlags, 255},
        {QStringLiteral("F_address"), QStringLiteral("位    置："), QStringLiteral("edtAddress"), Editor::Line, {},
         NoFieldFlags, 255},
        {QStringLiteral("F_LDamount"), QStringLiteral("楼 幢 数："), QStringLiteral("rceLDamount"), Editor::Number},
        {QStringLiteral("F_DYamount"), QStringLiteral("单 元 数："), QStringLiteral("rceDYamount"), Editor::Integer},
        {QStringLiteral("F_FJamount"), QStringLiteral("房 间 数："), QStringLiteral("rceFJamount"), Editor::Integer},
        {QStringLiteral("F_LCjiegou"), QStringLiteral("楼层结构："), QStringLiteral("cbbLCjiegou"), Editor::CodeList,
         QStringLiteral("lcjiegou")},
        {QStringLiteral("F_mem1"), QStringLiteral("楼宇概况："), QStringLiteral("mem1"), Editor::Memo, {}, SkipTab},
        {QStringLiteral("F_mem2"), QStringLiteral("备    注："), QStringLiteral("mem2"), Editor::Memo, {}, SkipTab},
    };
    return e;
}

bool TfrmXQinfoGL::confirmDelete()
{
    const QString name = currentValue(QStringLiteral("F_name")).toString();
    return ShowMess(QStringLiteral("真的要删除当前小区名称\"") + name + QStringLiteral("\"吗？"), MessQuestion)
           != AnswerNo;
}

bool TfrmXQinfoGL::writeDependents(QSqlDatabase db, const QVariant &id, QString *error)
{
    Q_UNUSED(id)
    // Only a changed area has a name to carry over; a new one touches nothing.
    if (!isChangingRow())
        return true;
    return AreaRenameCascade::run(db, form()->loadedValue(QStringLiteral("F_name")).toString(),
                                  form()->text(QStringLiteral("F_name")), error);
}
