#pragma once

#include "data/ui/DatasetView.h"
#include "data/ui/PickerRoute.h"

#include <QDialog>

#include <functional>

class Dataset;
class QLineEdit;
class QPushButton;

// A small maintenance list that is at the same time a picker (商品类别设置, 计量单位设置 ...):
// the grid of one table with the buttons 选择, 新增, 删除, 关闭 and the popup 修改, 删除.
//
// - On show: "SELECT * FROM <table>", "order by id".
// - 选择 (button, Enter or double-click in the grid): warns when the list has no rows and stays
//   open; otherwise copies the current row into the caller's boxes along the route of the caller
//   code `xzbj` (nothing for a code without a route) and closes.
// - 新增 / 修改: the entry hook opens the table's entry dialog with the mode "新增" / "修改"
//   (修改 first warns when there are no rows).
// - 删除: warns when there are no rows, asks, and deletes the current row.
// - Esc presses 关闭.
class ValueListDialog : public QDialog {
    Q_OBJECT
public:
    struct Setup {
        QString objectName; // "TFdw1"
        QString title;      // "计量单位设置"
        Dataset* dataset = nullptr;
        QString selectLine; // "SELECT * FROM dw"
        QList<GridColumn> columns;
        bool titleSorting = true;
        QString noRowsToChoose; // "没有单位可选择！"
        QString noRowsToModify;
        QString noRowsToDelete;
        QString deleteQuestion; // "确定要删除此单位么？"
        PickerRoutes routes;
        // Opens the entry dialog with the mode text "新增" or "修改".
        std::function<void(ValueListDialog&, const QString& mode)> entry;
        QSize size = {300, 380};
    };

    ValueListDialog(const Setup& setup, const QString& xzbj, QWidget* caller);

    Dataset& dataset() const { return *m_setup.dataset; }
    DatasetView* grid() const { return m_grid; }
    QWidget* caller() const { return m_caller; }
    QString callerCode() const;

    QPushButton* chooseButton() const { return m_choose; }
    QPushButton* addButton() const { return m_add; }
    QPushButton* deleteButton() const { return m_delete; }
    QPushButton* closeButton() const { return m_close; }

    // The commands as the buttons and the popup run them.
    bool choose();
    void add();
    void modify();
    void remove();
    // Runs the popup item of that caption (修改, 删除); false when there is none.
    bool runPopup(const QString& caption);

    // The list query: every row in entry order. False when the engine refused (message shown).
    bool showRows();

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool hasRows() const;
    void showPopup(const QPoint& pos);

    Setup m_setup;
    QWidget* m_caller;
    QLineEdit* m_xzbj;
    DatasetView* m_grid;
    QPushButton* m_choose;
    QPushButton* m_add;
    QPushButton* m_delete;
    QPushButton* m_close;
};
