#include "app/recordmanager/windowtoolbar.h"

#include <QAction>
#include <QMenu>
#include <QStyle>
#include <QToolButton>

namespace {

QIcon iconFor(const QString &name, const QStyle *style)
{
    const QString n = name.toLower();
    QStyle::StandardPixmap p = QStyle::SP_CustomBase;
    if (n == QLatin1String("tbnew"))
        p = QStyle::SP_FileIcon;
    else if (n == QLatin1String("tbedit"))
        p = QStyle::SP_FileDialogDetailedView;
    else if (n == QLatin1String("tbdel"))
        p = QStyle::SP_TrashIcon;
    else if (n == QLatin1String("tbfirst"))
        p = QStyle::SP_MediaSkipBackward;
    else if (n == QLatin1String("tbprior"))
        p = QStyle::SP_MediaSeekBackward;
    else if (n == QLatin1String("tbnext"))
        p = QStyle::SP_MediaSeekForward;
    else if (n == QLatin1String("tblast"))
        p = QStyle::SP_MediaSkipForward;
    else if (n == QLatin1String("tbsave"))
        p = QStyle::SP_DialogSaveButton;
    else if (n == QLatin1String("tbcancel"))
        p = QStyle::SP_DialogCancelButton;
    else if (n == QLatin1String("tbprint"))
        p = QStyle::SP_FileDialogContentsView;
    else if (n == QLatin1String("tbset"))
        p = QStyle::SP_FileDialogInfoView;
    else if (n == QLatin1String("tbexport") || n == QLatin1String("tbexpert"))
        p = QStyle::SP_DialogSaveButton;
    else if (n == QLatin1String("tbquery"))
        p = QStyle::SP_BrowserReload;
    else if (n == QLatin1String("tbexit"))
        p = QStyle::SP_DialogCloseButton;
    return p == QStyle::SP_CustomBase ? QIcon() : style->standardIcon(p);
}

}  // namespace

WindowToolBar::WindowToolBar(QWidget *parent) : QToolBar(parent)
{
    setObjectName(QStringLiteral("ToolBar1"));
    setMovable(false);
    setFloatable(false);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setFocusPolicy(Qt::NoFocus);
}

QToolButton *WindowToolBar::addButton(const QString &name, const QString &caption)
{
    auto *button = new QToolButton(this);
    button->setObjectName(name);
    button->setText(caption);
    button->setIcon(iconFor(name, style()));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRaise(true);
    addWidget(button);
    return button;
}

QToolButton *WindowToolBar::addMenuButton(const QString &name, const QString &caption, const QStringList &entries,
                                          const std::function<void(int entry)> &run)
{
    QToolButton *button = addButton(name, caption);
    if (entries.size() > 1) {
        auto *menu = new QMenu(button);
        for (int i = 0; i < entries.size(); ++i) {
            QAction *a = menu->addAction(entries.at(i));
            a->setObjectName(name + QStringLiteral("Item") + QString::number(i + 1));
            connect(a, &QAction::triggered, button, [run, i] { run(i); });
        }
        button->setMenu(menu);
        button->setPopupMode(QToolButton::MenuButtonPopup);
    }
    connect(button, &QToolButton::clicked, button, [run] { run(0); });
    return button;
}

QToolButton *WindowToolBar::button(const QString &name) const
{
    return findChild<QToolButton *>(name, Qt::FindDirectChildrenOnly);
}

bool WindowToolBar::clickIfEnabled(const QString &name)
{
    QToolButton *b = button(name);
    if (!b || !b->isEnabled())
        return false;
    b->click();
    return true;
}

void WindowToolBar::setButtonEnabled(const QString &name, bool enabled)
{
    if (QToolButton *b = button(name))
        b->setEnabled(enabled);
}
