#pragma once

#include "app/report/reporttemplate.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFontComboBox;
class QLineEdit;
class QPlainTextEdit;

// The property panel of the report designer for one object: kind, text with
// a list of fields and variables to insert, position, size, font, alignment,
// frame, wrapping, stretching, number format and background.
class ReportItemEditor : public QWidget {
    Q_OBJECT
public:
    explicit ReportItemEditor(QWidget *parent = nullptr);

    void setItem(const ReportItem &item);
    ReportItem item() const { return m_item; }
    // Expressions offered for insertion, e.g. "[frxDBDataSet1.F_name]".
    void setExpressions(const QStringList &expressions);

signals:
    void itemChanged();

private:
    void readBack();
    void insertExpression();
    QDoubleSpinBox *millimetres(const QString &name, double max);

    ReportItem m_item;
    bool m_loading = false;
    QLineEdit *m_name;
    QComboBox *m_kind;
    QPlainTextEdit *m_text;
    QComboBox *m_expressions;
    QDoubleSpinBox *m_x;
    QDoubleSpinBox *m_y;
    QDoubleSpinBox *m_width;
    QDoubleSpinBox *m_height;
    QFontComboBox *m_font;
    QDoubleSpinBox *m_fontSize;
    QCheckBox *m_bold;
    QCheckBox *m_italic;
    QCheckBox *m_underline;
    QComboBox *m_hAlign;
    QComboBox *m_vAlign;
    QCheckBox *m_frameLeft;
    QCheckBox *m_frameTop;
    QCheckBox *m_frameRight;
    QCheckBox *m_frameBottom;
    QDoubleSpinBox *m_frameWidth;
    QCheckBox *m_wordWrap;
    QCheckBox *m_stretch;
    QLineEdit *m_format;
    QLineEdit *m_background;
};
