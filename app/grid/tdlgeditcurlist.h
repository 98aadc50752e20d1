#pragma once

#include <QDialog>

class QLineEdit;

// "批量修改当前列": asks for one value to write into a column of the selected rows.
class TDLGeditCurList : public QDialog {
    Q_OBJECT
public:
    explicit TDLGeditCurList(QWidget *parent = nullptr);
    QString text() const;

private:
    QLineEdit *m_edit;
};

// The text entered, untrimmed; empty when cancelled (the caller then changes nothing).
QString AskColumnValue(const QString &fieldName, QWidget *parent = nullptr);
