#pragma once

#include "data/ui/RecordListWindow.h"

class CategoryTree;
class TDM1;

// 商品资料: the product list on AQsp1 with the category tree at its left. The tree is built once,
// when the window is created; a node click lists that category's products (the root all of
// them). Rows marked "不打折" are red. The popup offers 删除 and the two discount flags.
//
// The window always shows stock quantity, cost and value, whatever the operator's stock settings.
class TFsp1 : public RecordListWindow {
    Q_OBJECT
public:
    explicit TFsp1(TDM1& dm, QWidget* parent = nullptr);

    static ListDefinition listDefinition(TDM1& dm);

    CategoryTree* tree() const { return m_tree; }

    // The list of a tree node: a category's products, or every product for an empty category
    // (the root "全部类别"). False when the engine refused (message shown).
    bool showCategory(const QString& category);

    // 改标记：不打折 / 改标记：打折 on the current row.
    void markDiscount(bool discountApplies);

private:
    CategoryTree* m_tree;
};
