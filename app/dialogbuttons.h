#pragma once

class QDialog;
class QHBoxLayout;

// The row at the bottom right of a small dialog: "确定" (Button1) accepts
// and "取消" (Button2) rejects.
class DialogButtons {
public:
    enum OkDefault { OkIsDefault, NoDefault };

    // Makes both buttons as children of dialog and returns their row, for
    // the dialog to place below its contents.
    static QHBoxLayout *okCancel(QDialog *dialog, OkDefault okDefault = OkIsDefault);
};
