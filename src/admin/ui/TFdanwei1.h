#pragma once

#include "admin/ShopInfo.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;
class TDM1;

// "填写店铺信息": edits the shop's particulars, footnotes and receipt-printer choice (the one
// row of danwei). Modal, made for one use.
class TFdanwei1 : public QDialog {
    Q_OBJECT
public:
    explicit TFdanwei1(TDM1& dm, QWidget* parent = nullptr);

    // Fills the boxes from the row and chooses the printer's radio button; done on first show.
    void load();
    // 保存: checks the shop name and the print heading, writes the row and closes.
    void save();

    void done(int result) override;

    QLineEdit* edit(int number) const { return m_edits[number - 1]; }
    QRadioButton* radio(int number) const { return m_radios[number - 1]; }

Q_SIGNALS:
    // On closing, saved or not: the shop name now stored, for the main window's title.
    void shopNameShown(const QString& mczc);

protected:
    void showEvent(QShowEvent* event) override;

private:
    ShopInfo boxes() const;

    TDM1& m_dm;
    QLineEdit* m_edits[12] = {};
    QRadioButton* m_radios[5] = {};
    QPushButton* m_save = nullptr;
    QPushButton* m_close = nullptr;
    bool m_loaded = false;
};
