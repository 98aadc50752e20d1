#pragma once

#include <QStatusBar>

class QLabel;

// The four-panel status bar of the record-manager windows: panels 1 and 2
// stay blank, 3 shows the record count, 4 (right-aligned) the supplier's
// label followed by two blanks.
class StatusPanels : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusPanels(QWidget *parent = nullptr);

    // The supplier label shown in panel 4 of every window.
    static QString companyLabel();

    void setPanelText(int panel, const QString &text);
    QString panelText(int panel) const;

private:
    QLabel *m_panels[4];
};
