#include "admin/ui/TFyhsz1.h"

#include "admin/Operators.h"
#include "admin/ui/TFquanxian1.h"
#include "admin/ui/TFtjyh1.h"
#include "data/DM1.h"
#include "data/ui/Command.h"
#include "data/ui/DatasetView.h"
#include "data/ui/DialogRunner.h"
#include "data/ui/Keyboard.h"
#include "data/ui/Messages.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {

// Draws the password column as a mask whatever the row holds.
class MaskDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant&, const QLocale&) const override {
        return TFyhsz1::passwordMask();
    }
};

} // namespace

TFyhsz1::TFyhsz1(TDM1& dm, QWidget* parent) : QDialog(parent), m_dm(dm) {
    setObjectName(QStringLiteral("TFyhsz1"));
    setWindowTitle(QStringLiteral("操作员设置"));
    setModal(true);
    resize(440, 320);

    m_grid = new DatasetView(this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setTitleSorting(false);
    m_grid->setEnterKey(DatasetView::EnterKey::MovesOn);
    m_grid->setDataset(dm.AQyhsz1);
    m_grid->setColumns({{QStringLiteral("yhmc"), QString(), true, std::nullopt, 150},
                        {QStringLiteral("yhmm"), QString(), true, std::nullopt, 150}});
    m_mask = new MaskDelegate(m_grid);
    connect(m_grid, &DatasetView::rowChosen, this, [this] { modifyOperator(); });
    connect(dm.AQyhsz1, &Dataset::opened, this, &TFyhsz1::applyColumns);
    applyColumns();

    struct Def {
        const char* name;
        const char* text;
        void (TFyhsz1::*command)();
    };
    const Def defs[] = {
        {"BitBtn1", "新增", &TFyhsz1::addOperator},
        {"BitBtn2", "修改", &TFyhsz1::modifyOperator},
        {"BitBtn3", "删除", &TFyhsz1::deleteOperator},
        {"BitBtn4", "权限", &TFyhsz1::openPermissions},
    };
    auto* buttons = new QVBoxLayout;
    for (const Def& d : defs) {
        auto* b = new QPushButton(QString::fromUtf8(d.text), this);
        b->setObjectName(QString::fromLatin1(d.name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, d.command);
        buttons->addWidget(b);
    }
    auto* close = new QPushButton(QStringLiteral("关闭"), this);
    close->setObjectName(QStringLiteral("BitBtn5"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(close);
    buttons->addStretch();

    auto* top = new QHBoxLayout(this);
    top->addWidget(m_grid, 1);
    top->addLayout(buttons);
    Keyboard::install(this, nullptr, close);
}

void TFyhsz1::applyColumns() {
    // The mask follows the password column wherever a query puts it.
    Dataset& ds = *m_dm.AQyhsz1;
    for (int c = 0; c < ds.columnCount(); ++c)
        m_grid->setItemDelegateForColumn(c, nullptr);
    const int password = ds.fieldIndex(QStringLiteral("yhmm"));
    if (password >= 0)
        m_grid->setItemDelegateForColumn(password, m_mask);
}

void TFyhsz1::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    runCommand(this, [this] {
        m_dm.AQyhsz1->open(
            SqlText({QStringLiteral("SELECT * FROM yhsz"), QStringLiteral("order by id")}, {}));
    });
    m_grid->setFocus();
}

void TFyhsz1::addOperator() {
    TFtjyh1 dialog(m_dm, this);
    dialog.setMode(TFtjyh1::addMode());
    DialogRunner::exec(dialog);
}

void TFyhsz1::modifyOperator() {
    Dataset& ds = *m_dm.AQyhsz1;
    if (!ds.isOpen() || ds.currentRow() < 0) {
        Messages::warning(this, QStringLiteral("没有操作员可修改！"));
        return;
    }
    TFtjyh1 dialog(m_dm, this);
    dialog.setMode(TFtjyh1::modifyMode(), ds.text(QStringLiteral("yhmc")));
    DialogRunner::exec(dialog);
}

void TFyhsz1::deleteOperator() {
    Dataset& ds = *m_dm.AQyhsz1;
    if (!ds.isOpen() || ds.currentRow() < 0) {
        Messages::warning(this, QStringLiteral("没有操作员可删除！"));
        return;
    }
    const QString name = ds.text(QStringLiteral("yhmc"));
    if (name == Operators::administrator()) {
        Messages::warning(this, QStringLiteral("不可删除“系统管理员”！"));
        return;
    }
    if (!Messages::okCancel(this, QStringLiteral("确实要删除此操作员吗？")))
        return;
    runCommand(this, [&] {
        Operators::remove(m_dm.db(), name);
        ds.requery();
    });
}

void TFyhsz1::openPermissions() {
    TFquanxian1 dialog(m_dm, this);
    DialogRunner::exec(dialog);
}
