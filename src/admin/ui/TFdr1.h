#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QToolButton;
class TDM1;

// The spreadsheet import dialog of the supplier, member, product and gift lists: step one offers
// the template, step two takes the source file; 导入 appends its rows (SpreadsheetImport) and the
// table's shared dataset shows the table again whatever the outcome.
class TFdr1 : public QDialog {
    Q_OBJECT
public:
    // caption: "导入商品资料"; table: the hidden table code ST ("sp"); templatePath: the template
    // beside the program.
    TFdr1(TDM1& dm, const QString& caption, const QString& table, const QString& templatePath,
          QWidget* parent = nullptr);

    QString ST() const { return m_table; }
    // True after a successful import.
    bool imported() const { return m_imported; }

    // 导入
    void importNow();
    // SpeedButton2: the file dialog for the source file.
    void chooseFile();
    // SpeedButton1: opens the template with the desktop's spreadsheet application.
    void openTemplate();

private:
    void resetDataset();

    TDM1& m_dm;
    QString m_table;
    bool m_imported = false;
    QLineEdit* m_template;
    QLineEdit* m_source;
    QToolButton* m_openTemplate;
    QToolButton* m_chooseFile;
    QPushButton* m_import;
    QPushButton* m_cancel;
};
