#include "masterdata/ui/TFtjghs1.h"

#include "data/DM1.h"
#include "data/ui/Command.h"
#include "data/ui/DialogRunner.h"
#include "data/ui/Keyboard.h"
#include "data/ui/Messages.h"
#include "masterdata/Suppliers.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

constexpr int PostalCode = 5; // Edit6
constexpr int PostalCodeLength = 6;

const char* const Labels[] = {"名称",     "联系人",   "联系方式", "联系地址", "传真号码",
                              "邮政编码", "开户银行", "银行帐号", "备注说明"};

QPushButton* button(const QString& text, const QString& objectName, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(objectName);
    // Enter belongs to the boxes.
    b->setAutoDefault(false);
    return b;
}

} // namespace

TFtjghs1::TFtjghs1(TDM1& dm, QWidget* parent) : QDialog(parent), m_dm(dm) {
    setObjectName(QStringLiteral("TFtjghs1"));
    setModal(true);

    m_mode = new QLabel(this);
    m_mode->setObjectName(QStringLiteral("ST1"));
    m_mode->hide();

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    for (int i = 0; i < int(Suppliers::fields().size()); ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        box->setMinimumWidth(260);
        form->addRow(QString::fromUtf8(Labels[i]), box);
        m_boxes << box;
    }
    QLineEdit* postal = m_boxes[PostalCode];
    postal->setMaxLength(PostalCodeLength);
    postal->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), postal));

    m_save = button(QStringLiteral("保存"), QStringLiteral("BitBtn1"), this);
    m_close = button(QStringLiteral("关闭"), QStringLiteral("BitBtn2"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    for (int i = 1; i < m_boxes.size(); ++i)
        setTabOrder(m_boxes[i - 1], m_boxes[i]);
    setTabOrder(m_boxes.last(), m_save);
    setTabOrder(m_save, m_close);

    connect(m_save, &QPushButton::clicked, this, [this] { save(); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    Keyboard::install(this, m_save, m_close);

    setMode(addMode());
}

void TFtjghs1::setMode(const QString& mode) {
    m_mode->setText(mode);
    setWindowTitle(mode + QStringLiteral("厂商资料"));
    const Suppliers::Entry e =
        mode == modifyMode() ? Suppliers::fromCurrentRow(*m_dm.AQghs1) : Suppliers::Entry{};
    for (int i = 0; i < m_boxes.size(); ++i)
        setBoxText(i, e.*Suppliers::fields()[size_t(i)].member);
}

QString TFtjghs1::mode() const { return m_mode->text(); }

void TFtjghs1::setBoxText(int index, const QString& text) {
    QLineEdit* box = m_boxes[index];
    // A longer postal code that came in by import is shown whole, so saving the row unchanged
    // does not cut it; typing still stops at six digits.
    if (index == PostalCode)
        box->setMaxLength(qMax(PostalCodeLength, int(text.size())));
    box->setText(text);
}

void TFtjghs1::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        m_boxes.first()->setFocus();
}

bool TFtjghs1::save() {
    Suppliers::Entry entry;
    for (int i = 0; i < m_boxes.size(); ++i)
        entry.*Suppliers::fields()[size_t(i)].member = m_boxes[i]->text();

    const bool adding = mode() == addMode();
    MasterData::Outcome refusal;
    if (!runCommand(this, [&] {
            refusal = adding ? Suppliers::add(*m_dm.AQghs1, entry)
                             : Suppliers::modify(*m_dm.AQghs1, entry);
        }))
        return false;
    if (refusal) {
        if (refusal->kind == MasterData::Refusal::Kind::Warning)
            Messages::warning(this, refusal->text);
        else
            Messages::information(this, refusal->text);
        m_boxes.first()->setFocus(); // both refusals concern the name
        return false;
    }
    if (!adding) {
        accept();
        return true;
    }
    for (int i = 0; i < m_boxes.size(); ++i)
        setBoxText(i, QString());
    m_boxes.first()->setFocus();
    return true;
}

void TFtjghs1::openNew(TDM1& dm, QWidget* parent) {
    TFtjghs1 dialog(dm, parent);
    dialog.setMode(addMode());
    DialogRunner::exec(dialog);
}
