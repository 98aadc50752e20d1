#pragma once

#include "app/recordmanager/singlerecordwindow.h"

// "小区信息设置": the residential areas, kept on one window (the inputs lie
// under the list). Saving a changed name carries it into every table that
// refers to the area, in the same transaction as the area itself.
class TfrmXQinfoGL : public SingleRecordWindow {
    Q_OBJECT
public:
    explicit TfrmXQinfoGL(QWidget *parent = nullptr);

    static RecordWindowDef listDefinition();
    static EditWindowDef formDefinition();

protected:
    bool confirmDelete() override;
    bool writeDependents(QSqlDatabase db, const QVariant &id, QString *error) override;
};
