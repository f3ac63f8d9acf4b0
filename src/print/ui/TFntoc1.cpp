#include "print/ui/TFntoc1.h"

#include "core/AmountInCapitals.h"
#include "data/ui/Keyboard.h"
#include "data/ui/Messages.h"
#include "data/ui/NumberBox.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The capitals of a parsed amount: "负" in front of a negative one, a note past 万亿.
QString capitalsOf(Money amount) {
    const bool negative = amount.isNegative();
    const QString text = AmountInCapitals(negative ? amount.abs() : amount);
    if (text.isEmpty())
        return TFntoc1::outOfRangeText();
    return negative ? QStringLiteral("负") + text : text;
}

bool hasDigit(const QString& text) {
    for (QChar c : text)
        if (c.isDigit())
            return true;
    return false;
}

// A well-formed number that still does not parse has too many digits for a money value.
bool tooLarge(const QString& text) {
    return hasDigit(text) && NumberBox::acceptable(text.trimmed(), true) && !Money::parse(text);
}

} // namespace

TFntoc1::TFntoc1(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TFntoc1"));
    setWindowTitle(QStringLiteral("人民币大小写转换"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* figuresLabel = new QLabel(QStringLiteral("金额小写"), this);
    m_figures = new NumberBox(this);
    m_figures->setObjectName(QStringLiteral("Edit1"));
    m_figures->setNegativeAllowed(false);
    m_figures->setEmptyText(QString());
    figuresLabel->setBuddy(m_figures);
    auto* capitalsLabel = new QLabel(QStringLiteral("金额大写"), this);
    m_capitals = new QLineEdit(this);
    m_capitals->setObjectName(QStringLiteral("Edit2"));
    m_capitals->setReadOnly(true);
    m_capitals->setFocusPolicy(Qt::ClickFocus);

    auto* convertButton = new QPushButton(QStringLiteral("转换"), this);
    convertButton->setObjectName(QStringLiteral("BitBtn1"));
    auto* cancelButton = new QPushButton(QStringLiteral("取消"), this);
    cancelButton->setObjectName(QStringLiteral("BitBtn2"));
    for (QPushButton* b : {convertButton, cancelButton})
        b->setAutoDefault(false);

    auto* fields = new QGridLayout;
    fields->addWidget(figuresLabel, 0, 0);
    fields->addWidget(m_figures, 0, 1);
    fields->addWidget(capitalsLabel, 1, 0);
    fields->addWidget(m_capitals, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(convertButton);
    buttons->addWidget(cancelButton);
    auto* top = new QVBoxLayout(this);
    top->addLayout(fields);
    top->addLayout(buttons);
    setFixedSize(520, 130);

    connect(convertButton, &QPushButton::clicked, this, &TFntoc1::convert);
    connect(cancelButton, &QPushButton::clicked, this, &TFntoc1::closeWindow);
    connect(m_figures, &QLineEdit::textChanged, this, &TFntoc1::convertQuietly);
    m_figures->installEventFilter(this);
    Keyboard::install(this, convertButton, cancelButton)->setEnterButton(m_figures, convertButton);
}

void TFntoc1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    m_figures->setText(QStringLiteral("0.00"));
    m_capitals->setText(QStringLiteral("零"));
    m_figures->setFocus();
}

bool TFntoc1::eventFilter(QObject* watched, QEvent* event) {
    // Leaving the box for another control; not the window losing the focus to a message box,
    // another program or a context menu.
    const auto leaving = [event] {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
    };
    if (watched == m_figures && event->type() == QEvent::FocusOut && leaving()) {
        // A text without digits becomes 0, and the amount shows two decimals.
        if (!hasDigit(m_figures->text()))
            m_figures->setText(QStringLiteral("0.00"));
        else
            m_figures->roundToTwoDecimals();
    }
    return QWidget::eventFilter(watched, event);
}

void TFntoc1::convertQuietly() {
    const QString text = m_figures->text();
    if (text.trimmed().isEmpty()) {
        m_capitals->clear();
        return;
    }
    const auto amount = Money::parse(text);
    if (!amount) {
        // Too many digits for a money value is past 万亿 as well; anything else is a number not
        // yet typed out (a lone "."), which leaves the capitals as they were.
        if (tooLarge(text))
            m_capitals->setText(outOfRangeText());
        return;
    }
    m_capitals->setText(capitalsOf(*amount));
}

void TFntoc1::convert() {
    const QString text = m_figures->text();
    if (text.trimmed().isEmpty()) {
        Messages::information(this, QStringLiteral("小写金额不可为空！"));
        m_figures->setFocus();
        return;
    }
    const auto amount = Money::parse(text);
    if (!amount) {
        if (tooLarge(text)) {
            m_capitals->setText(outOfRangeText());
            return;
        }
        Messages::error(this, QStringLiteral("“%1”不是有效的数值").arg(text));
        m_figures->setFocus();
        return;
    }
    m_capitals->setText(capitalsOf(*amount));
}

void TFntoc1::closeWindow() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}
