#pragma once

class QWidget;

// Places windows before they are shown.
//   mode 0: a large working window, centred on the screen;
//   mode 1: a dialog or small window, centred over the active window;
//   mode 2: the main window, maximised on the available screen.
class FormPlacement {
public:
    enum Mode { LargeWindow = 0, Dialog = 1, MainWindow = 2 };
    static void place(QWidget *window, int mode);
};

inline void DispFormPos(QWidget *window, int mode) { FormPlacement::place(window, mode); }
