#include "app/windowregistry.h"

#include "app/formplacement.h"
#include "app/messages.h"

#include <QDialog>
#include <QEvent>
#include <QEventLoop>

const QString WindowRegistry::kNotAvailable = QStringLiteral("此功能尚未提供。");

namespace {

// Ends a local event loop when the watched window is hidden or destroyed.
class CloseWatcher : public QObject {
public:
    CloseWatcher(QWidget *window, QEventLoop *loop) : m_loop(loop)
    {
        window->installEventFilter(this);
        connect(window, &QObject::destroyed, loop, &QEventLoop::quit);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Hide)
            m_loop->quit();
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop *m_loop;
};

}  // namespace

WindowRegistry &WindowRegistry::instance()
{
    static WindowRegistry *registry = [] {
        auto *r = new WindowRegistry;
        registerFunctionWindows(*r);
        return r;
    }();
    return *registry;
}

void WindowRegistry::registerWindow(const QString &actionName, Factory factory, int placementMode)
{
    Entry &entry = m_entries[actionName];
    entry.factory = std::move(factory);
    entry.handler = nullptr;
    entry.placementMode = placementMode;
    if (!m_windowOrder.contains(actionName))
        m_windowOrder.append(actionName);
}

void WindowRegistry::registerHandler(const QString &actionName, Handler handler)
{
    Entry &entry = m_entries[actionName];
    entry.handler = std::move(handler);
    entry.factory = nullptr;
    m_windowOrder.removeAll(actionName);
}

bool WindowRegistry::isAvailable(const QString &actionName) const
{
    const auto it = m_entries.constFind(actionName);
    return it != m_entries.cend() && (it->factory || it->handler);
}

QStringList WindowRegistry::windowActions() const
{
    return m_windowOrder;
}

int WindowRegistry::placementMode(const QString &actionName) const
{
    return m_entries.value(actionName).placementMode;
}

QWidget *WindowRegistry::createWindow(const QString &actionName, QWidget *owner) const
{
    const auto it = m_entries.constFind(actionName);
    if (it == m_entries.cend() || !it->factory)
        return nullptr;
    return it->factory(owner);
}

void WindowRegistry::open(const QString &actionName, QWidget *owner)
{
    const auto it = m_entries.constFind(actionName);
    if (it == m_entries.cend() || (!it->factory && !it->handler)) {
        ShowMess(kNotAvailable, MessInformation);
        return;
    }
    if (it->handler) {
        const Handler handler = it->handler;
        handler(owner);
        return;
    }
    // One function at a time: the window of this action is already open.
    if (m_open.value(actionName))
        return;
    const int mode = it->placementMode;
    QWidget *window = it->factory(owner);
    if (!window)
        return;
    QPointer<QWidget> guard(window);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    m_open.insert(actionName, guard);
    DispFormPos(window, mode);
    showModal(window);
    m_open.remove(actionName);
    delete guard.data();
}

QWidget *WindowRegistry::openWindow(const QString &actionName) const
{
    return m_open.value(actionName).data();
}

void WindowRegistry::showModal(QWidget *window)
{
    if (auto *dialog = qobject_cast<QDialog *>(window)) {
        dialog->exec();
        return;
    }
    if (!window->isWindow())
        window->setWindowFlag(Qt::Window, true);
    window->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    CloseWatcher watcher(window, &loop);
    window->show();
    if (window->isVisible())
        loop.exec(QEventLoop::DialogExec);
}
