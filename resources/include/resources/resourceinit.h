#ifndef BRIMLOW_RESOURCEINIT_H
#define BRIMLOW_RESOURCEINIT_H

// Makes the embedded files reachable under ":/brimlow". A static library's
// resources are not registered until someone asks for them by name; the
// loaders call this before every lookup (only the first call does anything).
void ensureBrimlowResources();

#endif
