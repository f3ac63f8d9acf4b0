#include "data/ui/CategoryTree.h"

#include "data/DM1.h"

#include <QApplication>
#include <QHeaderView>
#include <QStyle>

CategoryTree::CategoryTree(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    connect(this, &QTreeWidget::itemClicked, this, &CategoryTree::nodeClicked);
}

void CategoryTree::build(TDM1& dm) {
    clear();
    auto* rootItem = new QTreeWidgetItem(this, {rootText()});
    rootItem->setIcon(0, style()->standardIcon(QStyle::SP_DirOpenIcon));
    const QIcon nodeIcon = style()->standardIcon(QStyle::SP_FileIcon);
    QStringList names;
    const Dataset& lb = *dm.AQlb1;
    const int column = lb.isOpen() ? lb.fieldIndex(QStringLiteral("lb")) : -1;
    if (column >= 0) {
        for (int r = 0; r < lb.count(); ++r)
            names << lb.text(r, column);
    } else {
        const auto rows = dm.db().rows(QStringLiteral("select lb from lb order by id"));
        for (const QVariantList& row : rows)
            names << row.value(0).toString();
    }
    for (const QString& name : names) {
        auto* item = new QTreeWidgetItem(rootItem, {name});
        item->setIcon(0, nodeIcon);
    }
    rootItem->setExpanded(true);
    setCurrentItem(rootItem);
}

QStringList CategoryTree::categories() const {
    QStringList out;
    if (QTreeWidgetItem* r = root())
        for (int i = 0; i < r->childCount(); ++i)
            out << r->child(i)->text(0);
    return out;
}

bool CategoryTree::clickNode(const QString& text) {
    QTreeWidgetItem* r = root();
    if (!r)
        return false;
    QTreeWidgetItem* hit = text == r->text(0) ? r : nullptr;
    for (int i = 0; !hit && i < r->childCount(); ++i)
        if (r->child(i)->text(0) == text)
            hit = r->child(i);
    if (!hit)
        return false;
    setCurrentItem(hit);
    Q_EMIT itemClicked(hit, 0);
    return true;
}

void CategoryTree::nodeClicked(QTreeWidgetItem* item) {
    if (!item)
        return;
    if (item->parent() == nullptr)
        Q_EMIT allClicked();
    else
        Q_EMIT categoryClicked(item->text(0));
}
