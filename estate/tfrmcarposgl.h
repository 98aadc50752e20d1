#pragma once

#include "app/recordmanager/recordlistwindow.h"

class ValueListPanel;

// The parking list "车位管理": the record-manager list over T_carPos with a
// value list of property statuses or handling employees on the left. New
// spaces are registered in the creation window; the sale window sells or
// rents a space to a household and changes it.
class TfrmCarPosGL : public RecordListWindow {
    Q_OBJECT
public:
    explicit TfrmCarPosGL(QWidget *parent = nullptr);
    ~TfrmCarPosGL() override;

    // Rebuilds the value list for its kind and lists the spaces again.
    void FillValueList();
    ValueListPanel *valueList() const { return m_values; }

    // The program's pictures: the creation window and the sale window.
    Q_INVOKABLE QList<QWidget *> snapshotCompanions();

    void newSpace();
    void sellSpace();
    void changeSpace();

protected:
    BoundStatement listStatement() const override;
    void openWindow() override;
    bool confirmDelete() override;

private:
    void runSaleWindow(int mode);

    ValueListPanel *m_values;
};
