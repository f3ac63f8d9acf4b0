#include "data/ui/ProductBrowser.h"

#include "data/DM1.h"
#include "data/ui/CategoryTree.h"
#include "data/ui/Command.h"
#include "data/ui/DatasetView.h"

#include <QBoxLayout>

PickerPanel::Search ProductBrowser::productSearch() {
    Search s;
    s.selectLine = QStringLiteral("SELECT * FROM sp");
    s.line1 = QStringLiteral("where ppgg like ?");
    s.line2 = QStringLiteral("and txm like ?");
    s.label1 = QStringLiteral("按商品名称查询");
    s.label2 = QStringLiteral("按商品编码查询");
    return s;
}

ProductBrowser::ProductBrowser(TDM1& dm, QWidget* parent)
    : PickerPanel(dm.AQsp1, productSearch(), parent) {
    m_tree = new CategoryTree(this);
    m_tree->setObjectName(QStringLiteral("TreeView1"));
    m_tree->setFixedWidth(150);
    runCommand(this, [&] { m_tree->build(dm); });
    body()->insertWidget(0, m_tree);
    // The tree comes after the search boxes and the grid in the tab order, so Enter in the
    // name box still moves on to the code box.
    setTabOrder(grid(), m_tree);

    connect(m_tree, &CategoryTree::allClicked, this, [this] { showAll(); });
    connect(m_tree, &CategoryTree::categoryClicked, this,
            [this](const QString& category) { showCategory(category); });
}

bool ProductBrowser::showAll() { return showRows(SqlText(QStringLiteral("select * from sp"))); }

bool ProductBrowser::showCategory(const QString& category) {
    SqlText q(QStringLiteral("select * from sp"));
    q.add(QStringLiteral("where lb=?"), category);
    return showRows(q);
}

bool ProductBrowser::showRows(const SqlText& query) {
    clearBoxes();
    const bool ok = runCommand(this, [&] { dataset()->open(query); });
    grid()->setFocus();
    return ok;
}
