#pragma once

#include <QString>

// Operator passwords are kept as salted slow hashes (Argon2id), never as typed. Verification is
// exact: no trimming, case-sensitive, so the comparison rules of the login stay as they were.
namespace PasswordHash {
// The stored form of a password (an empty password is hashed like any other).
QString hash(const QString& password);
// True when the password matches the stored form.
bool verify(const QString& stored, const QString& password);
// True when the text looks like a stored hash rather than a password typed in plain.
bool isHash(const QString& stored);
} // namespace PasswordHash
