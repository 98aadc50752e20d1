#pragma once

#include "app/recordmanager/recordlistwindow.h"

// The security patrol list "保安巡逻管理".
class TfrmXLinfoGL : public RecordListWindow {
    Q_OBJECT
public:
    explicit TfrmXLinfoGL(QWidget *parent = nullptr);

protected:
    RecordEditWindow *createEditWindow() override;
    bool confirmDelete() override;
};
