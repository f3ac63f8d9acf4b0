#pragma once

#include <QDialog>

class NumberBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TDM1;

// 新增员工资料 / 修改员工资料: the employee entry dialog on the shared dataset AQyg1.
//
// Boxes Edit1 姓名, ComboBox1 性别 (男 / 女), Edit2 职务, Edit3 部门, Edit4 电话, Edit5 住址,
// Edit6 基本工资 (number box), Edit7 身份证号 (digits only), Edit8 备注说明; buttons 保存
// (BitBtn1) and 关闭 (BitBtn2); the hidden mode text ST1. Enter moves on, Enter in Edit8 presses
// 保存, Esc presses 关闭.
//
// 保存 in mode "新增" adds the employee and stays open for the next one of the same sex; in mode
// "修改" it writes the current row and closes.
class TFtjyg1 : public QDialog {
    Q_OBJECT
public:
    static QString addMode() { return QStringLiteral("新增"); }
    static QString modifyMode() { return QStringLiteral("修改"); }

    explicit TFtjyg1(TDM1& dm, QWidget* parent = nullptr);

    // Sets the mode text and the title; "新增" puts every box at its default (sex "男", salary
    // "0"), "修改" fills them from the current row of AQyg1.
    void setMode(const QString& mode);
    QString mode() const;

    // 保存 as the button runs it: true when the employee was saved.
    bool save();

    // The new-record opener for the pickers' 新增.
    static void openNew(TDM1& dm, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    TDM1& m_dm;
    QLabel* m_mode;
    QLineEdit* m_xm;  // Edit1
    QComboBox* m_xb;  // ComboBox1
    QLineEdit* m_zw;  // Edit2
    QLineEdit* m_bm;  // Edit3
    QLineEdit* m_dh;  // Edit4
    QLineEdit* m_dz;  // Edit5
    NumberBox* m_jbgz; // Edit6
    QLineEdit* m_sfz; // Edit7
    QLineEdit* m_bz;  // Edit8
    QPushButton* m_save;
    QPushButton* m_close;
};
