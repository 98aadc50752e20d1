#pragma once

#include "app/recordmanager/recordlistwindow.h"

class QCheckBox;

// The public facility list "小区公共设施管理": out-of-use facilities are hidden
// unless "包含已停用" is ticked, and drawn in red when shown.
class TfrmPublicSetGL : public RecordListWindow {
    Q_OBJECT
public:
    explicit TfrmPublicSetGL(QWidget *parent = nullptr);

protected:
    BoundStatement listStatement() const override;
    RecordEditWindow *createEditWindow() override;
    bool confirmDelete() override;

private:
    QCheckBox *m_includeStopped;
};
