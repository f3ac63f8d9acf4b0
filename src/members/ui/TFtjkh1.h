#pragma once

#include <QDialog>

class NumberBox;
class PickerBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class TDM1;

// 新增会员资料 / 修改会员资料: the member entry dialog on AQkh1. The boxes are named after their
// fields (bm, mc, xb, csrq, zj, yb, lxdh, lxdz, dj, zk, zjf, zxf, bz). The level comes from the
// level list TFdj1, which copies the level's discount into zk.
//
// Mode "新增" (the hidden text ST1) adds a member and stays open for the next one, keeping sex,
// level and discount; mode "修改" changes the current member and closes.
//
//   TFtjkh1 d(dm, this);
//   d.setMode("修改"); // fills the boxes from the current member
//   DialogRunner::exec(d);
class TFtjkh1 : public QDialog {
    Q_OBJECT
public:
    static QString addMode() { return QStringLiteral("新增"); }
    static QString modifyMode() { return QStringLiteral("修改"); }

    explicit TFtjkh1(TDM1& dm, QWidget* parent = nullptr);

    // Sets the mode text and the title; "新增" puts every box at its default, "修改" fills the
    // boxes from the current member of AQkh1.
    void setMode(const QString& mode);
    QString mode() const;

    // 保存 as the button runs it: true when the member was saved.
    bool save();
    // Opens the level list; a chosen level fills 会员等级 and 会员折扣.
    void pickLevel();

    // The new-record opener for the pickers' 新增.
    static void openNew(TDM1& dm, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void setDefaults();
    void fillFromCurrent();

    TDM1& m_dm;
    QLabel* m_mode;
    QLineEdit* m_bm;
    QLineEdit* m_mc;
    QComboBox* m_xb;
    QLineEdit* m_csrq;
    QLineEdit* m_zj;
    QLineEdit* m_yb;
    QLineEdit* m_lxdh;
    QLineEdit* m_lxdz;
    PickerBox* m_dj;
    QToolButton* m_pickLevel;
    QLineEdit* m_zk;
    NumberBox* m_zjf;
    NumberBox* m_zxf;
    QLineEdit* m_bz;
    QPushButton* m_save;
    QPushButton* m_close;
};
