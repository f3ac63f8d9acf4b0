#pragma once

#include "core/Money.h"
#include "data/ui/Command.h"
#include "data/ui/ListDefinition.h"

#include <QList>
#include <QWidget>

#include <utility>

class DatasetView;
class QLabel;
class QMenu;
class QStatusBar;
class QToolButton;

// A record list window: the tool bar of its commands with the legend at its left, the grid on
// the table's shared dataset and the status bar of row count or totals. What it shows and which
// commands it offers come from its ListDefinition; each list window is a small class that
// passes its definition here (TFghs1, TFcgfx1 ...).
//
// The common commands check their state first (dataset open, rows there, audited row) with the
// fixed warnings, then call the definition's hooks. Closing the window (关闭, Esc, the close box)
// closes the dataset.
class RecordListWindow : public QWidget {
    Q_OBJECT
public:
    explicit RecordListWindow(ListDefinition definition, QWidget* parent = nullptr);
    ~RecordListWindow() override;

    const ListDefinition& definition() const { return m_def; }
    Dataset& dataset() const { return *m_def.dataset; }
    DatasetView* grid() const { return m_grid; }

    // Shows the default rows: the totals of the default condition first (record windows), then
    // the rows. Runs when the window is first shown.
    void openDefault();
    // Runs a query of the window: `conditions` is the select line and the condition lines. The
    // totals query of the same conditions runs first, then the rows ("order by id"), and the
    // status bar is written. False when the engine refused (its message has been shown).
    bool runQuery(const SqlText& conditions);

    // --- status bar ---------------------------------------------------------------------------
    // Writes the row count, or adds the totals up over the rows shown.
    void refreshStatus();
    // Writes the totals (in the order of the definition's totals).
    void setTotals(const QList<Money>& totals);
    // Panel i of the status bar: "记录数：", count; or "总计", caption, total, caption, total ...
    // and the note last.
    QString panelText(int index) const;
    QLabel* panel(int index) const;
    int panelCount() const { return int(m_panels.size()); }

    // --- commands -----------------------------------------------------------------------------
    // Runs the command with that caption as its tool button or menu item does. False when the
    // window has no such command.
    bool runCommand(const QString& caption);
    // The shared command runner (data/ui/Command.h), visible in list windows despite the
    // overload above.
    template <typename F> bool runCommand(QWidget* parent, F&& command) {
        return ::runCommand(parent, std::forward<F>(command));
    }
    QToolButton* commandButton(const QString& caption) const;

    // The common commands, callable by windows that offer them elsewhere (popup, keys).
    void add();
    void modify();
    void remove();
    void reverseAudit();
    void query();
    void print();
    void exportRows();
    void importRows();
    void closeWindow();

    // The checks before a command: the dataset is open ("数据表未打开，请先查询！") and, with
    // `noRowsText`, has rows. Shows the warning and returns false when not.
    bool checkOpen();
    bool checkRows(const QString& noRowsText);

    // The text naming the query step in messages: "查询", or "统计" for statistics windows.
    QString stepText() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildToolBar(QWidget* bar);
    void buildStatusBar();
    void execute(const ListCommand& command);
    void showPopup(const QPoint& pos);
    QString totalsSelect() const;
    Money totalFromRows(const ListTotal& total) const;

    ListDefinition m_def;
    DatasetView* m_grid = nullptr;
    QStatusBar* m_statusBar = nullptr;
    QList<QLabel*> m_panels;
    QList<QLabel*> m_totalPanels;
    QList<QToolButton*> m_buttons;
    bool m_shown = false;
};
