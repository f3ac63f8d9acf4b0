#include "app/SplashWindow.h"

#include "app/AppInfo.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QScreen>

SplashWindow::SplashWindow() : QSplashScreen(picture()) {
    setObjectName(QStringLiteral("SplashWindow"));
    setFixedSize(Width, Height);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.center() - QPoint(Width / 2, Height / 2));
    }
    QFont f = font();
    f.setPixelSize(13);
    setFont(f);
    showMessage(QStringLiteral("正在启动程序，请稍候"), Qt::AlignLeft | Qt::AlignVCenter,
                QColor(0xe6, 0xf0, 0xfa));
}

void SplashWindow::drawContents(QPainter* painter) {
    // The message sits in the band below the line of the picture, level with the version.
    painter->setPen(QColor(0xe6, 0xf0, 0xfa));
    painter->drawText(QRect(16, Height - 28, Width / 2, 20), Qt::AlignLeft | Qt::AlignVCenter,
                      message());
}

QPixmap SplashWindow::picture() {
    QPixmap pm(Width, Height);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // Deep blue into teal, with two soft lights.
    QLinearGradient bg(0, 0, Width, Height);
    bg.setColorAt(0.0, QColor(0x14, 0x33, 0x66));
    bg.setColorAt(0.55, QColor(0x1d, 0x4e, 0x89));
    bg.setColorAt(1.0, QColor(0x12, 0x8a, 0x8a));
    p.fillRect(pm.rect(), bg);
    for (const auto& [centre, radius, alpha] :
         {std::tuple{QPointF(420, 60), 190.0, 70}, std::tuple{QPointF(40, 330), 160.0, 45}}) {
        QRadialGradient light(centre, radius);
        light.setColorAt(0, QColor(255, 255, 255, alpha));
        light.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillRect(pm.rect(), light);
    }

    // A row of rising bars with a trend line: stock coming in, sales going out.
    const qreal base = 262;
    const qreal heights[] = {34, 52, 44, 70, 62, 90, 84, 112};
    QPainterPath trend;
    for (int i = 0; i < 8; ++i) {
        const QRectF bar(292 + i * 22, base - heights[i], 14, heights[i]);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 38 + i * 8));
        p.drawRoundedRect(bar, 3, 3);
        const QPointF top(bar.center().x(), bar.top() - 10);
        if (i == 0)
            trend.moveTo(top);
        else
            trend.lineTo(top);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xff, 0xd2, 0x6a), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(trend);
    p.setBrush(QColor(0xff, 0xd2, 0x6a));
    p.drawEllipse(trend.currentPosition(), 4, 4);

    // Title and subtitle.
    QFont title = QGuiApplication::font();
    title.setPixelSize(34);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(34, 58, 440, 50), Qt::AlignLeft | Qt::AlignVCenter, AppInfo::title());

    p.setPen(QPen(QColor(0xff, 0xd2, 0x6a), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(36, 116), QPointF(96, 116));

    QFont sub = QGuiApplication::font();
    sub.setPixelSize(15);
    p.setFont(sub);
    p.setPen(QColor(0xdb, 0xe8, 0xf5));
    p.drawText(QRectF(36, 128, 260, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("商品 · 会员 · 销售 · 库存 · 财务"));

    QFont small = QGuiApplication::font();
    small.setPixelSize(12);
    p.setFont(small);
    p.setPen(QColor(255, 255, 255, 150));
    p.drawText(QRectF(0, Height - 28, Width - 14, 20), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("版本 ") + AppInfo::version());

    // A thin line above the status text.
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    p.drawLine(QPointF(0, Height - 36), QPointF(Width, Height - 36));
    return pm;
}
