#pragma once

#include "app/recordmanager/recordwindow.h"

#include <QDate>
#include <QHash>

class QCheckBox;
class QDateEdit;
class QFormLayout;

// The query-first variant of the list window, for statistics and queries:
// toolbar "查询 | 首项 前项 后项 末项 | 打印 设置 导出 | 退出", a criteria panel
// (date bounds each switched on by a tick box, text and code-list boxes)
// and the grid, empty until the first "查询". A window whose query is more
// than conditions on one table overrides queryStatement().
class StatisticsWindow : public RecordWindow {
    Q_OBJECT
public:
    explicit StatisticsWindow(const StatisticsWindowDef &definition, QWidget *parent = nullptr);
    ~StatisticsWindow() override;

    const StatisticsWindowDef &definition() const { return m_def; }
    QWidget *criteriaPanel() const { return m_panel; }

    // "查询".
    void query();
    void showRecordCount() override;
    // "统计日期：自 ... 至 ..." from the first pair of date criteria.
    QString dateRangeCaption() const;

    // The criterion inputs by widget name (QDateEdit, QLineEdit, QComboBox) and the date tick boxes.
    QWidget *criterionInput(const QString &widgetName) const { return m_inputs.value(widgetName); }

protected:
    // "select * from <table> Where (1=1) " + area condition + criteria + ordering.
    virtual BoundStatement queryStatement() const;
    // Adds the conditions of the criteria.
    void appendCriteria(ClauseBuilder &clause) const;

    void openWindow() override;
    bool handleKey(QKeyEvent *event) override;
    ReportData reportData() const override;
    QString gridPrintHeader() const override { return dateRangeCaption(); }

private:
    StatisticsWindowDef m_def;
    QWidget *m_panel;
    QHash<QString, QWidget *> m_inputs;
    QHash<QString, QCheckBox *> m_ticks;
};

// Enables or disables the window's tbFirst, tbPrior, tbNext, tbLast,
// tbPrint, tbSet and tbExpert (the statistics windows' toolbar before and
// after the first query).
void SetToolbarEnabled(QWidget *window, bool enabled);
