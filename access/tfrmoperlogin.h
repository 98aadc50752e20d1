#pragma once

#include "access/loginrules.h"

#include <QDialog>

class AppConfig;
class QComboBox;
class QLineEdit;
class QPushButton;

// The login dialog "登录窗口": asks for an operator and password at start-up
// (mode 0) and when the operator changes (mode 1). It closes only through its
// buttons; Alt+F4 and the window's close box do nothing.
class TfrmOperLogin : public QDialog {
    Q_OBJECT
public:
    explicit TfrmOperLogin(int mode, AppConfig *config = nullptr, QWidget *parent = nullptr);

    // Creates the dialog, shows it modally and destroys it. True when an
    // operator logged in; programEnded (optional) tells that the program must
    // end (start-up cancelled or failed).
    static bool ShowLogin(int mode, AppConfig *config, QWidget *parent, bool *programEnded = nullptr);

    const LoginRules &rules() const { return m_rules; }
    // True once the dialog closed in a way that ends the program.
    bool programEnded() const { return m_programEnded; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onOk();
    void onCancel();
    void follow(const LoginRules::Verdict &verdict);

    LoginRules m_rules;
    QComboBox *m_name = nullptr;
    QLineEdit *m_password = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    bool m_programEnded = false;
};
