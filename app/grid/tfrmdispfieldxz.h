#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

class GridView;
class QListWidget;

// "字段列表": the user ticks which columns of a grid are shown. Titles are
// listed in grid order; nothing is saved here ("保存当前设置" does that).
class TFrmDispFieldXZ : public QDialog {
    Q_OBJECT
public:
    TFrmDispFieldXZ(const QStringList &captions, const QList<bool> &visible, QWidget *parent = nullptr);

    QList<bool> ticks() const;
    void setTick(int item, bool ticked);

private:
    QListWidget *m_list;
};

// Shows the dialog for the grid; "确定" applies the ticks as the columns'
// visibility, "取消" changes nothing. Returns true when confirmed.
bool ChooseColumns(GridView *grid);
