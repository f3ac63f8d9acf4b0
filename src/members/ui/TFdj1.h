#pragma once

#include "core/Money.h"

#include <QDialog>

#include <functional>

class DatasetView;
class QPushButton;
class TDM1;

// 会员等级设置: the level list on AQdj1, opened from the member entry dialog and serving as its
// level picker. 选择 (button, Enter or double-click in the grid) hands the current level's name
// and discount to the caller and closes; 新增 opens TFtjdj1; 删除 refuses the walk-in level.
class TFdj1 : public QDialog {
    Q_OBJECT
public:
    using Chosen = std::function<void(const QString& level, Money discount)>;

    TFdj1(TDM1& dm, QWidget* parent = nullptr, Chosen chosen = {});

    DatasetView* grid() const { return m_grid; }

    // The commands as the buttons run them.
    bool choose();
    void add();
    void remove();
    // "SELECT * FROM dj", "order by id"; false when the engine refused (message shown).
    bool showRows();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TDM1& m_dm;
    Chosen m_chosen;
    DatasetView* m_grid;
    QPushButton* m_choose;
    QPushButton* m_add;
    QPushButton* m_delete;
    QPushButton* m_close;
};
