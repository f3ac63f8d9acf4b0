#include "members/ui/TFdj1.h"

#include "data/DM1.h"
#include "data/ui/Command.h"
#include "data/ui/DatasetView.h"
#include "data/ui/DialogRunner.h"
#include "data/ui/Keyboard.h"
#include "data/ui/Messages.h"
#include "members/Levels.h"
#include "members/ui/MemberDialogs.h"
#include "members/ui/TFtjdj1.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TFdj1::TFdj1(TDM1& dm, QWidget* parent, Chosen chosen)
    : QDialog(parent), m_dm(dm), m_chosen(std::move(chosen)) {
    setObjectName(QStringLiteral("TFdj1"));
    setWindowTitle(QStringLiteral("会员等级设置"));
    setModal(true);
    resize(320, 380);

    m_choose = MemberDialogs::button(QStringLiteral("选择"), QStringLiteral("BitBtn1"), this);
    m_add = MemberDialogs::button(QStringLiteral("新增"), QStringLiteral("BitBtn2"), this);
    m_delete = MemberDialogs::button(QStringLiteral("删除"), QStringLiteral("BitBtn3"), this);
    m_close = MemberDialogs::button(QStringLiteral("关闭"), QStringLiteral("BitBtn4"), this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_choose, m_add, m_delete, m_close})
        buttons->addWidget(b);

    m_grid = new DatasetView(this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setEnterKey(DatasetView::EnterKey::Chooses);
    m_grid->setDataset(dm.AQdj1);
    m_grid->setColumns({{QStringLiteral("dj")}, {QStringLiteral("zk")}});
    m_grid->horizontalHeader()->setStretchLastSection(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_grid, 1);

    connect(m_choose, &QPushButton::clicked, this, [this] { choose(); });
    connect(m_add, &QPushButton::clicked, this, &TFdj1::add);
    connect(m_delete, &QPushButton::clicked, this, &TFdj1::remove);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_grid, &DatasetView::rowChosen, this, [this] { choose(); });

    Keyboard::install(this, nullptr, m_close);
}

void TFdj1::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    showRows();
    m_grid->setFocus();
}

bool TFdj1::showRows() {
    return runCommand(this, [&] {
        m_dm.AQdj1->open(SqlText({QStringLiteral("SELECT * FROM dj"), QStringLiteral("order by id")}, {}));
    });
}

bool TFdj1::choose() {
    Dataset& dj = *m_dm.AQdj1;
    if (const Levels::Outcome refusal = Levels::checkChoose(dj)) {
        MemberDialogs::show(this, *refusal);
        return false;
    }
    if (m_chosen)
        m_chosen(dj.text(QStringLiteral("dj")), dj.money(QStringLiteral("zk")));
    accept();
    return true;
}

void TFdj1::add() {
    TFtjdj1 dialog(m_dm, this);
    DialogRunner::exec(dialog);
    m_grid->setFocus();
}

void TFdj1::remove() {
    Dataset& dj = *m_dm.AQdj1;
    if (const Levels::Outcome refusal = Levels::checkDelete(dj)) {
        MemberDialogs::show(this, *refusal);
        return;
    }
    if (!Messages::okCancel(this, QStringLiteral("确定要删除此等级么？")))
        return;
    runCommand(this, [&] { dj.remove(); });
}
