#pragma once

#include "data/SqlText.h"

#include <QWidget>

class Dataset;
class DatasetView;
class QBoxLayout;
class QLabel;
class QLineEdit;

// The search part of a picker: two search boxes and the grid on the table's shared dataset.
// Every change of either box (each keystroke) re-queries the dataset with the boxes' texts bound
// to the two like conditions, so an open list window of the same table shows the same rows.
//
// Enter in box 1 moves to box 2 (the window's Keyboard helper does that); Enter in box 2 and
// Enter or a double-click in the grid ask the window to choose (chooseRequested), also on an
// empty grid, where choosing warns. The grid sorts on title clicks.
//
// Used by the modal pickers (PickerDialog) and, with the category tree, by ProductBrowser.
class PickerPanel : public QWidget {
    Q_OBJECT
public:
    struct Search {
        QString selectLine; // "SELECT * FROM kh"
        QString line1;      // "where bm like?": box 1 bound as "%" + text + "%"
        QString line2;      // "and mc  like ?": box 2 likewise
        QString label1;     // "按会员卡号查询"
        QString label2;     // "按会员姓名查询"
        QString orderLine = QStringLiteral("order by id");
    };

    PickerPanel(Dataset* dataset, const Search& searchSetup, QWidget* parent = nullptr);

    Dataset* dataset() const { return m_dataset; }
    QLineEdit* box1() const { return m_box1; }
    QLineEdit* box2() const { return m_box2; }
    DatasetView* grid() const { return m_grid; }

    // The query of the boxes' current texts.
    SqlText query() const;
    // Runs the query of the boxes (each keystroke, the hidden 查询). False when the engine
    // refused; its message has been shown.
    bool search();
    // Empties both boxes and searches: every row (the picker being shown).
    bool reset();
    // Empties both boxes without searching.
    void clearBoxes();

Q_SIGNALS:
    void chooseRequested();

protected:
    // The row below the search boxes that holds the grid; a subclass may put a widget before it.
    QBoxLayout* body() const { return m_body; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Dataset* m_dataset;
    Search m_search;
    QLabel* m_label1;
    QLabel* m_label2;
    QLineEdit* m_box1;
    QLineEdit* m_box2;
    DatasetView* m_grid;
    QBoxLayout* m_body;
};
