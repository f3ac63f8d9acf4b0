#include "admin/ui/TFdr1.h"

#include "admin/SpreadsheetImport.h"
#include "data/DM1.h"
#include "data/ui/Command.h"
#include "data/ui/Keyboard.h"
#include "data/ui/Messages.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

TFdr1::TFdr1(TDM1& dm, const QString& caption, const QString& table, const QString& templatePath,
             QWidget* parent)
    : QDialog(parent), m_dm(dm), m_table(table) {
    setObjectName(QStringLiteral("TFdr1"));
    setWindowTitle(caption);
    setModal(true);

    auto* step1 = new QGroupBox(QStringLiteral("步骤一、参考此文件模版制作导入源文件"), this);
    m_template = new QLineEdit(QDir::toNativeSeparators(templatePath), step1);
    m_template->setObjectName(QStringLiteral("Edit1"));
    m_template->setReadOnly(true);
    m_template->setFocusPolicy(Qt::NoFocus);
    m_openTemplate = new QToolButton(step1);
    m_openTemplate->setObjectName(QStringLiteral("SpeedButton1"));
    m_openTemplate->setText(QStringLiteral("打开"));
    m_openTemplate->setToolTip(QStringLiteral("打开模版"));
    auto* row1 = new QHBoxLayout(step1);
    row1->addWidget(m_template, 1);
    row1->addWidget(m_openTemplate);

    auto* step2 = new QGroupBox(QStringLiteral("步骤二、选择正确的源文件进行导入操作"), this);
    m_source = new QLineEdit(step2);
    m_source->setObjectName(QStringLiteral("Edit2"));
    m_chooseFile = new QToolButton(step2);
    m_chooseFile->setObjectName(QStringLiteral("SpeedButton2"));
    m_chooseFile->setText(QStringLiteral("…"));
    m_chooseFile->setToolTip(QStringLiteral("选择文件"));
    auto* row2 = new QHBoxLayout(step2);
    row2->addWidget(m_source, 1);
    row2->addWidget(m_chooseFile);

    auto* note = new QLabel(QStringLiteral("源文件为 .xls 或 .xlsx 表格，数据放在名为 Sheet1 的工作表中，"
                                           "第一行为模版的列标题。"),
                            this);
    note->setWordWrap(true);

    m_import = new QPushButton(QStringLiteral("导入"), this);
    m_import->setObjectName(QStringLiteral("BitBtn1"));
    m_cancel = new QPushButton(QStringLiteral("取消"), this);
    m_cancel->setObjectName(QStringLiteral("BitBtn2"));
    m_import->setAutoDefault(false);
    m_cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_import);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(step1);
    layout->addWidget(step2);
    layout->addWidget(note);
    layout->addLayout(buttons);
    resize(520, sizeHint().height());

    connect(m_openTemplate, &QToolButton::clicked, this, &TFdr1::openTemplate);
    connect(m_chooseFile, &QToolButton::clicked, this, &TFdr1::chooseFile);
    connect(m_import, &QPushButton::clicked, this, &TFdr1::importNow);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    // Enter in the source box imports when it holds a file and asks for one otherwise.
    auto* enterInSource = new QPushButton(this);
    enterInSource->setObjectName(QStringLiteral("EnterInSource"));
    enterInSource->hide();
    connect(enterInSource, &QPushButton::clicked, this, [this] {
        if (m_source->text().trimmed().isEmpty())
            chooseFile();
        else
            importNow();
    });
    Keyboard* keys = Keyboard::install(this, m_import, m_cancel);
    keys->setEnterButton(m_source, enterInSource);

    m_source->clear();
    m_source->setFocus();
}

void TFdr1::openTemplate() {
    const QString path = m_template->text();
    if (path.isEmpty())
        return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::fromNativeSeparators(path)));
}

void TFdr1::chooseFile() {
    const QString file =
        Messages::openFileName(this, QStringLiteral("选择正确的源文件"), m_source->text(),
                               QStringLiteral("Excel文件(*.xls *.xlsx)"));
    if (!file.isEmpty())
        m_source->setText(QDir::toNativeSeparators(file));
}

void TFdr1::importNow() {
    const QString path = m_source->text().trimmed();
    if (path.isEmpty()) {
        Messages::information(this, QStringLiteral("导入源文件不可为空！"));
        m_source->setFocus();
        return;
    }
    Dataset* ds = m_dm.dataset(QStringLiteral("AQ") + m_table + QStringLiteral("1"));
    if (ds)
        ds->close();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const SpreadsheetImport::Result r =
        SpreadsheetImport::importFile(m_dm.db(), m_table, QDir::fromNativeSeparators(path));
    QApplication::restoreOverrideCursor();
    resetDataset();
    if (r.ok) {
        m_imported = true;
        Messages::information(this, QStringLiteral("批量导入成功!"));
        accept();
    } else {
        Messages::warning(this, QStringLiteral("批量导入失败!\n") + r.error);
    }
}

void TFdr1::resetDataset() {
    Dataset* ds = m_dm.dataset(QStringLiteral("AQ") + m_table + QStringLiteral("1"));
    if (!ds)
        return;
    runCommand(this, [&] { ds->open(SqlText(QStringLiteral("select * from ") + m_table)); });
}
