#pragma once

#include "data/ListQuery.h"
#include "data/SqlText.h"

#include <QDialog>
#include <QList>

#include <functional>

class QCheckBox;
class QDateEdit;
class QPushButton;

// The query-conditions dialog (按条件查询, 按条件统计), built from a ListQuery::Definition: the
// date range ("日期从", from one month before today to today, not ticked) above the text and
// choice boxes, and the buttons 查询 and 关闭. Enter moves from box to box and in the last box
// presses 查询; Esc presses 关闭.
//
// 查询 builds the select line and the conditions and hands them to `run` (the list window
// runs its totals and rows with them); when that succeeds the dialog closes.
class QueryDialog : public QDialog {
    Q_OBJECT
public:
    using Runner = std::function<bool(const SqlText& conditions)>;

    QueryDialog(const ListQuery::Definition& definition, const QString& selectLine, Runner run,
                QWidget* parent = nullptr);

    // What the boxes hold now.
    ListQuery::Input input() const;
    // The select line followed by the condition lines for the boxes as they are.
    SqlText conditions() const;

    QPushButton* queryButton() const { return m_query; }
    QPushButton* closeButton() const { return m_close; }

public Q_SLOTS:
    void runQuery();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void startDateChosen();
    void endDateChosen();

    ListQuery::Definition m_definition;
    QString m_selectLine;
    Runner m_run;
    QList<QWidget*> m_boxes; // one per field
    QCheckBox* m_dateOn = nullptr;
    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QPushButton* m_query = nullptr;
    QPushButton* m_close = nullptr;
};
