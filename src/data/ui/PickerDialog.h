#pragma once

#include "data/ui/PickerRoute.h"

#include <QDialog>

class Dataset;
class PickerPanel;
class QLineEdit;
class QPushButton;
class TDM1;

// A modal picker of master data (选择商品资料, 选择会员资料 ...): the search panel, the buttons
// 选择, 新增, 关闭 and a hidden 查询, and the hidden caller code `xzbj`.
//
// The caller creates the picker with its caller code and itself as parent, and runs it:
//
//   TFghs2 picker(dm, "tjcg", this); // fills this dialog's Edit1 with the supplier's mc
//   DialogRunner::exec(picker);
//
// 选择 warns when the list is empty and stays open; otherwise it delivers the current row to
// the caller as the caller code's route says (by default into the caller's boxes; a concrete
// picker also takes a typed callback) and closes. A caller code without a route copies nothing
// and just closes. However the picker closes, a route with a lookup switch sets the caller's
// switch back to "sao".
//
// Keyboard: Enter in box 1 moves to box 2, Enter in box 2 and Enter or a double-click in the
// grid press 选择, Esc presses 关闭. When shown, both boxes are emptied and every row is listed.
class PickerDialog : public QDialog {
    Q_OBJECT
public:
    struct Setup {
        QString objectName;   // "TFkh2"
        QString title;        // "选择会员资料"
        QString table;        // "kh": whose entry dialog 新增 opens (NewRecordDialogs)
        QString emptyMessage; // "没有会员可选择！"
        PickerRoutes routes;
        QSize size = {720, 460};
    };

    // Takes the panel over. `caller` is the parent and receives the choice.
    PickerDialog(TDM1& dm, const Setup& setup, PickerPanel* panel, const QString& xzbj,
                 QWidget* caller);

    TDM1& dm() const { return m_dm; }
    PickerPanel* panel() const { return m_panel; }
    Dataset& dataset() const;
    QWidget* caller() const { return m_caller; }

    // The hidden caller code and its route (null when the code has none).
    QString callerCode() const;
    const PickerRoute* route() const;
    const PickerRoutes& routes() const { return m_setup.routes; }

    QPushButton* chooseButton() const { return m_choose; }
    QPushButton* addButton() const { return m_add; }
    QPushButton* closeButton() const { return m_close; }

    // 选择: true when the picker delivered (or, for an unknown caller code, closed).
    bool choose();
    // 新增: opens the table's entry dialog in mode "新增" (disabled when none is registered).
    void addNew();

protected:
    // Hands the dataset's current row to the caller along the route.
    virtual void deliver(const PickerRoute& route) = 0;

    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    TDM1& m_dm;
    Setup m_setup;
    PickerPanel* m_panel;
    QWidget* m_caller;
    QLineEdit* m_xzbj;
    QPushButton* m_choose;
    QPushButton* m_add;
    QPushButton* m_close;
    QPushButton* m_search;
};
