#include "app/recordmanager/keypreview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

KeyPreview::KeyPreview(QWidget *window, Handler handler)
    : QObject(window), m_window(window), m_handler(std::move(handler))
{
    qApp->installEventFilter(this);
}

KeyPreview::~KeyPreview()
{
    qApp->removeEventFilter(this);
}

bool KeyPreview::isEnter(const QKeyEvent *event)
{
    return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
           && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier));
}

bool KeyPreview::enterMovesFocus(QWidget *window, QKeyEvent *event)
{
    if (!isEnter(event))
        return false;
    QWidget *focus = window->focusWidget();
    if (qobject_cast<QPlainTextEdit *>(focus) || qobject_cast<QTextEdit *>(focus))
        return false;
    focusNext(window);
    return true;
}

void KeyPreview::focusNext(QWidget *window)
{
    QWidget *start = window->focusWidget() ? window->focusWidget() : window;
    QWidget *w = start;
    for (;;) {
        w = w->nextInFocusChain();
        if (!w || w == start)
            return;
        if (w->window() == window && w != window && w->isVisible() && w->isEnabled() && !w->focusProxy()
            && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

bool KeyPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !m_window || !watched->isWidgetType())
        return false;
    // A key the focused control does not take travels up to its parents and
    // passes here again. Handlers use up every key they act on, so no key is
    // acted on twice.
    if (static_cast<QWidget *>(watched)->window() != m_window)
        return false;
    return m_handler(static_cast<QKeyEvent *>(event));
}
