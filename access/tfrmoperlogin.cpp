#include "access/tfrmoperlogin.h"

#include "app/messages.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TfrmOperLogin::TfrmOperLogin(int mode, AppConfig *config, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_rules(mode, config)
{
    setObjectName(QStringLiteral("TfrmOperLogin"));
    setWindowTitle(QStringLiteral("登录窗口"));
    setModal(true);

    auto *banner = new QLabel(QStringLiteral("Korrin物业管理软件"), this);
    banner->setObjectName(QStringLiteral("lblBanner"));
    banner->setAlignment(Qt::AlignCenter);
    banner->setMinimumHeight(64);
    banner->setStyleSheet(QStringLiteral("QLabel { background: #2f6ea5; color: white; font-size: 20px;"
                                         " font-weight: bold; }"));

    auto *hint = new QLabel(QStringLiteral("请输入正确的操作员编号及密码，系统超级用户“admin”，系统初始密码为空："), this);
    hint->setObjectName(QStringLiteral("lblHint"));
    hint->setWordWrap(true);

    m_name = new QComboBox(this);
    m_name->setObjectName(QStringLiteral("cbbOperName"));
    m_name->setEditable(true);
    m_name->setInsertPolicy(QComboBox::NoInsert);
    m_name->addItems(LoginRules::operatorNames());
    m_name->setEditText(m_rules.lastOperator());

    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("edtPassWord"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("姓  名："), m_name);
    form->addRow(QStringLiteral("密  码："), m_password);

    m_ok = new QPushButton(QStringLiteral("确定"), this);
    m_ok->setObjectName(QStringLiteral("btnOk"));
    m_cancel = new QPushButton(QStringLiteral("取消"), this);
    m_cancel->setObjectName(QStringLiteral("btnCancel"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &TfrmOperLogin::onOk);
    connect(m_cancel, &QPushButton::clicked, this, &TfrmOperLogin::onCancel);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(16, 12, 16, 12);
    body->addWidget(hint);
    body->addLayout(form);
    body->addLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(banner);
    layout->addLayout(body);

    // Enter in the name or password box moves on to the next control.
    m_name->installEventFilter(this);
    if (m_name->lineEdit())
        m_name->lineEdit()->installEventFilter(this);
    m_password->installEventFilter(this);

    setMinimumWidth(380);
    adjustSize();
    if (QScreen *screen = this->screen()) {
        QRect frame(QPoint(0, 0), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    m_password->setFocus();
    if (m_name->currentText().trimmed().isEmpty())
        m_name->setFocus();
}

bool TfrmOperLogin::ShowLogin(int mode, AppConfig *config, QWidget *parent, bool *programEnded)
{
    TfrmOperLogin dialog(mode, config, parent);
    const bool loggedIn = dialog.exec() == QDialog::Accepted;
    if (programEnded)
        *programEnded = dialog.programEnded();
    return loggedIn;
}

void TfrmOperLogin::onOk()
{
    follow(m_rules.confirm(m_name->currentText(), m_password->text()));
}

void TfrmOperLogin::onCancel()
{
    follow(m_rules.cancel());
}

void TfrmOperLogin::follow(const LoginRules::Verdict &verdict)
{
    if (!verdict.message.isEmpty())
        ShowMess(verdict.message, verdict.kind);
    switch (verdict.result) {
    case LoginRules::Result::Stay:
        if (verdict.focusName)
            m_name->setFocus();
        break;
    case LoginRules::Result::LoggedIn:
        accept();
        break;
    case LoginRules::Result::GiveUp:
        reject();
        break;
    case LoginRules::Result::EndProgram:
        m_programEnded = true;
        reject();
        break;
    }
}

void TfrmOperLogin::closeEvent(QCloseEvent *event)
{
    // Alt+F4 and the close box: the dialog closes only through its buttons.
    event->ignore();
}

void TfrmOperLogin::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        onCancel();
        return;
    }
    if (event->key() == Qt::Key_F4 && (event->modifiers() & Qt::AltModifier))
        return;
    QDialog::keyPressEvent(event);
}

bool TfrmOperLogin::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (watched == m_password)
                m_ok->setFocus();
            else
                m_password->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
