#pragma once

#include "data/ui/PickerPanel.h"

class CategoryTree;
class TDM1;

// The product search of the product pickers: the category tree at the left, the two search
// boxes (name, code) and the grid on the shared product dataset `AQsp1`. The modal picker TFsp2
// and the sales entry's picker TFsp3 both show one.
//
// Clicking a tree node empties both boxes and lists "select * from sp", for a category with
// "where lb=?" bound to the node's text, in the engine's order; the focus goes to the grid.
class ProductBrowser : public PickerPanel {
    Q_OBJECT
public:
    // Builds the tree from the categories as they stand now.
    explicit ProductBrowser(TDM1& dm, QWidget* parent = nullptr);

    CategoryTree* tree() const { return m_tree; }

    // The list of a tree node: every product, or the products of one category. False when the
    // engine refused (message shown).
    bool showAll();
    bool showCategory(const QString& category);

    static Search productSearch();

private:
    bool showRows(const SqlText& query);

    CategoryTree* m_tree;
};
