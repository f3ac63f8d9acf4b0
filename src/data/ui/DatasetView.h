#pragma once

#include <QTableView>

class Dataset;

// The read-only grid every list window and picker shows a shared Dataset in. It binds the
// Dataset's own selection model, so every grid on the table moves one current row.
//
// Clicking a column title sorts the rows in memory: ascending, then descending, then ascending
// again; another column starts ascending. The clicked title turns bold and stays bold across
// queries until the next click. Nothing happens while the dataset is closed.
class DatasetView : public QTableView {
    Q_OBJECT
public:
    enum class EnterKey {
        MovesOn, // Enter moves the focus on, as Tab does (lists of master data)
        Chooses, // Enter chooses the current row (pickers): emits rowChosen
        Ignored,
    };

    explicit DatasetView(QWidget* parent = nullptr);

    void setDataset(Dataset* dataset);
    Dataset* dataset() const { return m_dataset; }

    // Title-click sorting is on by default; the unit-of-measure list turns it off.
    void setTitleSorting(bool on) { m_titleSorting = on; }
    bool titleSorting() const { return m_titleSorting; }
    void setEnterKey(EnterKey mode) { m_enterKey = mode; }

    // Sorts by the column's field as a title click does (also used by tests).
    void clickTitle(int column);

Q_SIGNALS:
    // Double-click on a row, or Enter in EnterKey::Chooses mode.
    void rowChosen(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Dataset* m_dataset = nullptr;
    bool m_titleSorting = true;
    EnterKey m_enterKey = EnterKey::Ignored;
};
