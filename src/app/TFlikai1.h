#pragma once

#include <QDialog>

#include <functional>

class QLineEdit;
class QPushButton;
class TDM1;

// The lock window: covers the program until the current operator's password is entered again.
// exec() returns Accepted when unlocked. 取消 ends the program at once (no exit question, no
// backup question): the window is rejected and the end-program hook runs. Neither Alt+F4 nor any
// other close request unlocks it.
class TFlikai1 : public QDialog {
    Q_OBJECT
public:
    TFlikai1(TDM1& dm, const QString& operatorName, QWidget* parent = nullptr);

    // What 取消 runs after rejecting the window; by default QCoreApplication::exit(0). Tests
    // replace it; an empty function restores the default.
    static void setEndProgramHook(std::function<void()> hook);

Q_SIGNALS:
    // Emitted by 取消 just before the end-program hook runs.
    void endProgramRequested();

public Q_SLOTS:
    // Ignored: only the password or 取消 leave the window.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void unlock();
    void cancel();

    TDM1& m_dm;
    QLineEdit* m_user = nullptr;
    QLineEdit* m_password = nullptr;
    QPushButton* m_unlock = nullptr;
    QPushButton* m_cancel = nullptr;
    bool m_finishing = false;
};
