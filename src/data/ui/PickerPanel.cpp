#include "data/ui/PickerPanel.h"

#include "data/Dataset.h"
#include "data/ui/Command.h"
#include "data/ui/DatasetView.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

PickerPanel::PickerPanel(Dataset* dataset, const Search& searchSetup, QWidget* parent)
    : QWidget(parent), m_dataset(dataset), m_search(searchSetup) {
    m_label1 = new QLabel(searchSetup.label1, this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_box1 = new QLineEdit(this);
    m_box1->setObjectName(QStringLiteral("Edit1"));
    m_label2 = new QLabel(searchSetup.label2, this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_box2 = new QLineEdit(this);
    m_box2->setObjectName(QStringLiteral("Edit2"));
    m_label1->setBuddy(m_box1);
    m_label2->setBuddy(m_box2);

    m_grid = new DatasetView(this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setEnterKey(DatasetView::EnterKey::Chooses);
    m_grid->setDataset(dataset);
    m_grid->installEventFilter(this);

    auto* top = new QHBoxLayout;
    top->addWidget(m_label1);
    top->addWidget(m_box1, 1);
    top->addSpacing(12);
    top->addWidget(m_label2);
    top->addWidget(m_box2, 1);

    m_body = new QHBoxLayout;
    m_body->addWidget(m_grid, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addLayout(m_body, 1);

    connect(m_box1, &QLineEdit::textChanged, this, [this] { search(); });
    connect(m_box2, &QLineEdit::textChanged, this, [this] { search(); });
    // Without a window keyboard helper the boxes still follow the picker's Enter rules.
    connect(m_box1, &QLineEdit::returnPressed, m_box2, [this] { m_box2->setFocus(); });
    connect(m_box2, &QLineEdit::returnPressed, this, &PickerPanel::chooseRequested);
    connect(m_grid, &DatasetView::rowChosen, this, &PickerPanel::chooseRequested);
}

SqlText PickerPanel::query() const {
    SqlText q(m_search.selectLine);
    q.add(m_search.line1, SqlText::contains(m_box1->text()));
    q.add(m_search.line2, SqlText::contains(m_box2->text()));
    if (!m_search.orderLine.isEmpty())
        q.add(m_search.orderLine);
    return q;
}

bool PickerPanel::search() {
    const SqlText q = query();
    return runCommand(this, [&] { m_dataset->open(q); });
}

bool PickerPanel::reset() {
    clearBoxes();
    return search();
}

void PickerPanel::clearBoxes() {
    const QSignalBlocker b1(m_box1);
    const QSignalBlocker b2(m_box2);
    m_box1->clear();
    m_box2->clear();
}

bool PickerPanel::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the grid chooses even when there is no row to stand on, so that choosing from
    // an empty list warns as the button does.
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const auto* ke = static_cast<QKeyEvent*>(event);
        if ((ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) &&
            !(ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
            Q_EMIT chooseRequested();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
