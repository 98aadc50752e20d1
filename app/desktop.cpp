#include "app/desktop.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const int kColumns = 4;

QStringList codes(std::initializer_list<const char *> list)
{
    QStringList out;
    for (const char *code : list)
        out.append(QString::fromLatin1(code));
    return out;
}

}  // namespace

TFrmBtnImage::TFrmBtnImage(const QHash<QString, QAction *> &actions, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TFrmBtnImage"));
    setWindowTitle(QStringLiteral("桌面"));

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("pgcDesktop"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pages);

    addPage(QStringLiteral("日常管理"), {{QString(), codes({"305", "301", "304", "307", "306", "308", "303", "309"})}},
            actions);
    addPage(QStringLiteral("信息查询"), {{QString(), codes({"401", "402", "403", "404"})}}, actions);
    addPage(QStringLiteral("报表中心"),
            {{QStringLiteral("日常报表"), codes({"501", "502", "503", "504", "505"})},
             {QStringLiteral("经营分析"), codes({"506"})}},
            actions);
    addPage(QStringLiteral("基本资料"), {{QString(), codes({"201", "203", "204", "206", "205", "207", "208", "209"})}},
            actions);
    addPage(QStringLiteral("系统管理"), {{QString(), codes({"101", "102", "103", "104", "106", "105", "107", "108"})}},
            actions);
}

QToolButton *TFrmBtnImage::button(const QString &code) const
{
    return m_buttons.value(code);
}

void TFrmBtnImage::addPage(const QString &caption, const QList<QPair<QString, QStringList>> &sections,
                           const QHash<QString, QAction *> &actions)
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("tab") + caption);
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(24, 16, 24, 16);
    pageLayout->setSpacing(12);

    for (const auto &[heading, sectionCodes] : sections) {
        if (!heading.isEmpty()) {
            auto *label = new QLabel(heading, page);
            label->setStyleSheet(QStringLiteral("QLabel { font-weight: bold; font-size: 14px; color: #2f6ea5; }"));
            pageLayout->addWidget(label);
        }
        auto *holder = new QWidget(page);
        Section section;
        section.grid = new QGridLayout(holder);
        section.grid->setContentsMargins(0, 0, 0, 0);
        section.grid->setHorizontalSpacing(24);
        section.grid->setVerticalSpacing(16);
        section.grid->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        for (const QString &code : sectionCodes) {
            QAction *action = actions.value(code);
            if (!action)
                continue;
            auto *button = new QToolButton(holder);
            button->setObjectName(QStringLiteral("btn") + action->objectName());
            button->setDefaultAction(action);
            button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
            button->setIconSize(QSize(48, 48));
            button->setAutoRaise(true);
            button->setMinimumSize(QSize(112, 88));
            button->setVisible(action->isVisible());
            section.buttons.append(button);
            m_buttons.insert(code, button);
        }
        pageLayout->addWidget(holder);
        m_sections.append(section);
        const qsizetype index = m_sections.size() - 1;
        for (QToolButton *button : std::as_const(m_sections[index].buttons)) {
            connect(button->defaultAction(), &QAction::changed, this, [this, index, button] {
                const bool visible = button->defaultAction()->isVisible();
                if (button->isHidden() == visible) {
                    button->setVisible(visible);
                    relayout(m_sections[index]);
                }
            });
        }
        relayout(m_sections[index]);
    }
    pageLayout->addStretch();

    auto *scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(page);
    m_pages->addTab(scroll, caption);
}

// Hidden buttons leave no gap: the visible ones close up in their order.
void TFrmBtnImage::relayout(Section &section)
{
    for (QToolButton *button : std::as_const(section.buttons))
        section.grid->removeWidget(button);
    int position = 0;
    for (QToolButton *button : std::as_const(section.buttons)) {
        if (button->isHidden())
            continue;
        section.grid->addWidget(button, position / kColumns, position % kColumns);
        ++position;
    }
}
