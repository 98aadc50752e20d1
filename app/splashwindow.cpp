#include "app/splashwindow.h"

#include "app/startup.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

TfrmSplash::TfrmSplash(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      m_label(new QLabel(this))
{
    setObjectName(QStringLiteral("TfrmSplash"));
    setFixedSize(480, 300);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->setAttribute(Qt::WA_TranslucentBackground);
    m_label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    m_label->setGeometry(24, height() - 44, width() - 48, 24);
    m_label->setText(Startup::kStarting);

    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = rect();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TfrmSplash::setStatus(const QString &text)
{
    m_label->setText(text);
    m_label->repaint();
    repaint();
}

QString TfrmSplash::status() const
{
    return m_label->text();
}

void TfrmSplash::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0.0, QColor(0x1f, 0x4e, 0x79));
    sky.setColorAt(1.0, QColor(0x0b, 0x23, 0x3d));
    p.fillRect(rect(), sky);

    // A row of houses along the ground line.
    const int ground = height() - 80;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 40));
    const int widths[] = {60, 90, 70, 110, 80};
    int x = 30;
    for (int i = 0; i < 5; ++i) {
        const int w = widths[i];
        const int h = 50 + (i * 37) % 70;
        p.drawRect(x, ground - h, w, h);
        QPainterPath roof;
        roof.moveTo(x - 6, ground - h);
        roof.lineTo(x + w / 2, ground - h - 28);
        roof.lineTo(x + w + 6, ground - h);
        roof.closeSubpath();
        p.drawPath(roof);
        x += w + 14;
    }
    p.fillRect(0, ground, width(), 2, QColor(255, 255, 255, 90));

    p.setPen(Qt::white);
    QFont title = font();
    title.setPointSize(20);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(0, 30, width(), 50), Qt::AlignHCenter | Qt::AlignVCenter,
               QGuiApplication::applicationDisplayName());
}
