#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>

class QComboBox;
class QPushButton;
class QTableWidget;

// The value list beside a list window's grid: a kind selector (cbbListType),
// a two-column list (vleList) whose first row "全部" stands for no condition
// and whose further rows are the distinct values of the chosen kind, and the
// button "刷新列表". The window fills it and asks it for the chosen value.
class ValueListPanel : public QWidget {
    Q_OBJECT
public:
    explicit ValueListPanel(const QStringList &kinds, QWidget *parent = nullptr);

    // The chosen kind, 0 for the first.
    int kind() const;
    // Replaces the rows: "全部" first (made current without a click), then
    // the values; runAfterAll runs between the two, as the windows refresh
    // their list there. The list is titled with the kind's title.
    void fill(const QStringList &values, const QString &title, const std::function<void()> &runAfterAll = {});
    // The chosen value; nothing for the "全部" row.
    std::optional<QString> selectedValue() const;
    QStringList values() const;
    // Chooses the row of a value (tests, a window keeping its choice).
    bool selectValue(const QString &value);

    QComboBox *kindSelector() const { return m_kinds; }
    QTableWidget *list() const { return m_list; }

signals:
    void kindChanged(int kind);
    void refreshClicked();
    // The user chose a row.
    void rowClicked();

private:
    QComboBox *m_kinds;
    QTableWidget *m_list;
    QPushButton *m_refresh;
    bool m_filling = false;
};
