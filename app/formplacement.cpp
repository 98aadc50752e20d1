#include "app/formplacement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

QRect availableArea(const QWidget *near)
{
    QScreen *screen = near && near->screen() ? near->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

void centreIn(QWidget *window, const QRect &area)
{
    QRect frame(QPoint(0, 0), window->size());
    frame.moveCenter(area.center());
    // Keep the title bar reachable on a small screen.
    frame.moveTop(qMax(frame.top(), area.top()));
    frame.moveLeft(qMax(frame.left(), area.left()));
    window->move(frame.topLeft());
}

}  // namespace

void FormPlacement::place(QWidget *window, int mode)
{
    if (!window)
        return;
    switch (mode) {
    case MainWindow: {
        const QRect area = availableArea(window);
        window->resize(area.size() * 0.9);
        centreIn(window, area);
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
        break;
    }
    case Dialog: {
        QWidget *over = QApplication::activeWindow();
        if (over == window || (over && !over->isVisible()))
            over = nullptr;
        if (!over && window->parentWidget())
            over = window->parentWidget()->window();
        if (!window->testAttribute(Qt::WA_Resized))
            window->adjustSize();
        if (over)
            centreIn(window, over->frameGeometry());
        else
            centreIn(window, availableArea(window));
        break;
    }
    default: {
        const QRect area = availableArea(window);
        // A working window takes most of the screen, but never less than it asks for.
        const QSize large = (area.size() * 0.85).expandedTo(window->minimumSizeHint()).boundedTo(area.size());
        window->resize(large.expandedTo(window->size()).boundedTo(area.size()));
        centreIn(window, area);
        break;
    }
    }
}
