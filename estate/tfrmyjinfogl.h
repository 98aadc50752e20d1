#pragma once

#include "app/recordmanager/recordlistwindow.h"

class ValueListPanel;

// The suggestions list "建议意见管理", with a value list grouping the
// suggestions by content kind, handling status, owner or employee.
class TfrmYJinfoGL : public RecordListWindow {
    Q_OBJECT
public:
    explicit TfrmYJinfoGL(QWidget *parent = nullptr);

    // Rebuilds the value list for its kind and lists the suggestions again.
    void FillValueList();
    ValueListPanel *valueList() const { return m_values; }

protected:
    BoundStatement listStatement() const override;
    void openWindow() override;
    RecordEditWindow *createEditWindow() override;
    bool confirmDelete() override;

private:
    ValueListPanel *m_values;
};
