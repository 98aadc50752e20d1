#pragma once

#include "app/recordmanager/recordeditwindow.h"

// The suggestion edit window "建议意见资料": the operator types the number; a
// number another suggestion holds stops the save with the focus on it and no
// message, and the next record of a continuous add starts at the date.
class TfrmYJinfoEdit : public RecordEditWindow {
    Q_OBJECT
public:
    TfrmYJinfoEdit(const EditWindowDef &definition, RecordListWindow *list);

protected:
    bool checkInputs() override;
    void fieldsLoaded(bool fromRecord) override;
};
