#pragma once

#include <QDialog>

class Dataset;
class QLabel;
class QLineEdit;
class QPushButton;
struct ValueList;

// The one-box entry dialog of a value list (TFtjlb1 categories, TFtjdw1 units): box Edit1,
// buttons 保存 and 关闭, the hidden mode text ST1.
//
// 保存 in mode "新增" adds the trimmed value and empties the box for the next one (the dialog
// stays open); in mode "修改" it stores the value in the list's current row and closes. An empty
// value (information) and, when adding, a value already there (warning) are refused with the
// focus back in the box. Enter in the box presses 保存; Esc presses 关闭.
class ValueEntryDialog : public QDialog {
    Q_OBJECT
public:
    struct Texts {
        QString objectName;  // "TFtjlb1"
        QString label;       // "类别"
        QString addTitle;    // "新增商品类别"
        QString modifyTitle; // "修改商品类别"
    };

    ValueEntryDialog(Dataset& dataset, const ValueList& list, const Texts& texts,
                     QWidget* parent = nullptr);

    // Sets the mode text and the title; "修改" puts the current row's value into the box,
    // "新增" empties it.
    void setMode(const QString& mode);
    QString mode() const;

    QLineEdit* box() const { return m_box; }

    // 保存 as the button runs it.
    void save();

protected:
    void showEvent(QShowEvent* event) override;

private:
    Dataset& m_dataset;
    const ValueList& m_list;
    Texts m_texts;
    QLabel* m_mode;
    QLineEdit* m_box;
    QPushButton* m_save;
    QPushButton* m_close;
};
