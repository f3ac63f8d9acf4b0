#include "data/Database.h"

#include "data/MoneyFunctions.h"
#include "data/Schema.h"
#include "data/SqlText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <sqlite3.h>

namespace {

QString errorText(sqlite3* h) {
    return h ? QString::fromUtf8(sqlite3_errmsg(h)) : QStringLiteral("数据库未连接");
}

// An SQLite file starts with this header; anything else is not a database of ours.
bool looksLikeSqlite(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    return f.read(16) == QByteArray("SQLite format 3\0", 16);
}

} // namespace

QString Database::filePath(const QString& folder) {
    return QDir(folder).filePath(QString::fromLatin1(FileName));
}

Database::Database(const QString& folder, QObject* parent)
    : QObject(parent), m_folder(folder),
      m_connectionName(QStringLiteral("shop-") + QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

Database::~Database() {
    close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
}

Database::OpenError Database::open() {
    if (isOpen())
        return OpenError::None;
    const QString file = path();
    if (!QFileInfo(file).isFile())
        return OpenError::Missing;
    if (!looksLikeSqlite(file))
        return OpenError::NotADatabase;

    if (!m_db.isValid())
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    m_db.setDatabaseName(file);
    // Never create a file here: a missing database is an error the caller reports.
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!m_db.open())
        return OpenError::NotADatabase;

    try {
        // The file is one file at all times (backup copies it), a committed sale survives a
        // power cut, and like patterns match the case as stored.
        exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
        exec(QStringLiteral("PRAGMA synchronous=FULL"));
        exec(QStringLiteral("PRAGMA case_sensitive_like=ON"));
        exec(QStringLiteral("PRAGMA foreign_keys=OFF"));
        registerMoneyFunctions(handle());
        if (!Schema::hasAllTables(*this)) {
            close();
            return OpenError::MissingTables;
        }
        Schema::upgrade(*this);
    } catch (const DbError&) {
        // A damaged file fails on its first read.
        close();
        return OpenError::NotADatabase;
    }
    return OpenError::None;
}

void Database::close() {
    if (!isOpen())
        return;
    Q_EMIT aboutToClose();
    // A transaction left open by a failed command must not survive the connection.
    if (m_depth > 0) {
        m_depth = 0;
        sqlite3_exec(handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    }
    // The driver cannot close a connection that still has statements.
    finalizeStatements();
    ++m_connectionSerial;
    m_db.close();
}

void Database::ensureOpen() {
    if (isOpen())
        return;
    if (open() != OpenError::None)
        throw DbError(QStringLiteral("无法打开数据库文件：%1").arg(path()));
}

sqlite3* Database::handle() {
    ensureOpen();
    const QVariant v = m_db.driver()->handle();
    if (v.isValid() && qstrcmp(v.typeName(), "sqlite3*") == 0)
        return *static_cast<sqlite3* const*>(v.constData());
    throw DbError(QStringLiteral("数据库驱动不可用"));
}

void Database::fail(const QString& what) { throw DbError(what); }

sqlite3_stmt* Database::takeStatement(const QByteArray& sql) {
    for (size_t i = m_statements.size(); i-- > 0;) {
        if (m_statements[i].sql == sql) {
            sqlite3_stmt* stmt = m_statements[i].stmt;
            m_statements.erase(m_statements.begin() + qsizetype(i));
            return stmt;
        }
    }
    sqlite3* h = handle();
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v3(h, sql.constData(), int(sql.size()), SQLITE_PREPARE_PERSISTENT, &stmt,
                           nullptr) != SQLITE_OK)
        fail(errorText(h));
    return stmt;
}

void Database::giveBackStatement(const QByteArray& sql, sqlite3_stmt* stmt, quint64 connection) {
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    // A statement of a connection closed meanwhile is not kept.
    if (connection != m_connectionSerial || !isOpen()) {
        sqlite3_finalize(stmt);
        return;
    }
    m_statements.push_back({sql, stmt});
    if (m_statements.size() > MaxKeptStatements) {
        sqlite3_finalize(m_statements.front().stmt);
        m_statements.erase(m_statements.begin());
    }
}

void Database::finalizeStatements() {
    for (const KeptStatement& k : m_statements)
        sqlite3_finalize(k.stmt);
    m_statements.clear();
}

CachedStatement::CachedStatement(Database& db, const QString& sql)
    : m_db(db), m_sql(sql.toUtf8()) {
    m_stmt = m_db.takeStatement(m_sql);
    m_connection = m_db.m_connectionSerial;
}

CachedStatement::~CachedStatement() {
    if (m_stmt) // null for a text without a statement (blank or only a comment)
        m_db.giveBackStatement(m_sql, m_stmt, m_connection);
}

void Database::bindAll(void* stmtPtr, const QVariantList& binds, const QString& sql) {
    auto* stmt = static_cast<sqlite3_stmt*>(stmtPtr);
    const int expected = sqlite3_bind_parameter_count(stmt);
    if (expected != binds.size())
        fail(QStringLiteral("参数个数不符（需要 %1 个，给出 %2 个）：%3")
                 .arg(expected)
                 .arg(binds.size())
                 .arg(sql));
    for (int i = 0; i < binds.size(); ++i) {
        const QVariant& v = binds[i];
        const int at = i + 1;
        int rc = SQLITE_OK;
        if (v.isNull() || !v.isValid()) {
            rc = sqlite3_bind_null(stmt, at);
        } else if (v.metaType() == QMetaType::fromType<Money>()) {
            rc = sqlite3_bind_int64(stmt, at, v.value<Money>().raw());
        } else {
            switch (v.metaType().id()) {
            case QMetaType::Int:
            case QMetaType::LongLong:
            case QMetaType::UInt:
            case QMetaType::Bool:
                rc = sqlite3_bind_int64(stmt, at, v.toLongLong());
                break;
            default: {
                const QByteArray t = v.toString().toUtf8();
                rc = sqlite3_bind_text(stmt, at, t.constData(), int(t.size()), SQLITE_TRANSIENT);
            }
            }
        }
        if (rc != SQLITE_OK)
            fail(errorText(handle()));
    }
}

int Database::exec(const QString& sql, const QVariantList& binds) {
    CachedStatement g(*this, sql);
    bindAll(g.get(), binds, sql);
    int rc;
    while ((rc = sqlite3_step(g.get())) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE)
        fail(errorText(handle()));
    return sqlite3_changes(handle());
}

int Database::exec(const SqlText& text) { return exec(text.text(), text.binds()); }

namespace {
QVariant columnValue(sqlite3_stmt* s, int i) {
    switch (sqlite3_column_type(s, i)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(s, i)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(s, i));
    case SQLITE_NULL:
        return QVariant();
    default:
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, i)),
                                 sqlite3_column_bytes(s, i));
    }
}
} // namespace

QList<QVariantList> Database::rows(const QString& sql, const QVariantList& binds) {
    CachedStatement g(*this, sql);
    bindAll(g.get(), binds, sql);
    QList<QVariantList> out;
    // Columns are read after the first step, which recompiles a kept statement whose tables
    // changed.
    int rc = sqlite3_step(g.get());
    const int n = sqlite3_column_count(g.get());
    for (; rc == SQLITE_ROW; rc = sqlite3_step(g.get())) {
        QVariantList row;
        row.reserve(n);
        for (int i = 0; i < n; ++i)
            row << columnValue(g.get(), i);
        out << row;
    }
    if (rc != SQLITE_DONE)
        fail(errorText(handle()));
    return out;
}

QVariant Database::scalar(const QString& sql, const QVariantList& binds) {
    CachedStatement g(*this, sql);
    bindAll(g.get(), binds, sql);
    const int rc = sqlite3_step(g.get());
    if (rc == SQLITE_ROW)
        return columnValue(g.get(), 0);
    if (rc != SQLITE_DONE)
        fail(errorText(handle()));
    return {};
}

bool Database::exists(const QString& sql, const QVariantList& binds) {
    CachedStatement g(*this, sql);
    bindAll(g.get(), binds, sql);
    const int rc = sqlite3_step(g.get());
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        fail(errorText(handle()));
    return rc == SQLITE_ROW;
}

bool Database::exists(const SqlText& text) { return exists(text.text(), text.binds()); }

QList<Money> Database::sums(const SqlText& text) {
    CachedStatement g(*this, text.text());
    bindAll(g.get(), text.binds(), text.text());
    const int rc = sqlite3_step(g.get());
    const int n = sqlite3_column_count(g.get());
    QList<Money> out(n);
    if (rc == SQLITE_ROW) {
        for (int i = 0; i < n; ++i)
            out[i] = moneyFromColumn(g.get(), i).value_or(Money());
    } else if (rc != SQLITE_DONE) {
        fail(errorText(handle()));
    }
    return out;
}

qint64 Database::lastInsertId() { return sqlite3_last_insert_rowid(handle()); }

void Database::begin() {
    exec(QStringLiteral("SAVEPOINT sp%1").arg(m_depth + 1));
    ++m_depth;
}

void Database::commit() {
    if (m_depth == 0)
        return;
    exec(QStringLiteral("RELEASE SAVEPOINT sp%1").arg(m_depth));
    --m_depth;
    if (m_depth == 0)
        Q_EMIT committed();
}

void Database::rollback() {
    if (m_depth == 0 || !isOpen())
        return;
    const QString name = QStringLiteral("sp%1").arg(m_depth);
    --m_depth;
    // Rolling back to a savepoint keeps it open; release it too so the nesting stays balanced.
    sqlite3* h = handle();
    sqlite3_exec(h, QStringLiteral("ROLLBACK TO SAVEPOINT %1").arg(name).toUtf8().constData(),
                 nullptr, nullptr, nullptr);
    sqlite3_exec(h, QStringLiteral("RELEASE SAVEPOINT %1").arg(name).toUtf8().constData(), nullptr,
                 nullptr, nullptr);
    if (m_depth == 0)
        Q_EMIT rolledBack();
}

bool Database::createNew(const QString& folder) {
    const QString file = filePath(folder);
    if (QFileInfo::exists(file))
        return false;
    QDir().mkpath(folder);
    // Build beside the target and rename into place, so a failure never leaves half a database.
    const QString temp = file + QStringLiteral(".new");
    QFile::remove(temp);
    {
        sqlite3* raw = nullptr;
        if (sqlite3_open_v2(temp.toUtf8().constData(), &raw,
                            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
            const QString why = errorText(raw);
            sqlite3_close(raw);
            throw DbError(why);
        }
        sqlite3_exec(raw, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr);
        sqlite3_close(raw);
    }
    try {
        Database db(folder);
        db.m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), db.m_connectionName);
        db.m_db.setDatabaseName(temp);
        if (!db.m_db.open())
            throw DbError(db.m_db.lastError().text());
        db.exec(QStringLiteral("PRAGMA synchronous=FULL"));
        registerMoneyFunctions(db.handle());
        Schema::create(db);
        db.close();
    } catch (...) {
        QFile::remove(temp);
        throw;
    }
    if (!QFile::rename(temp, file)) {
        QFile::remove(temp);
        throw DbError(QStringLiteral("无法创建数据库文件：%1").arg(file));
    }
    return true;
}

Transaction::Transaction(Database& db) : m_db(db) { m_db.begin(); }

Transaction::~Transaction() {
    if (!m_done)
        m_db.rollback();
}

void Transaction::commit() {
    m_db.commit();
    m_done = true;
}
