#include "app/mainwindow.h"

#include "access/permissioncatalog.h"
#include "access/session.h"
#include "access/tfrmoperlogin.h"
#include "app/appconfig.h"
#include "app/datamodule.h"
#include "app/desktop.h"
#include "app/formplacement.h"
#include "app/messages.h"
#include "app/recordmanager/statuspanels.h"
#include "app/tools.h"
#include "app/toolsaboutinfo.h"
#include "app/windowregistry.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateEdit>
#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>

const QString TFrmMain::kCaption = QStringLiteral("Korrin物业管理软件 ") + QStringLiteral("v2.25(网络版) ");
const QString TFrmMain::kExitQuestion =
    QStringLiteral("真的要退出“") + QStringLiteral("Korrin物业管理软件 ") + QStringLiteral("”软件吗？");

namespace {

const QString kClockFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
const QString kDateFormat = QStringLiteral("yyyy-MM-dd");

QColor groupColour(const QString &group)
{
    static const QHash<QString, QColor> colours{
        {QStringLiteral("mi100"), QColor(0x6d, 0x5b, 0xa8)}, {QStringLiteral("mi200"), QColor(0x2f, 0x8f, 0x6e)},
        {QStringLiteral("mi300"), QColor(0x2f, 0x6e, 0xa5)}, {QStringLiteral("mi400"), QColor(0xc0, 0x7a, 0x22)},
        {QStringLiteral("mi500"), QColor(0xb0, 0x3a, 0x3a)}};
    return colours.value(group, QColor(0x55, 0x55, 0x55));
}

// The picture of an action: a tile in the colour of its group with the first
// character of its caption.
QIcon actionIcon(const ActionInfo &info)
{
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(4, 4, 56, 56), 12, 12);
    painter.fillPath(tile, groupColour(info.group));
    QFont font = painter.font();
    font.setPixelSize(30);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(4, 4, 56, 56), Qt::AlignCenter, info.caption.left(1));
    return QIcon(pixmap);
}

// Dates inside the program read and show as yyyy-MM-dd, whatever the
// system's regional settings say; the system itself is left alone. Date
// inputs that kept the locale's format get the program's.
class DateFormatPolicy : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Polish) {
            auto *edit = qobject_cast<QDateEdit *>(watched);
            if (edit && edit->displayFormat() == edit->locale().dateFormat(QLocale::ShortFormat))
                edit->setDisplayFormat(kDateFormat);
        }
        return QObject::eventFilter(watched, event);
    }
};

void installDateFormat()
{
    static DateFormatPolicy *policy = nullptr;
    if (policy || !qApp)
        return;
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    policy = new DateFormatPolicy(qApp);
    qApp->installEventFilter(policy);
}

}  // namespace

TFrmMain::TFrmMain(AppConfig *config, WindowRegistry *registry, QWidget *parent)
    : QMainWindow(parent),
      m_config(config),
      m_registry(registry ? registry : &WindowRegistry::instance()),
      m_today([] { return QDate::currentDate(); })
{
    setObjectName(QStringLiteral("TFrmMain"));
    setWindowTitle(QApplication::applicationDisplayName());

    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("MdiArea"));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);

    createActions();
    createMenus();
    createStatusBar();
    DispFormPos(this, FormPlacement::MainWindow);
}

TFrmMain::~TFrmMain() = default;

// --- construction -----------------------------------------------------------

void TFrmMain::createActions()
{
    auto *list = new QObject(this);
    list->setObjectName(QStringLiteral("ActionList1"));
    for (const ActionInfo &info : PermissionCatalog::actions()) {
        auto *action = new QAction(actionIcon(info), info.caption, this);
        action->setObjectName(info.actionName());
        const ActionGroup *group = PermissionCatalog::groupOf(info.code);
        action->setProperty("category", group ? group->caption : QString());
        action->setProperty("permissionCode", info.code);
        const QString name = info.actionName();
        connect(action, &QAction::triggered, this, [this, name] { m_registry->open(name, this); });
        m_actions.insert(info.code, action);
    }
}

QMenu *TFrmMain::addGroupMenu(const QString &name, const QString &caption)
{
    QMenu *menu = menuBar()->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    m_menus.insert(name, menu);
    return menu;
}

// A menu item shows its action's caption unless the menu gives it a label of
// its own; then the item is a second action that follows the first.
void TFrmMain::addItem(QMenu *menu, const QString &code)
{
    const ActionInfo *info = PermissionCatalog::byCode(code);
    QAction *action = m_actions.value(code);
    if (!info || !action)
        return;
    if (info->menuLabel.isEmpty()) {
        menu->addAction(action);
        return;
    }
    auto *item = new QAction(action->icon(), info->menuLabel, menu);
    item->setObjectName(QStringLiteral("mi") + info->actionName());
    item->setVisible(action->isVisible());
    connect(item, &QAction::triggered, action, &QAction::trigger);
    connect(action, &QAction::changed, item, [item, action] {
        item->setVisible(action->isVisible());
        item->setEnabled(action->isEnabled());
    });
    menu->addAction(item);
}

QAction *TFrmMain::addCommand(QMenu *menu, const QString &name, const QString &text)
{
    QAction *command = menu->addAction(text);
    command->setObjectName(name);
    return command;
}

void TFrmMain::createMenus()
{
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    auto items = [this](QMenu *menu, std::initializer_list<const char *> codes) {
        for (const char *code : codes) {
            if (qstrcmp(code, "-") == 0)
                menu->addSeparator();
            else
                addItem(menu, QString::fromLatin1(code));
        }
    };

    QMenu *system = addGroupMenu(QStringLiteral("mi100"), QStringLiteral("系统管理"));
    items(system, {"101", "102", "103", "108", "-", "104", "105", "107", "106", "-"});
    connect(addCommand(system, QStringLiteral("N43"), QStringLiteral("重新登录")), &QAction::triggered, this,
            [this] { ShowLogin(LoginRules::ChangeOperator); });
    connect(addCommand(system, QStringLiteral("N5"), QStringLiteral("退出系统")), &QAction::triggered, this,
            &QWidget::close);

    items(addGroupMenu(QStringLiteral("mi200"), QStringLiteral("基本资料")),
          {"201", "203", "-", "204", "205", "206", "-", "207", "208", "209"});
    items(addGroupMenu(QStringLiteral("mi300"), QStringLiteral("日常管理")),
          {"301", "303", "309", "304", "305", "306", "307", "308"});
    items(addGroupMenu(QStringLiteral("mi400"), QStringLiteral("信息查询")), {"401", "402", "403", "404"});
    items(addGroupMenu(QStringLiteral("mi500"), QStringLiteral("报表中心")),
          {"501", "502", "503", "504", "505", "506"});

    m_windowMenu = addGroupMenu(QStringLiteral("vWindows"), QStringLiteral("窗体"));
    connect(addCommand(m_windowMenu, QStringLiteral("vw1"), QStringLiteral("重叠")), &QAction::triggered, m_mdi,
            &QMdiArea::cascadeSubWindows);
    connect(addCommand(m_windowMenu, QStringLiteral("vw2"), QStringLiteral("横向重排")), &QAction::triggered, this,
            [this] { tile(Qt::Horizontal); });
    connect(addCommand(m_windowMenu, QStringLiteral("vw3"), QStringLiteral("纵向重排")), &QAction::triggered, this,
            [this] { tile(Qt::Vertical); });
    m_windowMenu->addSeparator();
    connect(addCommand(m_windowMenu, QStringLiteral("vw4"), QStringLiteral("切换")), &QAction::triggered, m_mdi,
            &QMdiArea::activateNextSubWindow);
    connect(addCommand(m_windowMenu, QStringLiteral("vw5"), QStringLiteral("关闭")), &QAction::triggered, m_mdi,
            &QMdiArea::closeActiveSubWindow);
    connect(addCommand(m_windowMenu, QStringLiteral("vw6"), QStringLiteral("全部关闭")), &QAction::triggered, this,
            &TFrmMain::closeAllChildren);
    m_windowMenuFixed = m_windowMenu->actions();
    connect(m_windowMenu, &QMenu::aboutToShow, this, &TFrmMain::fillWindowMenu);

    QMenu *tools = addGroupMenu(QStringLiteral("nFz"), QStringLiteral("辅助"));
    connect(addCommand(tools, QStringLiteral("N24"), QStringLiteral("计算器")), &QAction::triggered, this,
            [] { DesktopTools::startCalculator(); });
    connect(addCommand(tools, QStringLiteral("N25"), QStringLiteral("笔记本")), &QAction::triggered, this,
            [] { DesktopTools::startTextEditor(); });
    tools->addSeparator();
    connect(addCommand(tools, QStringLiteral("N8"), QStringLiteral("帮助文件")), &QAction::triggered, this,
            [] { DesktopTools::openHelp(QCoreApplication::applicationDirPath()); });
    connect(addCommand(tools, QStringLiteral("N7"), QStringLiteral("关于我们")), &QAction::triggered, this, [this] {
        TfrmAboutInfo about(this);
        DispFormPos(&about, FormPlacement::Dialog);
        about.exec();
    });
    connect(addCommand(tools, QStringLiteral("N27"), QStringLiteral("访问我们的网站")), &QAction::triggered, this,
            [] { DesktopTools::openWebSite(); });

    QAction *navigation = menuBar()->addAction(QStringLiteral("导航图"));
    navigation->setObjectName(QStringLiteral("N41"));
    connect(navigation, &QAction::triggered, this, &TFrmMain::ShowDesktop);
}

void TFrmMain::createStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    const QStringList texts{QStringLiteral(" 当前用户"), QString(), QStringLiteral(" 当前日期时间"), QString(),
                            StatusPanels::companyLabel() + QStringLiteral("  技术支持：support@korrin-soft.example")};
    const QList<int> widths{72, 120, 96, 160, 0};
    for (int i = 0; i < texts.size(); ++i) {
        auto *panel = new QLabel(texts.at(i), bar);
        panel->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i + 1));
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        if (widths.at(i) > 0) {
            panel->setMinimumWidth(widths.at(i));
            bar->addWidget(panel);
        } else {
            bar->addWidget(panel, 1);
        }
        m_panels.append(panel);
    }
    m_clock = new QTimer(this);
    m_clock->setObjectName(QStringLiteral("Timer1"));
    m_clock->setInterval(1000);
    connect(m_clock, &QTimer::timeout, this, &TFrmMain::tick);
    m_clock->start();
}

// --- access -----------------------------------------------------------------

QMenu *TFrmMain::menu(const QString &name) const
{
    return m_menus.value(name);
}

TFrmBtnImage *TFrmMain::desktop() const
{
    return m_desktop ? qobject_cast<TFrmBtnImage *>(m_desktop->widget()) : nullptr;
}

QLabel *TFrmMain::statusPanel(int number) const
{
    return number >= 1 && number <= m_panels.size() ? m_panels.at(number - 1) : nullptr;
}

// --- login and permissions --------------------------------------------------

bool TFrmMain::ShowLogin(int mode, bool *programEnded)
{
    const bool loggedIn = TfrmOperLogin::ShowLogin(mode, m_config, this, programEnded);
    if (loggedIn) {
        SetLimits();
        showOperator();
    }
    return loggedIn;
}

void TFrmMain::SetLimits()
{
    const Session &session = Session::current();
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it)
        it.value()->setVisible(session.isAdmin() || session.isPermitted(it.key()));
    for (const ActionGroup &group : PermissionCatalog::groups()) {
        bool anyVisible = false;
        for (const QString &code : group.codes)
            anyVisible = anyVisible || m_actions.value(code)->isVisible();
        if (QMenu *groupMenu = m_menus.value(group.name))
            groupMenu->menuAction()->setVisible(anyVisible);
    }
}

void TFrmMain::showOperator()
{
    m_panels.at(1)->setText(QLatin1Char(' ') + Session::current().currentOperator());
    tick();
}

void TFrmMain::tick()
{
    m_panels.at(3)->setText(QLatin1Char(' ') + QDateTime::currentDateTime().toString(kClockFormat));
}

// --- showing and closing ----------------------------------------------------

bool TFrmMain::isBackupDay(int mode, const QDate &day)
{
    switch (mode) {
    case 1:
        return true;
    case 2:
        return day.dayOfWeek() == Qt::Monday;
    case 3:
        return day.day() == 1;
    default:
        return false;
    }
}

void TFrmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        // After the window is on screen, so that a backup question has a parent.
        QTimer::singleShot(0, this, &TFrmMain::firstShowing);
    }
}

void TFrmMain::firstShowing()
{
    installDateFormat();
    setWindowTitle(kCaption);
    ShowDesktop();
    showOperator();

    TdmData &data = dmData();
    const int mode = m_config ? m_config->autoBackupMode() : 0;
    data.SetAutoBackupMode(mode);
    const QDate today = m_today();
    if (m_autoBackupEnabled && isBackupDay(mode, today))
        data.RunAutoBackup(today);
    data.BuildDisplayFormats();
}

void TFrmMain::closeEvent(QCloseEvent *event)
{
    if (m_confirmExit && ShowMess(kExitQuestion, MessQuestion) != AnswerYes) {
        event->ignore();
        return;
    }
    m_clock->stop();
    event->accept();
}

// --- desktop and window menu ------------------------------------------------

void TFrmMain::ShowDesktop()
{
    if (m_desktop) {
        if (m_desktop->isMinimized())
            m_desktop->showNormal();
        else
            m_desktop->show();
        m_mdi->setActiveSubWindow(m_desktop);
        m_desktop->raise();
        m_desktop->setFocus();
        return;
    }
    auto *desktop = new TFrmBtnImage(m_actions);
    QMdiSubWindow *child = m_mdi->addSubWindow(desktop);
    child->setObjectName(QStringLiteral("subTFrmBtnImage"));
    child->setAttribute(Qt::WA_DeleteOnClose);
    child->setWindowTitle(desktop->windowTitle());
    child->setWindowIcon(style()->standardIcon(QStyle::SP_DesktopIcon));
    m_desktop = child;
    child->showMaximized();
}

void TFrmMain::fillWindowMenu()
{
    for (QAction *entry : m_windowMenu->actions()) {
        if (!m_windowMenuFixed.contains(entry)) {
            m_windowMenu->removeAction(entry);
            entry->deleteLater();
        }
    }
    const QList<QMdiSubWindow *> children = m_mdi->subWindowList();
    if (children.isEmpty())
        return;
    m_windowMenu->addSeparator();
    int number = 0;
    for (QMdiSubWindow *child : children) {
        QAction *entry = m_windowMenu->addAction(QStringLiteral("&%1 %2").arg(++number).arg(child->windowTitle()));
        entry->setCheckable(true);
        entry->setChecked(child == m_mdi->activeSubWindow());
        connect(entry, &QAction::triggered, this, [this, child = QPointer<QMdiSubWindow>(child)] {
            if (child)
                m_mdi->setActiveSubWindow(child);
        });
    }
}

// Horizontal: the children side by side, each the full height; vertical: one
// above the other, each the full width.
void TFrmMain::tile(Qt::Orientation orientation)
{
    QList<QMdiSubWindow *> children;
    for (QMdiSubWindow *child : m_mdi->subWindowList()) {
        if (child->isVisible() && !child->isMinimized())
            children.append(child);
    }
    if (children.isEmpty())
        return;
    const QRect area = m_mdi->viewport()->rect();
    const int count = int(children.size());
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow *child = children.at(i);
        child->showNormal();
        if (orientation == Qt::Horizontal) {
            const int left = area.width() * i / count;
            const int right = area.width() * (i + 1) / count;
            child->setGeometry(left, 0, right - left, area.height());
        } else {
            const int top = area.height() * i / count;
            const int bottom = area.height() * (i + 1) / count;
            child->setGeometry(0, top, area.width(), bottom - top);
        }
    }
}

void TFrmMain::closeAllChildren()
{
    const QList<QMdiSubWindow *> children = m_mdi->subWindowList(QMdiArea::CreationOrder);
    for (auto it = children.crbegin(); it != children.crend(); ++it)
        (*it)->close();
}
