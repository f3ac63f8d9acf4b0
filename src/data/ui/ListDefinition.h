#pragma once

#include "core/Money.h"
#include "data/Dataset.h"
#include "data/ListQuery.h"
#include "data/SqlText.h"
#include "data/ui/DatasetView.h"

#include <QColor>
#include <QList>
#include <QString>

#include <functional>

class RecordListWindow;

// Everything that makes one record list window what it is. A list window is its definition:
//
//   ListDefinition d;
//   d.objectName = "TFghs1";  d.title = "厂商资料";  d.dataset = dm.AQghs1;
//   d.selectLine = "SELECT * FROM ghs";
//   d.toolBar = {{"导入"}, {"新增"}, {"修改"}, {"删除"}, {"查询"}, {"打印"}, {"导出"}, {"关闭"}};
//   d.deleteQuestion = "确定要删除此厂商么？";
//   d.query.fields = {ListQuery::Field::text("Edit1", "名称", "where mc like?"), ...};
//
// The common commands (新增 修改 删除 反审 查询 打印 导出 导入 关闭) are recognised by their
// caption and run their common checks; what they then do for the table comes from the hooks
// below. Any other caption runs its own `run`.
struct ListCommand {
    QString caption;
    QString objectName = {}; // "SB55"; a default name is given when empty
    QString hint = {};
    // Window-specific commands: what the command does. Common commands: when set, replaces the
    // common behaviour entirely (checks included).
    std::function<void(RecordListWindow&)> run = {};
};

// One square of the legend: its colour and what it means ("不打折商品").
struct LegendEntry {
    QColor colour;
    QString text;
};

// One total of the status bar: the SQL summed ("sl", "se-ze") and its caption ("数量").
struct ListTotal {
    QString sum;
    QString caption = {};
    // Adds the total up over the rows (after a delete); by default sums the fields of `sum`
    // ("se-ze" is sum(se) - sum(ze)).
    std::function<Money(const Dataset&)> fromRows = {};
};

// The spreadsheet import a list offers (导入): dialog caption, table code and proposed file.
struct ListImport {
    QString caption;  // "导入厂商资料"
    QString table;    // "ghs"
    QString template_; // "数据导入模版/厂商资料.xls", relative to the program's folder
};

// The print form of a list (打印): its name and report title.
struct ListPrint {
    QString form;  // "TFdyghs1"
    QString title; // "厂商信息表"
};

struct ListDefinition {
    QString objectName; // the form name, e.g. "TFghs1"
    QString title;      // the window title, e.g. "厂商资料"
    Dataset* dataset = nullptr;

    // --- rows -------------------------------------------------------------------------------
    QString selectLine; // "SELECT * FROM ghs"
    // Adds the default condition lines after the select line when the window opens (today's
    // records: "where rq=?" with Clock::todayText()). Empty: all rows.
    std::function<void(SqlText&)> defaultCondition = {};
    QString orderLine = QStringLiteral("order by id");
    // Statistics windows show nothing until 统计.
    bool openOnShow = true;

    // --- grid -------------------------------------------------------------------------------
    QList<GridColumn> columns; // empty: every field but the id
    Dataset::RowStyle rowStyle = {};
    QList<LegendEntry> legend;
    bool titleSorting = true;
    DatasetView::EnterKey gridEnter = DatasetView::EnterKey::Ignored;

    // --- status bar -----------------------------------------------------------------------------
    // Empty: "记录数：" and the row count. Otherwise "总计" and one panel per total.
    QList<ListTotal> totals;
    // Statistics: the totals are added up from the result rows instead of a sum query.
    bool totalsFromRows = false;
    QString note; // at the right end, e.g. "默认显示当天数据"

    // --- commands ---------------------------------------------------------------------------
    QList<ListCommand> toolBar; // in tool-bar order
    // Popup menu of the grid; "删除" and "反审核" run the common 删除 and 反审.
    QList<ListCommand> popup;
    // Double-click on a row runs this command ("修改"; "明细" for statistics); empty: nothing.
    QString doubleClick = QStringLiteral("修改");
    // Statistics windows: "请先统计" in place of "请先查询" in the checks.
    bool statistics = false;
    // The table has the audit flag shbj: 修改 refuses audited rows.
    bool audited = false;
    // 新增 first checks that the dataset is open.
    bool addNeedsOpenDataset = false;
    // The delete confirmation, e.g. "确定要删除此厂商么？".
    QString deleteQuestion = QStringLiteral("确定要删除么？");

    ListQuery::Definition query; // the dialog of 查询 (when it has fields)
    ListImport import;
    ListPrint print;

    // --- hooks: the table's own steps, called after the common checks passed -----------------
    // 新增 / 修改: opens the entry dialog with the mode text "新增" or "修改".
    std::function<void(RecordListWindow&, const QString& mode)> entry = {};
    // 删除: a refusal of the window's own (shows its message and returns false).
    std::function<bool(RecordListWindow&)> canDelete = {};
    // 删除: deletes the current row (default: the dataset's remove()).
    std::function<void(RecordListWindow&)> deleteRow = {};
    // 反审: confirms and reverses the current row.
    std::function<void(RecordListWindow&)> reverseAudit = {};
    // 查询: a window's own query dialog in place of the one built from `query`.
    std::function<void(RecordListWindow&)> queryDialog = {};
};
