#pragma once

#include <QDialog>

class CodeBox;
class NumberBox;
class PickerBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class TDM1;

// 新增商品资料 / 修改商品资料: the product entry dialog on the shared product dataset AQsp1.
//
// Boxes Edit1 类别 (category picker TFlb1), Edit2 商品名称, Edit3 商品编码 (shows "无" when
// emptied), Edit4 计量单位 (unit picker TFdw1, caller code "tjsp"), number boxes Edit5 采购单价 to
// Edit11 积分基数, Edit12 商品描述, Edit13 备注说明; buttons 保存 (BitBtn1) and 关闭 (BitBtn2);
// the hidden mode text ST1. Enter moves on, Enter in Edit13 presses 保存, Esc presses 关闭.
//
// 保存 in mode "新增" adds the product and keeps the dialog open for the next one of the same
// category and unit (the code box shows "无" again, the focus goes to the name); in mode "修改"
// it writes the list's current row and closes.
class TFtjsp1 : public QDialog {
    Q_OBJECT
public:
    explicit TFtjsp1(TDM1& dm, QWidget* parent = nullptr);

    static QString addMode() { return QStringLiteral("新增"); }
    static QString modifyMode() { return QStringLiteral("修改"); }

    // Sets the mode text and the title. "新增" puts every box at its default; "修改" fills
    // every box from the current row of AQsp1.
    void setMode(const QString& mode);
    QString mode() const;

    // Opens the dialog modally in mode "新增" (the pickers' 新增) and returns when it closes.
    static void openNew(TDM1& dm, QWidget* parent);

    // 保存 as the button runs it.
    void save();
    // The category and unit pickers, as their boxes and buttons open them.
    void pickCategory();
    void pickUnit();

protected:
    void showEvent(QShowEvent* event) override;

private:
    NumberBox* numberBox(const QString& field) const;

    TDM1& m_dm;
    QLabel* m_mode = nullptr;
    PickerBox* m_category = nullptr; // Edit1
    QLineEdit* m_name = nullptr;     // Edit2
    CodeBox* m_code = nullptr;       // Edit3
    PickerBox* m_unit = nullptr;     // Edit4
    QList<NumberBox*> m_numbers;     // Edit5 .. Edit11: jj xj slt jet kcsl kcjg jfjs
    QLineEdit* m_description = nullptr; // Edit12
    QLineEdit* m_remark = nullptr;      // Edit13
    QPushButton* m_save = nullptr;
    QPushButton* m_close = nullptr;
};
