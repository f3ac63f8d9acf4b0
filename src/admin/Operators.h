#pragma once

#include <QString>
#include <QStringList>

class Database;
class Dataset;

// The operators who may log in (table yhsz) and the permissions each holds (table quanxian).
// Passwords are stored as hashes (PasswordHash) and compared exactly: case-sensitive, untrimmed.
// The administrator "系统管理员" cannot be deleted and its permissions are never changed here.
// Engine errors throw DbError; refusals are returned as results, never shown.
namespace Operators {

// "系统管理员"
QString administrator();

// Every operator name, in entry order.
QStringList names(Database& db);
bool exists(Database& db, const QString& name);

// True when the typed password matches the stored form.
bool passwordMatches(const QString& stored, const QString& typed);

enum class Check { Ok, NoSuchOperator, WrongPassword };

// The login: opens `operators` (the shared AQyhsz1) on "select *from yhsz where yhmc=?" with the
// name and checks the password against its row. The dataset stays open on that row.
Check logIn(Dataset& operators, const QString& name, const QString& password);
// Unlocking and the own password: the same on the two lines "SELECT * FROM yhsz",
// "where yhmc=?".
Check checkPassword(Dataset& operators, const QString& name, const QString& password);

// Changes the password of the dataset's current operator when `oldPassword` matches the stored
// one; the new one is stored exactly as given (an empty password too).
Check changePassword(Dataset& operators, const QString& oldPassword, const QString& newPassword);
// Changes the named operator's own password: opens `operators` on the operator as checkPassword
// does, then changes it as changePassword does. NoSuchOperator changes nothing.
Check changeOwnPassword(Dataset& operators, const QString& name, const QString& oldPassword,
                        const QString& newPassword);

enum class AddResult { Added, EmptyName, PasswordsDiffer, DuplicateName };
// Adds an operator with no permission. The name and both password entries are trimmed; the
// entries must then agree, and the trimmed password is stored. Refusals in this order: empty
// name, entries differ, name taken.
AddResult add(Database& db, const QString& name, const QString& password,
              const QString& confirmation);

enum class RemoveResult { Removed, Protected };
// Deletes the operator and its permission rows, in one transaction.
RemoveResult remove(Database& db, const QString& name);

// The permissions the operator holds, in the order of Schema::permissionNames().
QStringList permissions(Database& db, const QString& name);

enum class GrantResult { Granted, NoOperator, Protected };
// Replaces the operator's permission rows by the given permissions, written in the order of
// Schema::permissionNames(), in one transaction: a failure leaves the rows as they were. An
// empty list leaves the operator with none. The name is trimmed. An unknown permission name
// throws std::invalid_argument.
GrantResult grant(Database& db, const QString& name, const QStringList& granted);

} // namespace Operators
