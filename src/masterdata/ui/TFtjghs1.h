#pragma once

#include <QDialog>
#include <QList>

class QLabel;
class QLineEdit;
class QPushButton;
class TDM1;

// 新增厂商资料 / 修改厂商资料: the supplier entry dialog on the shared dataset AQghs1.
//
// Boxes Edit1 名称, Edit2 联系人, Edit3 联系方式, Edit4 联系地址, Edit5 传真号码, Edit6 邮政编码
// (at most six digits), Edit7 开户银行, Edit8 银行帐号, Edit9 备注说明; buttons 保存 (BitBtn1)
// and 关闭 (BitBtn2); the hidden mode text ST1. Enter moves on, Enter in Edit9 presses 保存,
// Esc presses 关闭.
//
// 保存 in mode "新增" adds the supplier and stays open with empty boxes for the next one; in
// mode "修改" it writes the current row and closes.
//
//   TFtjghs1 d(dm, this);
//   d.setMode("修改"); // fills the boxes from the current supplier
//   DialogRunner::exec(d);
class TFtjghs1 : public QDialog {
    Q_OBJECT
public:
    static QString addMode() { return QStringLiteral("新增"); }
    static QString modifyMode() { return QStringLiteral("修改"); }

    explicit TFtjghs1(TDM1& dm, QWidget* parent = nullptr);

    // Sets the mode text and the title; "新增" empties every box, "修改" fills them from the
    // current row of AQghs1.
    void setMode(const QString& mode);
    QString mode() const;

    // 保存 as the button runs it: true when the supplier was saved.
    bool save();

    // The new-record opener for the pickers' 新增.
    static void openNew(TDM1& dm, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void setBoxText(int index, const QString& text);

    TDM1& m_dm;
    QLabel* m_mode;
    QList<QLineEdit*> m_boxes; // Edit1 .. Edit9, in the order of Suppliers::fields()
    QPushButton* m_save;
    QPushButton* m_close;
};
