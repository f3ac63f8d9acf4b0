#pragma once

#include "core/Money.h"

#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

#include <stdexcept>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;
class SqlText;

// An engine error on any database operation. Commands catch it at the window (see
// ui/Command.h), show the engine's text and stop; a Transaction in scope rolls back.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

// The one connection to the shop's database file. The file lies in the program's folder; the
// folder is a parameter so tests run on a temporary one.
//
// Values are bound, never spliced: every statement takes its user values as a QVariantList
// matched to "?" placeholders in order. A Money binds as its ten-thousandths count, a QString
// as text, a null QVariant as NULL.
class Database : public QObject {
    Q_OBJECT
public:
    static constexpr const char* FileName = "ROVAvaz1.mdb";
    static QString filePath(const QString& folder);

    explicit Database(const QString& folder, QObject* parent = nullptr);
    ~Database() override;

    QString folder() const { return m_folder; }
    QString path() const { return filePath(m_folder); }

    enum class OpenError { None, Missing, NotADatabase, MissingTables };
    // Opens the connection. Refuses a missing file (never creates one), a file that is not an
    // SQLite database and one that lacks the shop's tables. Sets the connection's pragmas and
    // registers the money SQL functions.
    OpenError open();
    bool isOpen() const { return m_db.isValid() && m_db.isOpen(); }
    // Closes the connection; the next statement or dataset that needs it reopens it.
    void close();
    // Reopens the connection if it was closed; throws DbError when that fails.
    void ensureOpen();

    // Runs a statement that returns no rows; returns the number of rows changed.
    int exec(const QString& sql, const QVariantList& binds = {});
    int exec(const SqlText& text);
    // The first column of the first row, or a null QVariant when there are no rows.
    QVariant scalar(const QString& sql, const QVariantList& binds = {});
    // True when the statement returns at least one row.
    bool exists(const QString& sql, const QVariantList& binds = {});
    bool exists(const SqlText& text);
    // Every column of the first row read as money; a NULL (a sum over no rows) reads as 0.
    QList<Money> sums(const SqlText& text);
    // Every row, every column as a QVariant (integers, texts, nulls), for small lookups.
    QList<QVariantList> rows(const QString& sql, const QVariantList& binds = {});
    qint64 lastInsertId();

    // The raw handle, for the Dataset's fast path and for custom functions.
    sqlite3* handle();

    // Transactions nest: the outermost one is the real one; inner ones are savepoints.
    // Prefer the Transaction guard below to calling these.
    void begin();
    void commit();
    void rollback();
    int transactionDepth() const { return m_depth; }

    // Creates a new database file with every table, index and default row. Refuses to touch an
    // existing file (returns false). Throws DbError when the file cannot be written.
    static bool createNew(const QString& folder);

Q_SIGNALS:
    // The outermost transaction was rolled back: rows that datasets wrote inside it are gone.
    void rolledBack();
    // The outermost transaction was committed.
    void committed();
    void aboutToClose();

private:
    friend class CachedStatement;
    void bindAll(void* stmt, const QVariantList& binds, const QString& sql);
    [[noreturn]] void fail(const QString& what);
    sqlite3_stmt* takeStatement(const QByteArray& sql);
    void giveBackStatement(const QByteArray& sql, sqlite3_stmt* stmt, quint64 connection);
    void finalizeStatements();

    QString m_folder;
    QString m_connectionName;
    QSqlDatabase m_db;
    int m_depth = 0;

    // Prepared statements kept for reuse, most recently used last. They belong to one opening
    // of the connection (m_connectionSerial) and are finalized before it closes.
    struct KeptStatement {
        QByteArray sql;
        sqlite3_stmt* stmt;
    };
    static constexpr size_t MaxKeptStatements = 32;
    std::vector<KeptStatement> m_statements;
    quint64 m_connectionSerial = 0;
};

// A prepared statement of the connection for one run. Statements are kept per SQL text and
// reused, so running the same text again (the product lookup on every scan) skips the engine's
// parse. On destruction the statement goes back reset and unbound; close() finalizes the kept
// ones. Throws DbError when the text does not compile.
class CachedStatement {
public:
    CachedStatement(Database& db, const QString& sql);
    ~CachedStatement();
    sqlite3_stmt* get() const { return m_stmt; }
    CachedStatement(const CachedStatement&) = delete;
    CachedStatement& operator=(const CachedStatement&) = delete;

private:
    Database& m_db;
    QByteArray m_sql;
    sqlite3_stmt* m_stmt = nullptr;
    quint64 m_connection = 0;
};

// One command, one transaction: begins on construction, rolls back on destruction unless
// commit() was called. Nested guards become savepoints of the outer one.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    void commit();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

private:
    Database& m_db;
    bool m_done = false;
};
