#pragma once

#include <QDialog>

class DatasetView;
class QPushButton;
class QStyledItemDelegate;
class TDM1;

// The operator list "操作员设置" on the shared operators dataset AQyhsz1. The password column
// shows a mask, never the stored hash. Its sub-dialogs run through DialogRunner.
class TFyhsz1 : public QDialog {
    Q_OBJECT
public:
    TFyhsz1(TDM1& dm, QWidget* parent = nullptr);

    // The commands of the buttons.
    void addOperator();
    void modifyOperator();
    void deleteOperator();
    void openPermissions();

    // The text the password column shows for every operator.
    static QString passwordMask() { return QStringLiteral("******"); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void applyColumns();

    TDM1& m_dm;
    DatasetView* m_grid = nullptr;
    QStyledItemDelegate* m_mask = nullptr;
    bool m_shown = false;
};
