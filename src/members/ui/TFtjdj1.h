#pragma once

#include <QDialog>

class NumberBox;
class QLineEdit;
class QPushButton;
class TDM1;

// 新增会员等级: adds levels to AQdj1 (等级 Edit1, 折扣 Edit2). Stays open for the next level;
// the level list behind it shows each new level at once.
class TFtjdj1 : public QDialog {
    Q_OBJECT
public:
    explicit TFtjdj1(TDM1& dm, QWidget* parent = nullptr);

    // 保存 as the button runs it: true when the level was added.
    bool save();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TDM1& m_dm;
    QLineEdit* m_level;
    NumberBox* m_discount;
    QPushButton* m_save;
    QPushButton* m_close;
};
