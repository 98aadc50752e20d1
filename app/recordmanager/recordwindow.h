#pragma once

#include "app/recordmanager/boundstatement.h"
#include "app/recordmanager/listnavigation.h"
#include "app/recordmanager/windowdefs.h"
#include "app/report/reportdata.h"

#include <QDialog>

#include <functional>
#include <optional>

class GridView;
class KeyPreview;
class QKeyEvent;
class QSqlQueryModel;
class QToolButton;
class QVBoxLayout;
class StatusPanels;
class WindowToolBar;

// What every record-manager window has: a toolbar, a grid over the record
// set QryTable with its stored column settings, the four navigation buttons
// with their begin/end rules, "打印"/"设置"/"导出", the status bar, and the
// keys the window sees before its controls. The list, single-record and
// statistics windows build on it.
class RecordWindow : public QDialog {
    Q_OBJECT
public:
    explicit RecordWindow(const RecordWindowDef &definition, QWidget *parent = nullptr);
    ~RecordWindow() override;

    const RecordWindowDef &windowDefinition() const { return m_def; }
    QSqlQueryModel *recordSet() const { return m_records; }
    GridView *grid() const { return m_grid; }
    WindowToolBar *toolBar() const { return m_toolBar; }
    StatusPanels *statusPanels() const { return m_status; }
    QToolButton *button(const QString &name) const;

    // Opens the record set with a statement (reporting a failure) and shows
    // the count; the cursor is on the first row.
    bool openTable(const BoundStatement &statement);
    // Opens it again with its last statement.
    bool reopenTable();
    const BoundStatement &lastStatement() const { return m_lastStatement; }

    int recordCount() const;
    bool hasRows() const { return recordCount() > 0; }
    int currentRow() const;
    QVariant currentValue(const QString &field) const;
    // Puts the cursor on the row whose F_ID is id; on the last row when there is none.
    void locateId(const QVariant &id);
    void goToLastRow();
    // Panel 3: the number of rows.
    virtual void showRecordCount();

    // The toolbar's navigation: moves and sets the four buttons' state.
    void navigateFirst();
    void navigatePrior();
    void navigateNext();
    void navigateLast();
    // Moves only (the edit window's record navigator).
    void moveFirst();
    void movePrior();
    void moveNext();
    void moveLast();
    const ListNavigation &navigation() const { return m_nav; }

    // "打印" and "设置" of a layout (0 the first), "导出".
    void printReport(int layout);
    void designReport(int layout);
    void exportGrid();

protected:
    // Toolbar building blocks, in the order the window wants them.
    // "新增", "修改", "删除"; a double click in the grid runs "修改" while
    // that button is enabled.
    void addRecordButtons(const std::function<void()> &add, const std::function<void()> &edit,
                          const std::function<void()> &remove);
    void addNavigationButtons();
    void addReportButtons(const QString &designName, const QString &exportName);
    void addExitButton();
    // "select * from <table> where (1=1) " (or the description's own select)
    // with the operator's area condition when the description asks for it.
    BoundStatement tableStatement() const;
    // "真的要删除当前编号" + the current row's field + "吗？"; true to go on.
    bool askDeleteCurrent(const QString &field) const;
    // Deletes the current row (by its F_ID) from the described table.
    bool deleteCurrentRow();
    // The record keys: Ctrl+A "新增", Ctrl+E "修改", Ctrl+S "保存", Delete
    // "删除", Esc "取消" or else "退出", each pressing its button when the
    // window has it enabled. Nothing for any other key; otherwise whether a
    // button was pressed.
    std::optional<bool> pressRecordKey(QKeyEvent *event);
    // Places a widget above or below the grid.
    void addAboveGrid(QWidget *widget);
    void addBelowGrid(QWidget *widget);

    // Runs once, when the window is first shown: settings, then the list.
    virtual void openWindow() = 0;
    // The number formats of the grid's columns, by default by the
    // description's format class. The window's openWindow calls it; it runs
    // again while the window is open whenever the display formats change.
    virtual void applyDisplayFormats();
    // The window's keys; true when the key was used up. The default handles
    // Page Up/Down, Home, End and Enter.
    virtual bool handleKey(QKeyEvent *event);
    // The cursor moved to row (-1: no rows).
    virtual void currentRecordChanged(int row);
    virtual ReportData reportData() const;
    // Header text of the printed grid (the statistics' date range).
    virtual QString gridPrintHeader() const { return QString(); }

    void showEvent(QShowEvent *event) override;

private:
    void applyNavigationButtons();
    void step(void (ListNavigation::*move)(), bool buttons);
    bool actOnNavigationKey(QKeyEvent *event);

    RecordWindowDef m_def;
    QSqlQueryModel *m_records;
    WindowToolBar *m_toolBar;
    GridView *m_grid;
    StatusPanels *m_status;
    QVBoxLayout *m_layout;
    KeyPreview *m_keys;
    ListNavigation m_nav;
    BoundStatement m_lastStatement;
    bool m_stepping = false;
    bool m_opened = false;
};
