#ifndef BRIMLOW_SHIPPEDUNITKEY_H
#define BRIMLOW_SHIPPEDUNITKEY_H

// The raw key of the unit file the build ships, worked out by makeunitdb when it
// writes the file (its salt is the file's first 16 bytes), so that opening that
// file needs no key derivation. Keeping it weakens nothing: the password it is
// derived from is in the program already, and it fits no file but that one. A
// file rebuilt or edited with the password has a new salt and is opened by
// deriving from the password, as before.

#include "units/unitdatabase.h"

const UnitDatabaseKey &shippedUnitDatabaseKey();

#endif
