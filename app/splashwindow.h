#pragma once

#include <QWidget>

class QLabel;

// The window shown while the client starts: a borderless picture, centred on
// the screen, with one status line (Label1) that tells how far start-up is.
class TfrmSplash : public QWidget {
    Q_OBJECT

public:
    explicit TfrmSplash(QWidget *parent = nullptr);

    // Shows the text in the status line and paints it at once.
    void setStatus(const QString &text);
    QString status() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *m_label;
};
