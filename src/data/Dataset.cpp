#include "data/Dataset.h"

#include "data/Database.h"
#include "data/MoneyFunctions.h"
#include "data/Schema.h"

#include <QBrush>
#include <QFont>

#include <algorithm>
#include <cstring>
#include <sqlite3.h>

namespace {

int compareBytes(const char* a, uint32_t al, const char* b, uint32_t bl) {
    const int c = std::memcmp(a, b, std::min(al, bl));
    if (c != 0)
        return c;
    return al < bl ? -1 : (al > bl ? 1 : 0);
}

} // namespace

Dataset::Dataset(Database& db, const QString& name, const QString& table, QObject* parent)
    : QAbstractTableModel(parent), m_db(db), m_name(name), m_table(table),
      m_sql(QStringLiteral("select*from ") + table), m_selection(this) {
    setObjectName(name);
    connect(&m_selection, &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (m_syncing || !current.isValid())
                    return;
                m_current = current.row();
                m_eof = false;
                Q_EMIT currentRowChanged(m_current);
            });
    // Rows written inside a transaction that was rolled back are gone from the file: show the
    // file as it is again.
    connect(&m_db, &Database::rolledBack, this, [this] {
        if (m_wroteInTransaction && m_open) {
            m_state = State::Browse;
            m_buffer.clear();
            requery();
        }
        m_wroteInTransaction = false;
    });
    connect(&m_db, &Database::committed, this, [this] { m_wroteInTransaction = false; });
}

Dataset::~Dataset() = default;

// ---------------------------------------------------------------------------------------------
// open / close

void Dataset::open(const SqlText& text) {
    m_sql = text;
    open();
}

void Dataset::open() {
    // Given back before the signals below, whose slots may run the same text.
    std::optional<CachedStatement> stmt(std::in_place, m_db, m_sql.text());
    sqlite3_stmt* const st = stmt->get();
    const QVariantList& binds = m_sql.binds();
    if (sqlite3_bind_parameter_count(st) != binds.size())
        throw DbError(QStringLiteral("参数个数不符：%1").arg(m_sql.text()));
    for (int i = 0; i < binds.size(); ++i) {
        const QVariant& v = binds[i];
        if (v.isNull() || !v.isValid())
            sqlite3_bind_null(st, i + 1);
        else if (v.metaType() == QMetaType::fromType<Money>())
            sqlite3_bind_int64(st, i + 1, v.value<Money>().raw());
        else if (v.metaType().id() == QMetaType::Int || v.metaType().id() == QMetaType::LongLong)
            sqlite3_bind_int64(st, i + 1, v.toLongLong());
        else {
            const QByteArray t = v.toString().toUtf8();
            sqlite3_bind_text(st, i + 1, t.constData(), int(t.size()), SQLITE_TRANSIENT);
        }
    }

    beginResetModel();
    resetRows(true);
    m_open = false;
    // Step before reading the columns: a kept statement recompiles on its first step when the
    // tables changed since it was prepared, and only then gives its present columns.
    int rc = sqlite3_step(st);
    const int n = sqlite3_column_count(st);
    m_columns.reserve(size_t(n));
    const Schema::Table* table = Schema::table(m_table);
    for (int c = 0; c < n; ++c) {
        const QString colName = QString::fromUtf8(sqlite3_column_name(st, c));
        Kind kind = Kind::Text;
        if (colName == QLatin1String("id"))
            kind = Kind::Integer;
        else if (Schema::isMoneyColumn(colName))
            kind = Kind::Money;
        const bool inTable =
            colName == QLatin1String("id") || (table && table->field(colName) != nullptr);
        m_columns.push_back({colName, kind, inTable});
        if (!m_columnIndex.contains(colName))
            m_columnIndex.insert(colName, c);
        if (colName == QLatin1String("id") && m_idColumn < 0)
            m_idColumn = c;
    }
    m_data.resize(size_t(n));

    int phys = 0;
    try {
        for (; rc == SQLITE_ROW; rc = sqlite3_step(st))
            loadRow(st, phys++);
    } catch (...) {
        resetRows();
        endResetModel();
        throw;
    }
    if (rc != SQLITE_DONE) {
        const QString why = QString::fromUtf8(sqlite3_errmsg(m_db.handle()));
        resetRows();
        endResetModel();
        throw DbError(why);
    }
    stmt.reset();
    m_physicalRows = phys;
    m_order.resize(size_t(phys));
    for (int i = 0; i < phys; ++i)
        m_order[size_t(i)] = i;
    trimStorage();
    m_open = true;
    m_sortOrder.clear();
    m_current = phys > 0 ? 0 : -1;
    m_eof = false;
    endResetModel();
    syncSelection();
    Q_EMIT opened();
    Q_EMIT currentRowChanged(m_current);
}

void Dataset::loadRow(void* stmtPtr, int phys) {
    auto* s = static_cast<sqlite3_stmt*>(stmtPtr);
    for (size_t c = 0; c < m_columns.size(); ++c) {
        ColumnData& d = m_data[c];
        const int ci = int(c);
        switch (m_columns[c].kind) {
        case Kind::Money: {
            const auto m = moneyFromColumn(s, ci);
            d.numbers.push_back(m ? m->raw() : NullNumber);
            break;
        }
        case Kind::Integer:
            d.numbers.push_back(sqlite3_column_type(s, ci) == SQLITE_NULL
                                    ? NullNumber
                                    : sqlite3_column_int64(s, ci));
            break;
        case Kind::Text: {
            const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(s, ci));
            storeText(ci, phys, p, sqlite3_column_bytes(s, ci), p == nullptr);
            break;
        }
        }
    }
}

void Dataset::storeText(int column, int phys, const char* data, int bytes, bool isNull) {
    TextRef ref{uint32_t(m_text.size()), isNull ? NullLength : uint32_t(bytes)};
    if (!isNull)
        m_text.append(data, size_t(bytes));
    auto& texts = m_data[size_t(column)].texts;
    if (size_t(phys) < texts.size())
        texts[size_t(phys)] = ref;
    else
        texts.push_back(ref);
}

void Dataset::resetRows(bool keepStorage) {
    m_columns.clear();
    m_columnIndex.clear();
    if (keepStorage) {
        // Reopening refills the same buffers: fresh memory costs a page fault per page, which
        // for a long list costs as much as reading its rows from the engine.
        for (ColumnData& d : m_data) {
            d.numbers.clear();
            d.texts.clear();
        }
        m_text.clear();
        m_order.clear();
    } else {
        std::vector<ColumnData>().swap(m_data);
        std::string().swap(m_text);
        std::vector<int>().swap(m_order);
    }
    m_physicalRows = 0;
    m_idColumn = -1;
    m_current = -1;
    m_eof = false;
    m_state = State::Browse;
    m_buffer.clear();
}

void Dataset::trimStorage() {
    // Buffers kept from a longer earlier result give back what this one does not use; a buffer
    // that grew while reading is never more than twice its contents.
    const auto trim = [](auto& v) {
        if (v.capacity() > 2 * v.size() + 1024)
            v.shrink_to_fit();
    };
    for (ColumnData& d : m_data) {
        trim(d.numbers);
        trim(d.texts);
    }
    trim(m_text);
    trim(m_order);
}

void Dataset::close() {
    if (!m_open && m_columns.empty())
        return;
    beginResetModel();
    resetRows();
    m_open = false;
    endResetModel();
    Q_EMIT closed();
    Q_EMIT currentRowChanged(-1);
}

void Dataset::requery() {
    const int keep = m_current;
    open();
    if (keep >= 0 && !m_order.empty())
        setCurrentRow(std::min(keep, count() - 1));
}

// ---------------------------------------------------------------------------------------------
// cursor

void Dataset::syncSelection() {
    m_syncing = true;
    if (m_current >= 0 && !m_columns.empty())
        m_selection.setCurrentIndex(index(m_current, 0), QItemSelectionModel::ClearAndSelect |
                                                            QItemSelectionModel::Rows);
    else
        m_selection.clear();
    m_syncing = false;
}

void Dataset::setCurrentRow(int row) {
    if (row < 0 || row >= count())
        return;
    m_current = row;
    m_eof = false;
    syncSelection();
    Q_EMIT currentRowChanged(m_current);
}

void Dataset::first() {
    m_eof = false;
    if (!m_order.empty())
        setCurrentRow(0);
}

void Dataset::next() {
    if (m_current + 1 < count())
        setCurrentRow(m_current + 1);
    else
        m_eof = true;
}

void Dataset::last() {
    if (!m_order.empty())
        setCurrentRow(count() - 1);
}

void Dataset::requireOpen(const char* what) const {
    if (!m_open)
        throw DbError(QStringLiteral("%1：数据集 %2 未打开").arg(QLatin1String(what), m_name));
}

void Dataset::requireCurrent(const char* what) const {
    requireOpen(what);
    if (m_current < 0 || m_current >= count())
        throw DbError(QStringLiteral("%1：数据集 %2 没有当前记录").arg(QLatin1String(what), m_name));
}

int Dataset::requireColumn(const QString& field) const {
    const int c = fieldIndex(field);
    if (c < 0)
        throw DbError(QStringLiteral("数据集 %1 中没有字段 %2").arg(m_name, field));
    return c;
}

QString Dataset::cellText(int phys, int column) const {
    const Column& col = m_columns[size_t(column)];
    const ColumnData& d = m_data[size_t(column)];
    if (col.kind == Kind::Text) {
        const TextRef r = d.texts[size_t(phys)];
        if (r.length == NullLength)
            return {};
        return QString::fromUtf8(m_text.data() + r.offset, qsizetype(r.length));
    }
    const int64_t v = d.numbers[size_t(phys)];
    if (v == NullNumber)
        return {};
    if (col.kind == Kind::Integer)
        return QString::number(v);
    return Money::fromRaw(v).toDisplayString();
}

const QVariant* Dataset::buffered(const QString& field) const {
    if (m_state == State::Browse)
        return nullptr;
    auto it = m_buffer.constFind(field);
    return it == m_buffer.constEnd() ? nullptr : &it.value();
}

QVariant Dataset::value(const QString& field) const {
    if (const QVariant* b = buffered(field))
        return *b;
    if (m_state == State::Inserting)
        return {};
    requireCurrent("读取字段");
    const int c = requireColumn(field);
    const int phys = physical(m_current);
    if (isNull(m_current, c))
        return {};
    if (m_columns[size_t(c)].kind == Kind::Text)
        return cellText(phys, c);
    const int64_t v = m_data[size_t(c)].numbers[size_t(phys)];
    if (m_columns[size_t(c)].kind == Kind::Integer)
        return QVariant(qint64(v));
    return QVariant::fromValue(Money::fromRaw(v));
}

QString Dataset::text(const QString& field) const {
    const QVariant v = value(field);
    if (v.metaType() == QMetaType::fromType<Money>())
        return v.value<Money>().toDisplayString();
    return v.toString();
}

Money Dataset::money(const QString& field) const {
    const QVariant v = value(field);
    if (v.metaType() == QMetaType::fromType<Money>())
        return v.value<Money>();
    if (v.isNull())
        return {};
    if (auto m = Money::parse(v.toString()))
        return *m;
    throw DbError(QStringLiteral("“%1”不是有效的数值").arg(v.toString()));
}

bool Dataset::isNull(const QString& field) const { return value(field).isNull(); }

QString Dataset::text(int row, int column) const { return cellText(physical(row), column); }

Money Dataset::money(int row, int column) const {
    const Column& col = m_columns[size_t(column)];
    const int phys = physical(row);
    if (col.kind == Kind::Text)
        return Money::parse(cellText(phys, column)).value_or(Money());
    const int64_t v = m_data[size_t(column)].numbers[size_t(phys)];
    if (v == NullNumber)
        return {};
    return col.kind == Kind::Money ? Money::fromRaw(v) : Money::fromRaw(v * Money::Scale);
}

bool Dataset::isNull(int row, int column) const {
    const int phys = physical(row);
    if (m_columns[size_t(column)].kind == Kind::Text)
        return m_data[size_t(column)].texts[size_t(phys)].length == NullLength;
    return m_data[size_t(column)].numbers[size_t(phys)] == NullNumber;
}

qint64 Dataset::id(int row) const {
    if (m_idColumn < 0)
        throw DbError(QStringLiteral("数据集 %1 没有 id 字段").arg(m_name));
    return m_data[size_t(m_idColumn)].numbers[size_t(physical(row))];
}

QStringList Dataset::fieldNames() const {
    QStringList l;
    for (const Column& c : m_columns)
        l << c.name;
    return l;
}

bool Dataset::isMoneyField(int column) const {
    return column >= 0 && column < int(m_columns.size()) &&
           m_columns[size_t(column)].kind == Kind::Money;
}

int Dataset::find(const QString& field, const QString& textValue) const {
    const int c = fieldIndex(field);
    if (c < 0)
        return -1;
    for (int r = 0; r < count(); ++r)
        if (!isNull(r, c) && text(r, c) == textValue)
            return r;
    return -1;
}

Money Dataset::sum(const QString& field) const {
    const int c = fieldIndex(field);
    Money total;
    if (c < 0)
        return total;
    for (int r = 0; r < count(); ++r)
        total += money(r, c);
    return total;
}

// ---------------------------------------------------------------------------------------------
// writing

void Dataset::noteWrite() {
    if (m_db.transactionDepth() > 0)
        m_wroteInTransaction = true;
}

void Dataset::append() {
    requireOpen("新增记录");
    if (m_state != State::Browse)
        cancel();
    m_state = State::Inserting;
    m_buffer.clear();
}

void Dataset::edit() {
    requireCurrent("修改记录");
    if (m_state == State::Editing)
        return;
    m_state = State::Editing;
    m_buffer.clear();
}

void Dataset::setText(const QString& field, const QString& v) {
    if (m_state == State::Browse)
        throw DbError(QStringLiteral("数据集 %1 不在编辑状态").arg(m_name));
    const Schema::Table* t = Schema::table(m_table);
    const Schema::Field* f = t ? t->field(field) : nullptr;
    if (!f)
        throw DbError(QStringLiteral("表 %1 中没有字段 %2").arg(m_table, field));
    if (f->kind == Schema::Kind::Money) {
        QString why;
        const auto m = Money::parse(v, &why);
        if (!m)
            throw DbError(QStringLiteral("“%1”不是有效的数值").arg(v));
        m_buffer.insert(field, QVariant::fromValue(*m));
    } else {
        m_buffer.insert(field, v);
    }
}

void Dataset::setMoney(const QString& field, Money v) {
    if (m_state == State::Browse)
        throw DbError(QStringLiteral("数据集 %1 不在编辑状态").arg(m_name));
    const Schema::Table* t = Schema::table(m_table);
    const Schema::Field* f = t ? t->field(field) : nullptr;
    if (!f)
        throw DbError(QStringLiteral("表 %1 中没有字段 %2").arg(m_table, field));
    if (f->kind == Schema::Kind::Money)
        m_buffer.insert(field, QVariant::fromValue(v));
    else
        m_buffer.insert(field, v.toShortString());
}

void Dataset::setNull(const QString& field) {
    if (m_state == State::Browse)
        throw DbError(QStringLiteral("数据集 %1 不在编辑状态").arg(m_name));
    m_buffer.insert(field, QVariant());
}

void Dataset::post() {
    if (m_state == State::Browse)
        return;
    QStringList names;
    QVariantList values;
    for (auto it = m_buffer.cbegin(); it != m_buffer.cend(); ++it) {
        names << it.key();
        values << it.value();
    }
    if (m_state == State::Inserting) {
        QString sql;
        if (names.isEmpty())
            sql = QStringLiteral("insert into %1 default values").arg(m_table);
        else
            sql = QStringLiteral("insert into %1 (%2) values(%3)")
                      .arg(m_table, names.join(u','),
                           QStringList(names.size(), QStringLiteral("?")).join(u','));
        m_db.exec(sql, values);
        const qint64 newId = m_db.lastInsertId();
        noteWrite();
        const int phys = m_physicalRows;
        const int row = count();
        beginInsertRows({}, row, row);
        for (size_t c = 0; c < m_columns.size(); ++c) {
            if (m_columns[c].kind == Kind::Text)
                storeText(int(c), phys, nullptr, 0, true);
            else
                m_data[c].numbers.push_back(NullNumber);
        }
        ++m_physicalRows;
        m_order.push_back(phys);
        m_state = State::Browse;
        m_buffer.clear();
        try {
            rereadRow(phys, newId);
        } catch (...) {
            endInsertRows();
            throw;
        }
        endInsertRows();
        setCurrentRow(row);
    } else {
        const int row = m_current;
        const qint64 rowId = id(row);
        if (!names.isEmpty()) {
            QStringList sets;
            for (const QString& n : names)
                sets << n + QStringLiteral("=?");
            values << QVariant(rowId);
            m_db.exec(QStringLiteral("update %1 set %2 where id=?").arg(m_table, sets.join(u',')),
                      values);
            noteWrite();
        }
        m_state = State::Browse;
        m_buffer.clear();
        rereadRow(physical(row), rowId);
        Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
    }
    Q_EMIT rowsChanged();
}

void Dataset::rereadRow(int phys, qint64 rowId) {
    QStringList cols;
    std::vector<int> which;
    for (size_t c = 0; c < m_columns.size(); ++c)
        if (m_columns[c].inTable) {
            cols << m_columns[c].name;
            which.push_back(int(c));
        }
    if (cols.isEmpty())
        return;
    const CachedStatement stmt(
        m_db, QStringLiteral("select %1 from %2 where id=?").arg(cols.join(u','), m_table));
    sqlite3_stmt* const st = stmt.get();
    sqlite3_bind_int64(st, 1, rowId);
    if (sqlite3_step(st) != SQLITE_ROW)
        return;
    for (size_t i = 0; i < which.size(); ++i) {
        const int c = which[i];
        const int si = int(i);
        switch (m_columns[size_t(c)].kind) {
        case Kind::Money: {
            const auto m = moneyFromColumn(st, si);
            m_data[size_t(c)].numbers[size_t(phys)] = m ? m->raw() : NullNumber;
            break;
        }
        case Kind::Integer:
            m_data[size_t(c)].numbers[size_t(phys)] =
                sqlite3_column_type(st, si) == SQLITE_NULL ? NullNumber
                                                           : sqlite3_column_int64(st, si);
            break;
        case Kind::Text: {
            const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, si));
            storeText(c, phys, p, sqlite3_column_bytes(st, si), p == nullptr);
            break;
        }
        }
    }
}

void Dataset::cancel() {
    m_state = State::Browse;
    m_buffer.clear();
}

void Dataset::remove() {
    requireCurrent("删除记录");
    if (m_state != State::Browse)
        cancel();
    const int row = m_current;
    m_db.exec(QStringLiteral("delete from %1 where id=?").arg(m_table), {QVariant(id(row))});
    noteWrite();
    beginRemoveRows({}, row, row);
    m_order.erase(m_order.begin() + row);
    endRemoveRows();
    m_current = m_order.empty() ? -1 : std::min(row, count() - 1);
    syncSelection();
    Q_EMIT currentRowChanged(m_current);
    Q_EMIT rowsChanged();
}

// ---------------------------------------------------------------------------------------------
// sort

void Dataset::setSortOrder(const QString& order) {
    m_sortOrder = order.trimmed();
    applySort();
}

void Dataset::applySort() {
    if (!m_open)
        return;
    const int keepPhys = m_current >= 0 ? physical(m_current) : -1;
    // Start again from the query's order, so equal keys keep it.
    std::vector<int> live = m_order;
    std::sort(live.begin(), live.end());
    int column = -1;
    bool descending = false;
    if (!m_sortOrder.isEmpty()) {
        const QStringList parts = m_sortOrder.split(u' ', Qt::SkipEmptyParts);
        column = fieldIndex(parts.value(0));
        descending = parts.value(1).compare(QLatin1String("DESC"), Qt::CaseInsensitive) == 0;
        if (column < 0)
            throw DbError(QStringLiteral("数据集 %1 中没有字段 %2").arg(m_name, parts.value(0)));
    }
    beginResetModel();
    if (column >= 0) {
        const Column& col = m_columns[size_t(column)];
        const ColumnData& d = m_data[size_t(column)];
        if (col.kind == Kind::Text) {
            const char* base = m_text.data();
            auto less = [&](int a, int b) {
                const TextRef ra = d.texts[size_t(a)];
                const TextRef rb = d.texts[size_t(b)];
                const bool na = ra.length == NullLength;
                const bool nb = rb.length == NullLength;
                if (na || nb)
                    return na && !nb; // NULL sorts first
                return compareBytes(base + ra.offset, ra.length, base + rb.offset, rb.length) < 0;
            };
            if (descending)
                std::stable_sort(live.begin(), live.end(), [&](int a, int b) { return less(b, a); });
            else
                std::stable_sort(live.begin(), live.end(), less);
        } else {
            // NullNumber is the smallest int64, so NULL sorts first as for texts.
            if (descending)
                std::stable_sort(live.begin(), live.end(), [&](int a, int b) {
                    return d.numbers[size_t(a)] > d.numbers[size_t(b)];
                });
            else
                std::stable_sort(live.begin(), live.end(), [&](int a, int b) {
                    return d.numbers[size_t(a)] < d.numbers[size_t(b)];
                });
        }
    }
    m_order = std::move(live);
    if (keepPhys >= 0) {
        const auto it = std::find(m_order.begin(), m_order.end(), keepPhys);
        m_current = int(it - m_order.begin());
    }
    endResetModel();
    syncSelection();
    Q_EMIT currentRowChanged(m_current);
    Q_EMIT rowsChanged();
}

// ---------------------------------------------------------------------------------------------
// model

void Dataset::setRowStyle(RowStyle style) {
    m_rowStyle = std::move(style);
    if (count() > 0)
        Q_EMIT dataChanged(index(0, 0), index(count() - 1, columnCount() - 1));
}

void Dataset::setCaption(const QString& field, const QString& caption) {
    m_captions.insert(field, caption);
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, std::max(0, columnCount() - 1));
}

void Dataset::setBoldTitle(const QString& field) {
    m_boldTitle = field;
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, std::max(0, columnCount() - 1));
}

QString Dataset::caption(int column) const {
    const QString& n = m_columns[size_t(column)].name;
    auto it = m_captions.constFind(n);
    return it != m_captions.constEnd() ? *it : Schema::caption(m_table, n);
}

int Dataset::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : count(); }

int Dataset::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant Dataset::data(const QModelIndex& idx, int role) const {
    if (!idx.isValid() || idx.row() >= count() || idx.column() >= columnCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cellText(physical(idx.row()), idx.column());
    case Qt::TextAlignmentRole:
        return m_columns[size_t(idx.column())].kind == Kind::Text
                   ? QVariant(int(Qt::AlignLeft | Qt::AlignVCenter))
                   : QVariant(int(Qt::AlignRight | Qt::AlignVCenter));
    case Qt::ForegroundRole:
        if (m_rowStyle)
            if (auto c = m_rowStyle(*this, idx.row()).text)
                return QBrush(*c);
        return {};
    case Qt::BackgroundRole:
        if (m_rowStyle)
            if (auto c = m_rowStyle(*this, idx.row()).background)
                return QBrush(*c);
        return {};
    default:
        return {};
    }
}

QVariant Dataset::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return caption(section);
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role == Qt::FontRole && !m_boldTitle.isEmpty() &&
        m_columns[size_t(section)].name == m_boldTitle) {
        QFont f;
        f.setBold(true);
        return f;
    }
    return {};
}

size_t Dataset::memoryUsage() const {
    size_t bytes = m_text.capacity() + m_order.capacity() * sizeof(int);
    for (const ColumnData& d : m_data)
        bytes += d.numbers.capacity() * sizeof(int64_t) + d.texts.capacity() * sizeof(TextRef);
    return bytes;
}
