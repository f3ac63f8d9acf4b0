#pragma once

#include <QTreeWidget>

class TDM1;

// The category tree of the product windows: one root "全部类别" and one child per product
// category in the order of the categories' dataset. Built once (the windows build it when they
// are created; categories added later show when the window is opened again).
class CategoryTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit CategoryTree(QWidget* parent = nullptr);

    // Fills the tree from the categories' dataset `AQlb1`: its rows as they stand when it is
    // open, otherwise every category in entry order (read without opening the shared dataset).
    // An engine error leaves only the root and is thrown on (DbError).
    void build(TDM1& dm);

    QTreeWidgetItem* root() const { return topLevelItem(0); }
    // The category nodes' texts, in order.
    QStringList categories() const;
    // Clicks the node of that text ("全部类别" for the root) as a person would; false when there
    // is none.
    bool clickNode(const QString& text);

    static QString rootText() { return QStringLiteral("全部类别"); }

Q_SIGNALS:
    // The root was clicked.
    void allClicked();
    // A category node was clicked.
    void categoryClicked(const QString& category);

private:
    void nodeClicked(QTreeWidgetItem* item);
};
