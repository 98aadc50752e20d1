#pragma once

#include "app/recordmanager/recordlistwindow.h"
#include "estate/housemodes.h"

class AreaTreeView;
class QButtonGroup;
class QCheckBox;
class QToolButton;

// The house list "房屋信息档案管理": the record-manager list over T_FCinfo
// with the area tree on the left (only the operator's areas), the status
// filter, and besides new, change and delete the steps of a house's life:
// sale, move-in, vacate and copy.
class TfrmFCinfoGL : public RecordListWindow {
    Q_OBJECT
public:
    explicit TfrmFCinfoGL(QWidget *parent = nullptr);
    ~TfrmFCinfoGL() override;

    // Rebuilds the area tree, keeping the selected node where it still exists.
    void BuildAreaTree();
    // Lists the houses of the selected node; nothing while no node is selected.
    void RefreshHouses();
    // Opens the list again with its last statement, if it was ever opened.
    void reopenHouses();
    // True when a house of that area and building exists.
    bool hasHouseIn(const QString &area, const QString &building) const;

    // The program's pictures: the edit window for a new house and the house picker.
    Q_INVOKABLE QList<QWidget *> snapshotCompanions();

    // The toolbar's actions.
    void newHouse();
    void changeHouse();
    void copyHouse();
    void sellHouse();
    void moveIn();
    void vacate();
    void deleteHouse();

protected:
    BoundStatement listStatement() const override;
    void openWindow() override;
    // Every column whose field name contains "area" shows quantities.
    void applyDisplayFormats() override;

private:
    void runEditWindow(estate::HouseMode mode);
    void rewire(const QString &button, void (TfrmFCinfoGL::*action)());
    void onFieldItemChanged(int index);

    AreaTreeView *m_tree;
    QCheckBox *m_includeStopped;
    QButtonGroup *m_status;
};
