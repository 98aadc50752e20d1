#pragma once

#include <QDoubleSpinBox>

// A number input that shows its value in a display format of the number
// notation ("0.##", "￥,0.00") and takes typed numbers with or without the
// currency sign and thousands separators.
class NumberEdit : public QDoubleSpinBox {
    Q_OBJECT
public:
    explicit NumberEdit(QWidget *parent = nullptr);

    void setDisplayFormat(const QString &format);
    QString displayFormat() const { return m_format; }

    QString textFromValue(double value) const override;
    double valueFromText(const QString &text) const override;
    QValidator::State validate(QString &input, int &pos) const override;

private:
    static QString plain(const QString &text);

    QString m_format;
};
