#pragma once

#include "app/recordmanager/formsave.h"
#include "app/recordmanager/recordwindow.h"

class RecordForm;

// The single-window variant: the inputs lie on a panel of the list window
// itself. Browsing, the panel is hidden and the toolbar offers new, change,
// delete, navigation, print and exit; editing, only "保存" and "取消" work.
// The hidden panel always holds the current row.
class SingleRecordWindow : public RecordWindow, protected FormSaveRules {
    Q_OBJECT
public:
    SingleRecordWindow(const RecordWindowDef &list, const EditWindowDef &form, QWidget *parent = nullptr);
    ~SingleRecordWindow() override;

    const EditWindowDef &formDefinition() const { return m_formDef; }
    RecordForm *form() const { return m_form; }

    // true: browse state; false: editing state.
    void SetBrowsing(bool browse);
    bool isBrowsing() const { return m_browsing; }
    // With true the panel shows the current row; with false it is emptied.
    void ShowValues(bool fromRow);
    // True while an existing row is being changed (false when adding).
    bool isChangingRow() const { return m_changing; }

    // The program's pictures (velmora --snapshot): the window in the editing
    // state of a new row. The caller owns the windows returned.
    Q_INVOKABLE QList<QWidget *> snapshotCompanions();

    void newRecord();
    void editRecord();
    void cancelEdit();
    bool saveRecord();
    void deleteRecord();

protected:
    // "select * from <table> " + ordering: every row, no area restriction
    // unless the description asks for it.
    virtual BoundStatement listStatement() const;
    // The question before a delete; true to go on.
    virtual bool confirmDelete();

    void openWindow() override;
    bool handleKey(QKeyEvent *event) override;
    void currentRecordChanged(int row) override;

private:
    EditWindowDef m_formDef;
    RecordForm *m_form;
    bool m_browsing = true;
    bool m_changing = false;
};
