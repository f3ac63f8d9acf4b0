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

// 新增赠品资料 / 修改赠品资料: the gift entry dialog on AQzp1: 赠品名称 Edit1, 赠品编码 Edit2
// ("无" when emptied), 计量单位 Edit3 (from the unit list TFdw1, caller code "tjzp"),
// 库存数量 Edit4, 库存单价 Edit5, 所需积分 Edit6.
//
// Mode "新增" (the hidden text ST1) adds a gift and stays open for the next one; mode "修改"
// changes the current gift and closes. After each save the open gift list's totals are added
// up again.
class TFtjzp1 : public QDialog {
    Q_OBJECT
public:
    static QString addMode() { return QStringLiteral("新增"); }
    static QString modifyMode() { return QStringLiteral("修改"); }

    explicit TFtjzp1(TDM1& dm, QWidget* parent = nullptr);

    // Sets the mode text and the title; "新增" puts every box at its default, "修改" fills the
    // boxes from the current gift of AQzp1.
    void setMode(const QString& mode);
    QString mode() const;

    // 保存 as the button runs it: true when the gift was saved.
    bool save();
    // Opens the unit list with the caller code "tjzp".
    void pickUnit();

    // The new-record opener for the pickers' 新增.
    static void openNew(TDM1& dm, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void setDefaults();
    void fillFromCurrent();
    QWidget* boxOf(const QString& field) const;

    TDM1& m_dm;
    QLabel* m_mode;
    QLineEdit* m_name;
    CodeBox* m_code;
    PickerBox* m_unit;
    QToolButton* m_pickUnit;
    NumberBox* m_quantity;
    NumberBox* m_cost;
    NumberBox* m_points;
    QPushButton* m_save;
    QPushButton* m_close;
};
