#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

// Which window each action of the main window opens, and how.
//
// A function registers its window once (see windowregistryentries.cpp):
//   registry.registerWindow("Action201", [](QWidget *owner) { return new TfrmXQinfoGL(owner); }, 1);
// Opening the action then creates the window with the main window as owner,
// places it with DispFormPos in the registered mode, shows it modally,
// destroys it when it closes and clears the reference to it. A function that
// has no window of its own (the database compaction, a window with its own
// show operation) registers a handler instead. An action with nothing
// registered says that the function is not available yet.
class WindowRegistry {
public:
    using Factory = std::function<QWidget *(QWidget *owner)>;
    using Handler = std::function<void(QWidget *owner)>;

    static const QString kNotAvailable;   // "此功能尚未提供。"

    WindowRegistry() = default;
    // The registry of the program, with every function window registered.
    static WindowRegistry &instance();

    void registerWindow(const QString &actionName, Factory factory, int placementMode);
    void registerHandler(const QString &actionName, Handler handler);

    bool isAvailable(const QString &actionName) const;
    // The actions with a registered window, in the order of registration.
    QStringList windowActions() const;
    int placementMode(const QString &actionName) const;

    // Runs the action: its handler, or its window shown modally.
    void open(const QString &actionName, QWidget *owner);
    // The window the action has open at the moment, or nullptr.
    QWidget *openWindow(const QString &actionName) const;

    // Creates the action's window without showing it (pictures of the windows).
    QWidget *createWindow(const QString &actionName, QWidget *owner) const;

    // Shows a window modally and returns when it has closed; a dialog runs its
    // own loop, any other widget is made an application-modal window.
    static void showModal(QWidget *window);

private:
    struct Entry {
        Factory factory;
        Handler handler;
        int placementMode = 1;
    };

    QHash<QString, Entry> m_entries;
    QStringList m_windowOrder;
    QHash<QString, QPointer<QWidget>> m_open;
};

// Registers every function window that exists; each function adds its line.
void registerFunctionWindows(WindowRegistry &registry);
