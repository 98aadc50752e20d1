#pragma once

#include <QHash>
#include <QList>
#include <QWidget>

class QAction;
class QGridLayout;
class QTabWidget;
class QToolButton;

// The desktop "桌面": a child window of the main window with one tab per
// group of functions, each holding large buttons bound to the main window's
// actions. A button shows its action's caption and image and disappears with
// the action, so the desktop follows the operator's permissions by itself.
class TFrmBtnImage : public QWidget {
    Q_OBJECT
public:
    // actions: the main window's actions by permission code ("305").
    explicit TFrmBtnImage(const QHash<QString, QAction *> &actions, QWidget *parent = nullptr);

    QTabWidget *pages() const { return m_pages; }
    // The button of an action's code, or nullptr.
    QToolButton *button(const QString &code) const;

private:
    struct Section {
        QGridLayout *grid = nullptr;
        QList<QToolButton *> buttons;
    };

    void addPage(const QString &caption, const QList<QPair<QString, QStringList>> &sections,
                 const QHash<QString, QAction *> &actions);
    void relayout(Section &section);

    QTabWidget *m_pages = nullptr;
    QList<Section> m_sections;
    QHash<QString, QToolButton *> m_buttons;
};
