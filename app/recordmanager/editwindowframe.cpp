#include "app/recordmanager/editwindowframe.h"

#include "app/recordmanager/keypreview.h"
#include "app/recordmanager/recordwindow.h"

#include <QCheckBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

EditWindowFrame::EditWindowFrame(QDialog *window, const QString &heading, RecordWindow *list)
    : QObject(window), m_window(window), m_heading(new QLabel(heading, window))
{
    m_heading->setObjectName(QStringLiteral("Panel1"));
    QFont headingFont = m_heading->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    headingFont.setBold(true);
    m_heading->setFont(headingFont);
    m_heading->setAlignment(Qt::AlignCenter);
    m_heading->setMinimumHeight(36);

    auto *buttons = new QHBoxLayout;
    // Created in this order so that the tab order runs from the window's
    // inputs (made before the frame) to "确定" and "取消".
    if (list) {
        m_continuous = new QCheckBox(QStringLiteral("连续新增"), window);
        m_continuous->setObjectName(QStringLiteral("CheckBox1"));
        m_continuous->setChecked(true);
        m_continuous->setFocusPolicy(Qt::ClickFocus);
        m_offersContinuous = true;

        m_navigator = new QWidget(window);
        m_navigator->setObjectName(QStringLiteral("DBNavigator1"));
        auto *nav = new QHBoxLayout(m_navigator);
        nav->setContentsMargins(0, 0, 0, 0);
        const struct {
            const char *name;
            const char *text;
            void (RecordWindow::*move)();
        } steps[] = {{"nbFirst", "|<", &RecordWindow::moveFirst},
                     {"nbPrior", "<", &RecordWindow::movePrior},
                     {"nbNext", ">", &RecordWindow::moveNext},
                     {"nbLast", ">|", &RecordWindow::moveLast}};
        for (const auto &s : steps) {
            auto *b = new QToolButton(m_navigator);
            b->setObjectName(QString::fromLatin1(s.name));
            b->setText(QString::fromLatin1(s.text));
            b->setFocusPolicy(Qt::NoFocus);
            const auto move = s.move;
            connect(b, &QToolButton::clicked, this, [this, list, move] {
                (list->*move)();
                emit navigated();
            });
            nav->addWidget(b);
        }
        buttons->addWidget(m_continuous);
        buttons->addWidget(m_navigator);
    }
    m_ok = new QPushButton(QStringLiteral("确定"), window);
    m_cancel = new QPushButton(QStringLiteral("取消"), window);
    m_ok->setObjectName(QStringLiteral("Button1"));
    m_cancel->setObjectName(QStringLiteral("Button2"));
    m_ok->setAutoDefault(false);
    m_cancel->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    m_layout = new QVBoxLayout(window);
    m_layout->addWidget(m_heading);
    m_layout->addLayout(buttons);

    connect(m_cancel, &QPushButton::clicked, window, &QDialog::reject);
    new KeyPreview(window, [this](QKeyEvent *event) { return handleKey(event); });
}

void EditWindowFrame::addBody(QWidget *body, int stretch)
{
    m_layout->insertWidget(m_layout->count() - 1, body, stretch);
}

void EditWindowFrame::addBody(QLayout *body)
{
    m_layout->insertLayout(m_layout->count() - 1, body);
}

void EditWindowFrame::showRowParts(bool continuousAdd, bool navigator)
{
    m_offersContinuous = continuousAdd && m_continuous;
    if (m_continuous)
        m_continuous->setVisible(continuousAdd);
    if (m_navigator)
        m_navigator->setVisible(navigator);
}

bool EditWindowFrame::keepsAdding() const
{
    return m_offersContinuous && m_continuous->isChecked();
}

bool EditWindowFrame::handleKey(QKeyEvent *event)
{
    if (event->key() == Qt::Key_S && event->modifiers() == Qt::ControlModifier) {
        if (m_ok->isEnabled())
            m_ok->click();
        return true;
    }
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (m_cancel->isEnabled())
            m_cancel->click();
        return true;
    }
    return KeyPreview::enterMovesFocus(m_window, event);
}
