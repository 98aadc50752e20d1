#pragma once

#include <QDialog>

class EditWindowFrame;
class NumberEdit;
class QLineEdit;
class QPlainTextEdit;
class TfrmCarPosGL;

// The creation window "车位档案 - 新增": registers a new parking space with its
// number, location and asking prices, free of any household.
class TfrmCarPosEdit : public QDialog {
    Q_OBJECT
public:
    explicit TfrmCarPosEdit(TfrmCarPosGL *list);

    // "确定": true when the space was registered.
    bool save();

private:
    TfrmCarPosGL *m_list;
    QLineEdit *m_code;
    NumberEdit *m_salePrice;
    QLineEdit *m_address;
    NumberEdit *m_rentPrice;
    QPlainTextEdit *m_memo;
    EditWindowFrame *m_frame;
};
