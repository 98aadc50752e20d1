#pragma once

#include <QDate>
#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <functional>

class AppConfig;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;
class TFrmBtnImage;
class WindowRegistry;

// The frame of the client: the main menu with the 34 function actions, the
// desktop of large buttons, the status bar with operator and clock, the
// window menu and the tools. Every function opens modally through the window
// registry; only the desktop lives inside the frame.
class TFrmMain : public QMainWindow {
    Q_OBJECT
public:
    static const QString kCaption;       // "Korrin物业管理软件 v2.25(网络版) "
    static const QString kExitQuestion;  // "真的要退出“Korrin物业管理软件 ”软件吗？"

    // config: the run's Config.ini (may be null); registry: null for the program's.
    explicit TFrmMain(AppConfig *config = nullptr, WindowRegistry *registry = nullptr, QWidget *parent = nullptr);
    ~TFrmMain() override;

    // Runs the login dialog (0 start-up, 1 change of operator) and applies a
    // successful login to this window. programEnded: the program must end.
    bool ShowLogin(int mode, bool *programEnded = nullptr);
    // Shows each action, menu item and desktop button exactly when the
    // operator of the run may use it, and each menu group with at least one.
    void SetLimits();
    // Shows the desktop, creating it when it is not there.
    void ShowDesktop();

    QAction *action(const QString &code) const { return m_actions.value(code); }
    QMenu *menu(const QString &name) const;
    TFrmBtnImage *desktop() const;
    QMdiArea *mdiArea() const { return m_mdi; }
    QLabel *statusPanel(int number) const;   // 1 to 5

    // True when the automatic backup mode asks for a backup on that day:
    // 1 every day, 2 on Mondays, 3 on the first day of a month.
    static bool isBackupDay(int mode, const QDate &day);

    // For tests and the pictures of the windows.
    void setToday(const std::function<QDate()> &today) { m_today = today; }
    void setAutoBackupEnabled(bool enabled) { m_autoBackupEnabled = enabled; }
    void setConfirmExit(bool confirm) { m_confirmExit = confirm; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createActions();
    void createMenus();
    void createStatusBar();
    QMenu *addGroupMenu(const QString &name, const QString &caption);
    void addItem(QMenu *menu, const QString &code);
    QAction *addCommand(QMenu *menu, const QString &name, const QString &text);
    void fillWindowMenu();
    void tile(Qt::Orientation orientation);
    void closeAllChildren();
    void firstShowing();
    void showOperator();
    void tick();

    AppConfig *m_config;
    WindowRegistry *m_registry;
    QMdiArea *m_mdi = nullptr;
    QHash<QString, QAction *> m_actions;
    QHash<QString, QMenu *> m_menus;
    QMenu *m_windowMenu = nullptr;
    QList<QAction *> m_windowMenuFixed;
    QList<QLabel *> m_panels;
    QTimer *m_clock = nullptr;
    QPointer<QMdiSubWindow> m_desktop;
    std::function<QDate()> m_today;
    bool m_shownOnce = false;
    bool m_autoBackupEnabled = true;
    bool m_confirmExit = true;
};
