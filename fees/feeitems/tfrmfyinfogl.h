#pragma once

#include "app/recordmanager/recordlistwindow.h"

// "费用项目设置": the fee items the estate charges for, a record-manager
// list over T_FYinfo with the edit window TfrmFYinfoEdit.
class TfrmFYinfoGL : public RecordListWindow {
    Q_OBJECT
public:
    explicit TfrmFYinfoGL(QWidget *parent = nullptr);

    static ListWindowDef definition();

protected:
    RecordEditWindow *createEditWindow() override;
};
