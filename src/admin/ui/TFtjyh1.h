#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class TDM1;

// The operator dialog in its three modes (the hidden mode text ST1):
// - "新增操作员": a new operator, name and password twice; stays open after each save;
// - "修改操作员": the current operator of AQyhsz1, old password and new password;
// - "更改我的密码": the logged-in operator changes the own password.
class TFtjyh1 : public QDialog {
    Q_OBJECT
public:
    static QString addMode() { return QStringLiteral("新增操作员"); }
    static QString modifyMode() { return QStringLiteral("修改操作员"); }
    static QString ownPasswordMode() { return QStringLiteral("更改我的密码"); }

    explicit TFtjyh1(TDM1& dm, QWidget* parent = nullptr);

    // Sets the mode text, the window caption and the labels that go with the mode, puts the name
    // into Edit1 (read-only unless adding) and empties the password fields.
    void setMode(const QString& mode, const QString& operatorName = {});
    QString mode() const;

    // 更改我的密码 for the logged-in operator: opens the dialog modally and returns when it closes.
    static void changeMyPassword(TDM1& dm, const QString& operatorName, QWidget* parent);

    // 保存 as the button runs it.
    void save();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void saveNew();
    void saveModified();
    void saveOwnPassword();

    TDM1& m_dm;
    QLabel* m_mode = nullptr; // ST1, hidden
    QLabel* m_nameLabel = nullptr;
    QLabel* m_firstLabel = nullptr;
    QLabel* m_secondLabel = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_first = nullptr;
    QLineEdit* m_second = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_close = nullptr;
};
