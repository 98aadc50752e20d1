#pragma once

#include "app/recordmanager/recordwindow.h"

class FilterBar;
class RecordEditWindow;

// The record-manager list window: toolbar "新增 修改 删除 | 首项 前项 后项 末项
// | 打印 设置 导出 | 退出", the filter bar, the grid and the status bar, over
// one table described by a ListWindowDef. New and changed rows go through
// the edit window (the description's, or one the function makes itself).
class RecordListWindow : public RecordWindow {
    Q_OBJECT
public:
    explicit RecordListWindow(const ListWindowDef &definition, QWidget *parent = nullptr);
    ~RecordListWindow() override;

    const ListWindowDef &definition() const { return m_def; }
    FilterBar *filterBar() const { return m_filter; }

    // Opens the list with the filter's condition.
    void RefreshList();
    // "新增", "修改", "删除".
    void newRecord();
    void editRecord();
    void deleteRecord();

    static const QString kEmptyTable;   // "此表为空，没有记录需要修改！"

    // The program's pictures (velmora --snapshot): the edit window, prepared
    // for a new row. The caller owns the windows returned.
    Q_INVOKABLE QList<QWidget *> snapshotCompanions();

protected:
    // "select * from <table> where (1=1) " + the operator's area condition +
    // the filter + the ordering.
    virtual BoundStatement listStatement() const;
    // The function's edit window; by default one built from the description.
    virtual RecordEditWindow *createEditWindow();
    // The question before a delete; true to go on.
    virtual bool confirmDelete();

    void openWindow() override;
    bool handleKey(QKeyEvent *event) override;

private:
    void runEditWindow(int mode);

    ListWindowDef m_def;
    FilterBar *m_filter;
};
