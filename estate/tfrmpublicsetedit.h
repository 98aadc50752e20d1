#pragma once

#include "app/recordmanager/recordeditwindow.h"

// The facility edit window "公共设施资料": the amount follows quantity times
// unit price whenever either changes, and stays as typed otherwise.
class TfrmPublicSetEdit : public RecordEditWindow {
    Q_OBJECT
public:
    TfrmPublicSetEdit(const EditWindowDef &definition, RecordListWindow *list);

protected:
    void fieldsLoaded(bool fromRecord) override;

private:
    void proposeAmount();
};
