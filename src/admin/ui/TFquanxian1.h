#pragma once

#include <QDialog>
#include <QList>

class QCheckBox;
class QComboBox;
class QPushButton;
class TDM1;

// The permissions dialog "权限设置": choose an operator, tick the permissions, grant them.
class TFquanxian1 : public QDialog {
    Q_OBJECT
public:
    explicit TFquanxian1(TDM1& dm, QWidget* parent = nullptr);

    // Fills the operator list (runs when the window is first shown).
    void loadOperators();
    // Ticks the boxes of the permissions the chosen operator holds.
    void showPermissions();
    void tickAll(bool on);
    // 授权 as the button runs it.
    void grant();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TDM1& m_dm;
    QComboBox* m_operator = nullptr;
    QList<QCheckBox*> m_boxes; // CB1..CB9
    bool m_loaded = false;
};
