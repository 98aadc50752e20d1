#pragma once

#include "app/grid/gridcolumn.h"
#include "app/grid/gridview.h"
#include "app/recordmanager/clausebuilder.h"
#include "app/recordmanager/recordsaver.h"

#include <QList>
#include <QString>
#include <QStringList>

// The descriptions from which the record-manager windows are built. A
// function's list window, edit window or statistics window is one of these
// filled in (its table, columns, filters, inputs and reports); the window
// classes add only what their function does beyond the pattern.
//
// A list window with its edit window, by description alone:
//
//   ListWindowDef d;
//   d.className = "TfrmBJinfoGL"; d.caption = "保洁绿化管理"; d.table = "T_BJinfo";
//   d.gridKey = "BJinfoGL"; d.reports = {{"打印", "frBJinfoGL"}}; d.exportTitle = "保洁绿化管理";
//   d.columns = {{"F_code", "编号", 80}, {"F_type", "类型", 80}, ...};
//   d.filters = {{"编号", "F_code", ClauseBuilder::Match::Prefix}, {"类型", "F_type", Match::Contains, "bjtype"}};
//   d.editor.className = "TfrmBJinfoEdit"; d.editor.title = "保洁绿化"; d.editor.table = "T_BJinfo";
//   d.editor.codeWidth = 6;
//   d.editor.fields = {{"F_code", "编    号：", "edtCode", Editor::Line, {}, CodeField},
//                      {"F_type", "类    型：", "cbbType", Editor::CodeList, "bjtype"}, ...};
//   RecordListWindow window(d, owner);
//
// A function with rules of its own subclasses RecordListWindow (its own
// statement: listStatement(); its own edit window: createEditWindow()) and
// RecordEditWindow (checkInputs(), checkRow() and writeDependents() of
// FormSaveRules, all run in the save's transaction where they touch the
// database). SingleRecordWindow and StatisticsWindow are the other variants.

// The kind of input of a field in an edit form.
enum class Editor {
    Line,       // one line of text, trimmed on save
    Memo,       // several lines, saved as typed; Enter stays inside
    Integer,    // whole number
    Number,     // plain number (4 decimals)
    Amount,     // quantity or area, shown with AmountFormat
    Price,      // unit price, shown with PriceFormat, PriceDecimals decimals
    Money,      // money total, shown with TotalFormat
    Date,       // calendar day, yyyy-MM-dd
    CodeList,   // drop-down filled from a t_code category on focus; free text allowed
    Lookup,     // drop-down filled from a statement on focus; free text allowed
    Area,       // drop-down of the residential areas the operator may see; free text allowed
    Check,      // tick box, stored as 0/1
};

// How a field behaves beyond its editor.
enum FieldFlag {
    NoFieldFlags = 0x0,
    CodeField = 0x1,        // the record's code: proposed for new rows, checked on save
    AlwaysReadOnly = 0x2,   // shown, never typed into
    ReadOnlyOnEdit = 0x4,   // read-only while an existing row is changed
    KeepOnNew = 0x8,        // keeps its value when the form is cleared for the next new row
    SkipTab = 0x10,         // left out of the Tab order
    NotSaved = 0x20,        // shown only; not written
};
Q_DECLARE_FLAGS(FieldFlags, FieldFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(FieldFlags)

// A column as the edit form and the save statements see it.
struct FieldDef {
    QString column{};       // F_code
    QString caption{};      // "小区编号："
    QString widgetName{};   // edtCode
    Editor editor = Editor::Line;
    QString source{};       // CodeList: the t_code category; Lookup: the statement filling the list
    FieldFlags flags = NoFieldFlags;
    int maxLength = 0;    // Line inputs: characters allowed, 0 for the column's default (50)
};

// One item of a list window's field selector ("查询类型：").
struct FilterDef {
    QString caption{};          // "编号"
    QString column{};           // F_code
    ClauseBuilder::Match match = ClauseBuilder::Match::Contains;
    QString codeList{};         // a t_code category: the value comes from a drop-down list of it
};

// One report layout of "打印" / "设置": a template of the Qr folder, or the
// grid itself printed as shown.
struct ReportDef {
    QString caption{};          // menu entry, e.g. "打印格式一"
    QString templateName{};     // frFYinfoGL; empty for the grid print
};

// What list, single-record and statistics windows share.
struct RecordWindowDef {
    QString className{};        // TfrmFYinfoGL: the window's objectName
    QString caption{};          // "费用项目设置"
    QString table{};            // T_FYinfo
    QString selectSql{};        // default "select * from <table> where (1=1) "
    bool areaScoped = true;   // the operator's area condition follows the select
    QString orderBy = QStringLiteral("order by F_code");
    QString gridKey{};          // cfg_Grid key
    int formatClass = 0;      // ApplyColumnFormats class, 0 for none
    GridColumns columns{};      // the designed columns, kept when the key has no rows
    GridView::SortMode sortMode = GridView::SortMode::None;
    QList<ReportDef> reports{}; // first is the default of "打印" and "设置"
    QString exportTitle{};      // "导出"; empty: no export button
};

// The edit window of a list window, or the input panel of the single-window variant.
struct EditWindowDef {
    QString className{};        // TfrmFYinfoEdit
    QString title{};            // "费用项目": captions "费用项目 - 新增" / "费用项目 - 修改"
    QString table{};            // T_FYinfo
    QList<FieldDef> fields{};   // in tab order; the code field first
    int codeWidth = 3;        // digits of the code's numeric tail
    RecordSaver::CodePolicy codeTaken = RecordSaver::CodePolicy::TakeNext;
    QString codeTakenMessage{}; // shown (kind 0) when codeTaken is Refuse
    QString emptyCodeMessage{}; // when set, an empty code is refused with it (kind 0)
    QStringList hints{};        // fixed lines shown beside the inputs
    int formColumns = 1;      // label/input pairs per row
};

// A record-manager list window: toolbar, filter bar, grid, status bar and its edit window.
struct ListWindowDef : RecordWindowDef {
    QList<FilterDef> filters{};
    EditWindowDef editor{};     // used when the window makes no edit window of its own
    // The field named in the delete question "真的要删除当前编号" + value + "吗？".
    QString deleteQuestionField = QStringLiteral("F_code");
};

// A criterion of a statistics window: a date bound with its tick box, or a text box.
struct CriterionDef {
    enum Kind { DateFrom, DateTo, Text, CodeList };
    Kind kind = Text;
    QString caption{};          // "自", "房间编号："
    QString column{};           // F_bxDate
    QString widgetName{};       // dtpFrom, edtFZcode
    ClauseBuilder::Match match = ClauseBuilder::Match::Contains;
    QString codeList{};         // CodeList: the t_code category of its drop-down
    QString tickName{};         // dates: the tick box switching the criterion on
};

// The query-first variant: criteria panel, "查询", no new, edit or delete.
struct StatisticsWindowDef : RecordWindowDef {
    QList<CriterionDef> criteria{};
};
