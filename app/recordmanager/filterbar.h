#pragma once

#include "app/recordmanager/windowdefs.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QToolButton;

// The filter bar of a list window: "查询类型：" chooses the field searched
// (ComboBox1), "查询内容：" takes the text (Edit1) or, for fields whose values
// come from a code list, a choice of that list (ComboBox2); SpeedButton1
// refreshes. Any change of the value asks the window to refresh its list.
// Choosing an item shows its value box and empties both, except a blank item
// (one without a column), which leaves them as they are.
class FilterBar : public QWidget {
    Q_OBJECT
public:
    explicit FilterBar(const QList<FilterDef> &items, QWidget *parent = nullptr);

    // The condition of the chosen item with the trimmed value; nothing when
    // no item is chosen.
    void appendCondition(ClauseBuilder &clause) const;

    QComboBox *fieldSelector() const { return m_field; }
    QLineEdit *textBox() const { return m_text; }
    QComboBox *valueList() const { return m_values; }
    // The value box in use, trimmed.
    QString value() const;

signals:
    void refreshRequested();

private:
    void onFieldChanged(int index);

    QList<FilterDef> m_items;
    QComboBox *m_field;
    QLineEdit *m_text;
    QComboBox *m_values;
    QToolButton *m_refresh;
};
