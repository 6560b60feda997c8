#ifndef BRIMLOW_KEYDERIVATION_H
#define BRIMLOW_KEYDERIVATION_H

// The unit file's page key made from its password and salt, the way the
// installed SQLCipher makes it, so that a key can be kept and reused without
// the engine deriving it again.

#include <QByteArray>

// Settles OpenSSL for the process before the engine's first use.
void startCrypto();

// The raw page key for a password and a file's salt; empty when this engine's
// derivation is not known.
QByteArray deriveRawKey(const QByteArray &password, const QByteArray &salt);

#endif
