#include "masterdata/ui/TFsp1.h"

#include "data/DM1.h"
#include "data/ui/CategoryTree.h"
#include "data/ui/Command.h"
#include "data/ui/DialogRunner.h"
#include "data/ui/Keyboard.h"
#include "data/ui/Messages.h"
#include "data/ui/RowStyles.h"
#include "masterdata/Products.h"
#include "masterdata/ui/TFcxsp1.h"
#include "masterdata/ui/TFtjsp1.h"

#include <QBoxLayout>
#include <QSplitter>

TFsp1::TFsp1(TDM1& dm, QWidget* parent) : RecordListWindow(listDefinition(dm), parent) {
    resize(980, 560);
    m_tree = new CategoryTree(this);
    m_tree->setObjectName(QStringLiteral("TreeView1"));
    runCommand(this, [&] { m_tree->build(dm); });

    // The tree goes at the left of the grid.
    auto* outer = qobject_cast<QBoxLayout*>(layout());
    const int at = outer->indexOf(grid());
    auto* split = new QSplitter(Qt::Horizontal, this);
    split->setObjectName(QStringLiteral("Splitter1"));
    split->setChildrenCollapsible(false);
    outer->removeWidget(grid());
    split->addWidget(m_tree);
    split->addWidget(grid());
    split->setStretchFactor(1, 1);
    split->setSizes({160, 820});
    outer->insertWidget(at, split, 1);
    if (Keyboard* keys = Keyboard::of(this))
        keys->watch(m_tree);

    connect(m_tree, &CategoryTree::allClicked, this,
            [this] { showCategory(QString()); });
    connect(m_tree, &CategoryTree::categoryClicked, this,
            [this](const QString& category) { showCategory(category); });
}

ListDefinition TFsp1::listDefinition(TDM1& dm) {
    ListDefinition d;
    d.objectName = QStringLiteral("TFsp1");
    d.title = QStringLiteral("商品资料");
    d.dataset = dm.AQsp1;
    d.selectLine = Products::selectLine();
    d.columns = {{QStringLiteral("txm")},  {QStringLiteral("ppgg")}, {QStringLiteral("dw")},
                 {QStringLiteral("jj")},   {QStringLiteral("xj")},   {QStringLiteral("kcsl")},
                 {QStringLiteral("kcjg")}, {QStringLiteral("kcje")}, {QStringLiteral("slt")},
                 {QStringLiteral("jet")},  {QStringLiteral("jfjs")}, {QStringLiteral("ms")},
                 {QStringLiteral("bz")},   {QStringLiteral("ztbj")}, {QStringLiteral("lb")}};
    d.rowStyle = RowStyles::redWhenText(QStringLiteral("ztbj"), Products::noDiscount());
    d.legend = {{RowStyles::red(), QStringLiteral("不打折商品")}};
    d.gridEnter = DatasetView::EnterKey::MovesOn;
    d.toolBar = {{QStringLiteral("导入")}, {QStringLiteral("新增")}, {QStringLiteral("修改")},
                 {QStringLiteral("删除")}, {QStringLiteral("查询")}, {QStringLiteral("打印")},
                 {QStringLiteral("导出")}, {QStringLiteral("关闭")}};
    d.popup = {
        {QStringLiteral("删除"), QStringLiteral("N1")},
        {QStringLiteral("改标记：不打折"), QStringLiteral("N2"), {},
         [](RecordListWindow& w) { static_cast<TFsp1&>(w).markDiscount(false); }},
        {QStringLiteral("改标记：打折"), QStringLiteral("N3"), {},
         [](RecordListWindow& w) { static_cast<TFsp1&>(w).markDiscount(true); }},
    };
    d.deleteQuestion = QStringLiteral("确定要删除此商品么？\n\n一旦删除，对应的库存资料也会删除  ");
    d.entry = [&dm](RecordListWindow& w, const QString& mode) {
        TFtjsp1 dialog(dm, &w);
        dialog.setMode(mode);
        DialogRunner::exec(dialog);
    };
    d.queryDialog = [](RecordListWindow& w) {
        TFcxsp1 dialog(w, TFcxsp1::productsMode());
        DialogRunner::exec(dialog);
    };
    d.import = {QStringLiteral("导入商品资料"), QStringLiteral("sp"),
                QStringLiteral("数据导入模版/商品资料.xls")};
    d.print = {QStringLiteral("TFdysp1"), QStringLiteral("商品价格表")};
    return d;
}

bool TFsp1::showCategory(const QString& category) {
    return runCommand(this, [&] {
        dataset().open(Products::categoryQuery(category));
        refreshStatus();
    });
}

void TFsp1::markDiscount(bool discountApplies) {
    Products::FlagResult result = Products::FlagResult::Changed;
    if (!runCommand(this, [&] { result = Products::setDiscount(dataset(), discountApplies); }))
        return;
    if (result != Products::FlagResult::Changed)
        Messages::warning(this, Products::message(result));
}
