#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QKeyEvent;
class QWidget;

// Lets a window see every key pressed in it before the focused control does,
// as the record-manager windows need for their shortcuts. The handler returns
// true when it used the key; the key then goes no further.
class KeyPreview : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<bool(QKeyEvent *event)>;

    KeyPreview(QWidget *window, Handler handler);
    ~KeyPreview() override;

    // Enter as Tab: unless a multi-line text box has the focus, moves the
    // focus to the next control of the window. True when it did.
    static bool enterMovesFocus(QWidget *window, QKeyEvent *event);
    static bool isEnter(const QKeyEvent *event);
    // The next control of the window in tab order takes the focus.
    static void focusNext(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_window;
    Handler m_handler;
};
