#pragma once

#include "app/recordmanager/recordeditwindow.h"

class QTimeEdit;

// The patrol edit window "保安巡逻资料": the record's inputs plus the time of
// day of the event beside its date, written with the row.
class TfrmXLinfoEdit : public RecordEditWindow {
    Q_OBJECT
public:
    TfrmXLinfoEdit(const EditWindowDef &definition, RecordListWindow *list);

    QTimeEdit *timeInput() const { return m_time; }

protected:
    void fieldsLoaded(bool fromRecord) override;
    bool writeDependents(QSqlDatabase db, const QVariant &id, QString *error) override;

private:
    QTimeEdit *m_time;
};
