#pragma once

#include "app/recordmanager/recordeditwindow.h"

// "费用项目": adds or changes one fee item. Names are unique among fee
// items; a changed name is carried into the records that name the item.
class TfrmFYinfoEdit : public RecordEditWindow {
    Q_OBJECT
public:
    explicit TfrmFYinfoEdit(RecordListWindow *list);

    static EditWindowDef definition();
    static const QString kDuplicateName;   // "费项名称重复，请修改！"

protected:
    std::optional<RecordSaver::Refusal> checkRow(QSqlDatabase db, const QVariant &id) override;
    bool writeDependents(QSqlDatabase db, const QVariant &id, QString *error) override;
};
