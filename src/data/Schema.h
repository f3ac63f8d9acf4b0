#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class Database;

// The one definition of the shop's tables: their fields, the kind of each field and the caption
// that lists, prints and spreadsheets show for it. The database is created from it, datasets learn
// from it which columns hold money, and list windows take their column captions from it.
namespace Schema {

// Raise when the tables change, and add the step from the previous version to upgrade().
constexpr int Version = 1;

enum class Kind {
    Text,  // short text
    Money, // number: INTEGER ten-thousandths in the file, Money in the program
    Date,  // date text yyyy-MM-dd
};

struct Field {
    QString name;
    Kind kind;
    QString caption; // empty where no list shows the field
};

struct Table {
    QString name;
    QString caption;
    QList<Field> fields; // without the autonumber id
    const Field* field(const QString& name) const;
};

const QList<Table>& tables();
// The nine permission names, in the order the permissions dialog shows and writes them.
const QStringList& permissionNames();
const Table* table(const QString& name);

// True for every column name that holds a money value in any table or in the result columns of
// the statistics queries (zsl, zje, zcb, zmaoli, sltc, jetc, ztc). The same field name never
// means money in one table and text in another.
bool isMoneyColumn(const QString& name);

// The caption of a field of a table, or the field name itself when the table has no caption for
// it.
QString caption(const QString& table, const QString& field);

// Creates every table and index in an empty database and fills the default rows, then sets
// PRAGMA user_version. Runs inside one transaction.
void create(Database& db);
// Brings an older database up to Version; a no-op on a current one.
void upgrade(Database& db);
// True when the database holds every table of the schema.
bool hasAllTables(Database& db);

} // namespace Schema
