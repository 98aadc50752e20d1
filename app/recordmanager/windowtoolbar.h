#pragma once

#include <QToolBar>

#include <functional>

class QMenu;
class QToolButton;

// The toolbar of the record-manager windows: buttons with caption and image,
// each named as the windows' rules and tests refer to it (tbNew, tbEdit ...).
class WindowToolBar : public QToolBar {
    Q_OBJECT
public:
    explicit WindowToolBar(QWidget *parent = nullptr);

    QToolButton *addButton(const QString &name, const QString &caption);
    // A button with a menu of entries; clicking the button runs the first entry.
    QToolButton *addMenuButton(const QString &name, const QString &caption, const QStringList &entries,
                               const std::function<void(int entry)> &run);
    QToolButton *button(const QString &name) const;
    // Clicks the button if it exists and is enabled; true when it did.
    bool clickIfEnabled(const QString &name);
    void setButtonEnabled(const QString &name, bool enabled);
};
