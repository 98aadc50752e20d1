#pragma once

#include <QObject>

class QCheckBox;
class QDialog;
class QKeyEvent;
class QLabel;
class QLayout;
class QPushButton;
class QVBoxLayout;
class RecordWindow;

// What every edit window has around its inputs: the heading "Panel1" above
// them and the row below them with "连续新增", the record navigator over
// the list's rows, "确定" and "取消". Ctrl+S presses "确定", Esc presses
// "取消" and Enter moves to the next input. A window without a list to walk
// (a creation window) gets only "确定" and "取消".
class EditWindowFrame : public QObject {
    Q_OBJECT
public:
    // Makes the parts as children of window; the navigator walks list.
    EditWindowFrame(QDialog *window, const QString &heading, RecordWindow *list = nullptr);

    // The window's layout: the heading, what addBody adds, the button row.
    void addBody(QWidget *body, int stretch = 0);
    void addBody(QLayout *body);

    // "连续新增" for adding rows, the navigator for changing them.
    void showRowParts(bool continuousAdd, bool navigator);
    // After a save: "连续新增" is offered and ticked, so the window stays
    // open for the next row.
    bool keepsAdding() const;

    QLabel *heading() const { return m_heading; }
    QCheckBox *continuousAdd() const { return m_continuous; }
    QWidget *navigator() const { return m_navigator; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

signals:
    // The navigator moved the list's cursor; the window shows the new row.
    void navigated();

private:
    bool handleKey(QKeyEvent *event);

    QDialog *m_window;
    QLabel *m_heading;
    QCheckBox *m_continuous = nullptr;
    QWidget *m_navigator = nullptr;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QVBoxLayout *m_layout;
    bool m_offersContinuous = false;
};
