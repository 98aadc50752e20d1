#pragma once

#include "estate/housemodes.h"

#include <QDate>
#include <QDialog>
#include <QVariantMap>

class EditWindowFrame;
class QComboBox;
class QTabWidget;
class RecordForm;
class TfrmFCinfoGL;
class TickDateEdit;

// The house edit window "房产住户档案": the house group, the contract and
// owner page and the resident page, opened in one of five modes (new,
// change, copy, sale, move-in). Sale and move-in lock what the step must not
// change and propose the status the step gives the house.
class TfrmFCinfoEdit : public QDialog {
    Q_OBJECT
public:
    explicit TfrmFCinfoEdit(TfrmFCinfoGL *list);
    ~TfrmFCinfoEdit() override;

    // Prepares the window for the mode and shows it modally.
    int OpenInMode(estate::HouseMode mode);
    // The preparation alone (tests, pictures).
    void PrepareMode(estate::HouseMode mode);
    // With true shows the house list's current row; with false empties every input.
    void LoadFields(bool fromRecord);
    // "确定": true when the house was saved.
    bool save();

    estate::HouseMode mode() const { return m_mode; }
    // The values a save would pass to the house rules.
    QVariantMap values() const;

private:
    void lockInputs();

    TfrmFCinfoGL *m_list;
    estate::HouseMode m_mode = estate::HouseMode::New;
    RecordForm *m_house;
    RecordForm *m_contract;
    RecordForm *m_resident;
    QComboBox *m_sex;
    TickDateEdit *m_moveIn;
    QTabWidget *m_pages;
    EditWindowFrame *m_frame;
    bool m_contractDateWasNone = false;
    bool m_contractDateTouched = false;
};
