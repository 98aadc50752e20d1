#pragma once

#include <QDialog>
#include <optional>

class AreaTreeView;
class GridView;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSqlQueryModel;

// The house picker "房屋信息选择": the windows that attach a household (parking,
// meter readings, prepayments, repairs) choose one sold or occupied house here.
// The caller creates it owned by itself, calls PickHouse once and destroys it.
class TDLGfcinfoCX : public QDialog {
    Q_OBJECT
public:
    explicit TDLGfcinfoCX(QWidget *owner = nullptr);

    // Shows the picker and returns the chosen house's F_ID, or callerValue
    // unchanged when the user cancels or confirms without a list.
    int PickHouse(int callerValue);

    // The steps of PickHouse, for callers and tests that drive the dialog themselves.
    void BuildTree();
    void RunQuery();
    int Result(int callerValue) const;

    bool isQueryOpen() const { return m_queryOpen; }

private:
    std::optional<int> currentHouse() const;

    QComboBox *m_area;
    QLineEdit *m_building;
    QLineEdit *m_room;
    QComboBox *m_propertyRight;
    QPushButton *m_query;
    AreaTreeView *m_tree;
    GridView *m_grid;
    QSqlQueryModel *m_houses;
    QPushButton *m_ok;
    QPushButton *m_close;
    bool m_queryOpen = false;
};
