#pragma once

#include <QString>
#include <QStyle>

class QToolButton;
class WindowToolBar;

// Adds a window's own buttons to a record-manager toolbar at the place its
// function wants them, between the standard ones.
class ToolbarPlacement {
public:
    // A new button placed right before the button named before.
    static QToolButton *insertBefore(WindowToolBar *bar, const QString &before, const QString &name,
                                     const QString &caption, QStyle::StandardPixmap icon = QStyle::SP_CustomBase);
};
