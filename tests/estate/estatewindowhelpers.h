#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

// Driving the estate windows' modal dialogs in tests.
namespace estatewindows {

// Runs work on the modal window with that object name once it shows;
// opened tells whether it did. A window still open afterwards is cancelled.
inline void whenOpens(const QString &objectName, bool *opened, const std::function<void(QDialog *)> &work)
{
    *opened = false;
    QTimer::singleShot(0, [objectName, opened, work] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || dialog->objectName() != objectName)
            return;
        *opened = true;
        work(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

template <typename T>
T *input(QWidget *window, const char *name)
{
    return window->findChild<T *>(QString::fromLatin1(name));
}

}  // namespace estatewindows
