#ifndef BRIMLOW_SQLCIPHERLOCKING_H
#define BRIMLOW_SQLCIPHERLOCKING_H

// SQLCipher 3.4.1 locks every buffer it allocates into memory with mlock() and
// unlocks it with munlock() when it frees it: some twenty pairs each time the
// unit file is opened. Each call splits or merges the heap's mapping in the
// kernel, which costs more than the rest of a size lookup, and this release has
// no setting to turn it off (later ones have PRAGMA cipher_memory_security).
//
// The lock buys nothing here: what SQLCipher locks are its own copies of the
// file's key, which UnitDatabase keeps in ordinary memory for the whole run
// anyway, and its munlock() releases whole pages that other live buffers still
// share. So this library answers SQLCipher's lock calls, and only those,
// without locking; every other caller in the process reaches the C library.
// Linking Brimlow::Units brings the definitions in.

namespace sqlcipherlocking {

// True when mlock() and munlock() of this process are the ones defined here.
bool interposed();

} // namespace sqlcipherlocking

#endif
