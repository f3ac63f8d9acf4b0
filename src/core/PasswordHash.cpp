#include "core/PasswordHash.h"

#include <sodium.h>

#include <stdexcept>

namespace {

void ensureSodium() {
    static const bool ready = sodium_init() >= 0;
    if (!ready)
        throw std::runtime_error("libsodium could not be initialised");
}

// Interactive limits keep a login well under a second on a shop's PC.
constexpr unsigned long long kOps = crypto_pwhash_OPSLIMIT_INTERACTIVE;
constexpr size_t kMem = crypto_pwhash_MEMLIMIT_INTERACTIVE;

} // namespace

namespace PasswordHash {

QString hash(const QString& password) {
    ensureSodium();
    const QByteArray pw = password.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, pw.constData(), size_t(pw.size()), kOps, kMem) != 0)
        throw std::runtime_error("out of memory while hashing a password");
    return QString::fromLatin1(out);
}

bool verify(const QString& stored, const QString& password) {
    ensureSodium();
    const QByteArray s = stored.toLatin1();
    const QByteArray pw = password.toUtf8();
    if (!isHash(stored))
        return false;
    return crypto_pwhash_str_verify(s.constData(), pw.constData(), size_t(pw.size())) == 0;
}

bool isHash(const QString& stored) { return stored.startsWith(QLatin1String("$argon2id$")); }

} // namespace PasswordHash
