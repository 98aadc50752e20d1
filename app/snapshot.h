#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

class QWidget;

// Pictures of the program's windows, made without a display:
//   velmora --snapshot DIR [--config PATH]
// logs in as "admin" with the configured database and writes the login
// dialog, the main window with its desktop and every function window that
// exists to DIR/<window class>.png. Messages that would need an answer are
// printed instead and answered "no".
class Snapshot {
public:
    // The folder after --snapshot (or --snapshot=DIR); empty when the option
    // is not given. requested is true when the option is there at all.
    static QString folderArgument(const QStringList &arguments, bool *requested = nullptr);
    static QString folderArgument(int argc, char **argv, bool *requested = nullptr);

    // Runs the picture mode; the exit code of the program.
    static int run(const QString &folder, const QString &configPath);

    // A font that shows the program's Chinese texts, preferring WenQuanYi Zen Hei.
    static QFont chooseFont();
    // Lays the window out, renders it and writes folder/<name>.png.
    static bool save(QWidget *window, const QString &folder, const QString &name, QString *error = nullptr);
    // The name of a window's picture: its object name, else its class name.
    static QString pictureName(const QWidget *window);
};
