#pragma once

#include <QString>
#include <QStringList>

class AppConfig;

// The rules of one opening of the login dialog, without its widgets: which
// operators are offered, the check of a name and password, the counter of
// wrong passwords (the fourth ends the attempt), the log rows of failed
// attempts and the taking over of a new operator.
class LoginRules {
public:
    enum Mode { StartUp = 0, ChangeOperator = 1 };

    // What the dialog does after "确定" or "取消".
    enum class Result {
        Stay,       // the dialog stays open
        LoggedIn,   // close with OK; the new operator is in place
        GiveUp,     // close with cancel; the previous operator stays
        EndProgram  // close; the program ends (start-up only)
    };

    struct Verdict {
        Result result = Result::Stay;
        QString message;        // shown by ShowMess when not empty
        int kind = 0;           // message kind
        bool focusName = false; // the name box takes the focus
    };

    // config (may be null) supplies the last operator and receives the new one.
    explicit LoginRules(int mode, AppConfig *config = nullptr);

    int mode() const { return m_mode; }
    int wrongPasswords() const { return m_wrongPasswords; }

    // The names offered: every operator with a name that is not disabled.
    static QStringList operatorNames();
    // The operator of the last successful login on this machine.
    QString lastOperator() const;

    // "确定" with the texts of the name and password boxes. On success the
    // operator is taken over (Session::logIn) and written to Config.ini.
    Verdict confirm(const QString &typedName, const QString &password);
    // "取消".
    Verdict cancel() const;

private:
    int m_mode;
    AppConfig *m_config;
    int m_wrongPasswords = 0;
};
