#include "data/ui/QueryDialog.h"

#include "core/Clock.h"
#include "data/ui/Keyboard.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QDateEdit* makeDateEdit(const QString& name, const QDate& date, QWidget* parent) {
    auto* e = new QDateEdit(date, parent);
    e->setObjectName(name);
    e->setCalendarPopup(true);
    e->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    return e;
}

} // namespace

QueryDialog::QueryDialog(const ListQuery::Definition& definition, const QString& selectLine,
                         Runner run, QWidget* parent)
    : QDialog(parent), m_definition(definition), m_selectLine(selectLine), m_run(std::move(run)) {
    setObjectName(definition.objectName.isEmpty() ? QStringLiteral("QueryDialog")
                                                  : definition.objectName);
    setWindowTitle(definition.title);
    auto* outer = new QVBoxLayout(this);

    QList<QWidget*> tabOrder;
    if (definition.dateRange) {
        const ListQuery::DateRange& r = *definition.dateRange;
        auto* row = new QHBoxLayout;
        m_dateOn = new QCheckBox(r.label, this);
        m_dateOn->setObjectName(r.checkName);
        const QDate today = Clock::today();
        m_from = makeDateEdit(r.fromName, today.addMonths(-1), this);
        m_to = makeDateEdit(r.toName, today, this);
        row->addWidget(m_dateOn);
        row->addWidget(m_from);
        row->addWidget(new QLabel(QStringLiteral("至"), this));
        row->addWidget(m_to);
        row->addStretch();
        outer->addLayout(row);
        tabOrder << m_dateOn << m_from << m_to;
        // Picking a date in the drop-down (or finishing typing one) keeps the range in order.
        connect(m_from->calendarWidget(), &QCalendarWidget::clicked, this,
                &QueryDialog::startDateChosen, Qt::QueuedConnection);
        connect(m_from->calendarWidget(), &QCalendarWidget::activated, this,
                &QueryDialog::startDateChosen, Qt::QueuedConnection);
        connect(m_from, &QDateEdit::editingFinished, this, &QueryDialog::startDateChosen);
        connect(m_to->calendarWidget(), &QCalendarWidget::clicked, this,
                &QueryDialog::endDateChosen, Qt::QueuedConnection);
        connect(m_to->calendarWidget(), &QCalendarWidget::activated, this,
                &QueryDialog::endDateChosen, Qt::QueuedConnection);
        connect(m_to, &QDateEdit::editingFinished, this, &QueryDialog::endDateChosen);
    }

    auto* grid = new QGridLayout;
    int gridRow = 0;
    for (const ListQuery::Field& f : definition.fields) {
        QWidget* box = nullptr;
        if (f.kind == ListQuery::Field::Kind::Text) {
            auto* edit = new QLineEdit(this);
            box = edit;
        } else {
            auto* combo = new QComboBox(this);
            for (const ListQuery::Choice& c : f.choices)
                combo->addItem(c.text);
            box = combo;
        }
        box->setObjectName(f.objectName);
        box->setMinimumWidth(180);
        auto* label = new QLabel(f.label, this);
        label->setBuddy(box);
        grid->addWidget(label, gridRow, 0, Qt::AlignRight);
        grid->addWidget(box, gridRow, 1);
        ++gridRow;
        m_boxes << box;
        tabOrder << box;
    }
    outer->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    m_query = new QPushButton(QStringLiteral("查询"), this);
    m_query->setObjectName(QStringLiteral("BitBtn1"));
    m_close = new QPushButton(QStringLiteral("关闭"), this);
    m_close->setObjectName(QStringLiteral("BitBtn2"));
    m_query->setAutoDefault(false);
    m_close->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(m_query);
    buttons->addWidget(m_close);
    outer->addLayout(buttons);
    tabOrder << m_query << m_close;
    for (int i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    connect(m_query, &QPushButton::clicked, this, &QueryDialog::runQuery);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    Keyboard::install(this, m_query, m_close);
}

void QueryDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QWidget* focus = m_definition.focus.isEmpty()
                         ? m_boxes.value(0)
                         : findChild<QWidget*>(m_definition.focus);
    if (!focus)
        focus = m_dateOn;
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
}

void QueryDialog::startDateChosen() {
    if (m_to->date() < m_from->date())
        m_to->setDate(m_from->date());
}

void QueryDialog::endDateChosen() {
    if (m_from->date() > m_to->date())
        m_from->setDate(m_to->date());
}

ListQuery::Input QueryDialog::input() const {
    ListQuery::Input in;
    for (QWidget* box : m_boxes) {
        if (auto* edit = qobject_cast<QLineEdit*>(box))
            in.values << edit->text();
        else if (auto* combo = qobject_cast<QComboBox*>(box))
            in.values << combo->currentText();
        else
            in.values << QString();
    }
    if (m_dateOn) {
        in.dateRangeOn = m_dateOn->isChecked();
        in.from = m_from->date();
        in.to = m_to->date();
    }
    return in;
}

SqlText QueryDialog::conditions() const {
    SqlText text(m_selectLine);
    ListQuery::appendConditions(text, m_definition, input());
    return text;
}

void QueryDialog::runQuery() {
    if (!m_run || m_run(conditions()))
        accept();
}
