#include "app/TFgy1.h"

#include "app/AppInfo.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The picture beside the texts: the same colours as the start-up picture.
QPixmap badge() {
    QPixmap pm(72, 72);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 72, 72);
    g.setColorAt(0, QColor(0x1d, 0x4e, 0x89));
    g.setColorAt(1, QColor(0x12, 0x8a, 0x8a));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(2, 2, 68, 68), 14, 14);
    QFont f = p.font();
    f.setPixelSize(34);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(2, 2, 68, 68), Qt::AlignCenter, QStringLiteral("店"));
    return pm;
}

} // namespace

TFgy1::TFgy1(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFgy1"));
    setWindowTitle(QStringLiteral("关于本软件"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(badge());
    picture->setAlignment(Qt::AlignTop);

    auto* title = new QLabel(AppInfo::title(), this);
    title->setObjectName(QStringLiteral("Label1"));
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    title->setFont(big);

    auto* texts = new QLabel(this);
    texts->setObjectName(QStringLiteral("Label2"));
    texts->setTextFormat(Qt::PlainText);
    texts->setText(QStringLiteral("版本 %1\n"
                                  "适用于小型零售店铺的进销存、会员与财务管理\n\n"
                                  "技术支持：请联系向您提供本软件的服务商\n"
                                  "网站：%2\n"
                                  "电子邮件：%3")
                       .arg(AppInfo::version(), AppInfo::webSite(), AppInfo::supportMail()));
    texts->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* textColumn = new QVBoxLayout;
    textColumn->addWidget(title);
    textColumn->addSpacing(6);
    textColumn->addWidget(texts);
    textColumn->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(textColumn, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->addLayout(top);
    layout->addSpacing(10);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}
