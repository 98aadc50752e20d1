#pragma once

#include "app/recordmanager/formsave.h"
#include "app/recordmanager/windowdefs.h"

#include <QDialog>

class EditWindowFrame;
class RecordForm;
class RecordListWindow;

// The modal edit window of a list window: adds a row (mode 0) or changes the
// list's current row (mode 1). Its inputs are built from the description;
// "确定" saves through FormSave, "连续新增" keeps it open for the next new
// row, and the record navigator walks the list's rows in edit mode. A
// function's edit window overrides the FormSaveRules hooks for its own checks
// and dependent updates.
class RecordEditWindow : public QDialog, protected FormSaveRules {
    Q_OBJECT
public:
    enum Mode { NewMode = 0, EditMode = 1 };

    RecordEditWindow(const EditWindowDef &definition, RecordListWindow *list);
    ~RecordEditWindow() override;

    // Prepares the window for the mode and shows it modally; returns when it closes.
    int OpenInMode(int mode);
    // Stores the mode and sets caption, "连续新增" and the navigator.
    void ApplyMode(int mode);
    // With true shows the list's current row; with false empties the inputs
    // and proposes the next code. False when no code could be proposed.
    bool LoadFields(bool fromRecord);
    // "确定": true when the row was saved.
    bool save();

    int mode() const { return m_mode; }
    const EditWindowDef &definition() const { return m_def; }
    RecordForm *form() const { return m_form; }
    RecordListWindow *listWindow() const { return m_list; }

protected:
    // After LoadFields has filled the form (the window's own inputs).
    virtual void fieldsLoaded(bool fromRecord) { Q_UNUSED(fromRecord) }

private:
    EditWindowDef m_def;
    RecordListWindow *m_list;
    int m_mode = NewMode;
    RecordForm *m_form;
    EditWindowFrame *m_frame;
};
