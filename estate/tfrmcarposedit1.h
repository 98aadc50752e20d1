#pragma once

#include "estate/parkingrules.h"

#include <QDialog>

class EditWindowFrame;
class NumberEdit;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;
class TfrmCarPosGL;
class TickDateEdit;

// The sale window "销售、租赁车位管理": attaches a household (chosen with the
// house picker), the vehicle, the period, the property status and the amount
// charged to the list's current space. Mode 0 sells or rents, mode 1 changes;
// both write the space's existing row.
class TfrmCarPosEdit1 : public QDialog {
    Q_OBJECT
public:
    enum Mode { SaleMode = 0, ChangeMode = 1 };

    explicit TfrmCarPosEdit1(TfrmCarPosGL *list);

    int OpenInMode(int mode);
    void ApplyMode(int mode);
    // With true shows the current space with its household; with false only
    // the space's number and location, the rest empty.
    void LoadFields(bool fromRecord);
    // "确定": true when the space was written.
    bool save();
    // The house picker button: takes over the chosen household.
    void chooseHousehold();

    int mode() const { return m_mode; }
    int household() const { return m_sale.household; }

private:
    void display(const estate::ParkingSale &sale);
    estate::ParkingSale collect() const;

    TfrmCarPosGL *m_list;
    int m_mode = SaleMode;
    estate::ParkingSale m_sale;   // the hidden household id and building
    QLineEdit *m_code;
    QLineEdit *m_address;
    QLineEdit *m_room;
    QToolButton *m_find;
    QLineEdit *m_area;
    QLineEdit *m_owner;
    QLineEdit *m_carCode;
    QLineEdit *m_phone;
    QLineEdit *m_handPhone;
    TickDateEdit *m_from;
    TickDateEdit *m_to;
    QComboBox *m_status;
    NumberEdit *m_amount;
    QComboBox *m_employee;
    QCheckBox *m_outOfUse;
    QPlainTextEdit *m_memo;
    EditWindowFrame *m_frame;
};
