#include "keyderivation.h"

#include "units/unitdatabase.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <sqlite3.h>

// SQLCipher's cipher is OpenSSL's, which on its first use would read the
// system's OpenSSL configuration and load its table of error texts: over half a
// megabyte that nothing here needs (the unit file takes AES and SHA-1 from the
// built-in provider, and failures are told in this program's own words). Settled
// once for the process, before the engine's first use.
void startCrypto()
{
    static const bool started
        = OPENSSL_init_crypto(OPENSSL_INIT_NO_LOAD_CONFIG | OPENSSL_INIT_NO_LOAD_CRYPTO_STRINGS, nullptr);
    Q_UNUSED(started);
}

namespace {

constexpr int keySize = 32;

struct KeyDerivation
{
    const EVP_MD *digest = nullptr; // null: raw keys are not used with this engine
    int iterations = 0;
};

// How the installed SQLCipher turns a password into the page key: SHA-1 with
// 64000 rounds in version 3, SHA-512 with 256000 in version 4. Asked once.
const KeyDerivation &keyDerivation()
{
    static const KeyDerivation derivation = [] {
        startCrypto();
        KeyDerivation d;
        sqlite3 *db = nullptr;
        if (sqlite3_open(":memory:", &db) != SQLITE_OK) {
            sqlite3_close(db);
            return d;
        }
        auto pragma = [db](const char *sql) {
            QByteArray text;
            sqlite3_stmt *stmt = nullptr;
            if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK
                && sqlite3_step(stmt) == SQLITE_ROW)
                text = reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0));
            sqlite3_finalize(stmt);
            return text;
        };
        const QByteArray version = pragma("PRAGMA cipher_version");
        const int iterations = pragma("PRAGMA cipher_default_kdf_iter").toInt();
        if (version.startsWith("3.")) {
            d.digest = EVP_sha1();
            d.iterations = iterations > 0 ? iterations : 64000;
        } else if (version.startsWith("4.")) {
            d.digest = EVP_sha512();
            d.iterations = iterations > 0 ? iterations : 256000;
        }
        sqlite3_close(db);
        return d;
    }();
    return derivation;
}

} // namespace

QByteArray deriveRawKey(const QByteArray &password, const QByteArray &salt)
{
    const KeyDerivation &d = keyDerivation();
    if (!d.digest)
        return {};
    unsigned char key[keySize];
    if (PKCS5_PBKDF2_HMAC(password.constData(), int(password.size()),
            reinterpret_cast<const unsigned char *>(salt.constData()), int(salt.size()), d.iterations,
            d.digest, keySize, key)
        != 1)
        return {};
    const QByteArray keyBytes(reinterpret_cast<const char *>(key), keySize);
    return "x'" + keyBytes.toHex() + salt.toHex() + "'";
}

QByteArray deriveUnitDatabaseKey(const QByteArray &password, const QByteArray &salt)
{
    return deriveRawKey(password, salt);
}
