#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class TDM1;

// The login window "登录系统". exec() returns Accepted once an operator has logged in: the shared
// operators dataset AQyhsz1 is then open on that operator's row. Rejected means 取消 (or the
// operator list could not be read, after its message): the caller ends the program.
class TFdl1 : public QDialog {
    Q_OBJECT
public:
    explicit TFdl1(TDM1& dm, QWidget* parent = nullptr);

    // Fills ComboBox1 with every operator name; on failure shows the missing-database message
    // and rejects the window. Runs when the window is first shown.
    bool loadOperators();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void logIn();
    void finish(int result);

    TDM1& m_dm;
    QComboBox* m_user = nullptr;
    QLineEdit* m_password = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    bool m_loaded = false;
    bool m_finishing = false;
};
