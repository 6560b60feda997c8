#ifndef BRIMLOW_FORMSTATE_H
#define BRIMLOW_FORMSTATE_H

// The main window's state record: the fields of Form1 that outlive one event.
// Every subsystem of the converter reads and writes it through a reference the
// window hands out; nothing else is shared between them. All fields start as
// zero, false or empty when the window is created; Load sets some of them.
//
// Booleans are plain bool here (the window's True/False); the two restore
// flags stay small integers 0 or 1 because they are counted, not tested.

#include <QString>
#include <QtGlobal>

struct FormState
{
    // Unit sizes of the selected From and To units (the unit lookups write them);
    // 0 while no size is known, before the first lookup and after a failed one.
    float fromFactor = 0.0f;
    float toFactor = 0.0f;

    // Minimise and restore.
    QString savedVolumeText;
    QString savedResultText;
    bool firstShowPending = false;
    qint16 keepSaveDisabled = 0;
    qint16 keepMakeFileDisabled = 0;

    // Changes of the volume box are acted on only while this is true.
    bool volumeEditLive = false;
    // The next fluid option click only clears it.
    bool skipColourClick = false;
    // A conversion has been saved into the results grid.
    bool gridHasRows = false;

    // Type-ahead boxes: the last character key typed was neither Backspace nor a
    // Ctrl shortcut (Ctrl+A, Ctrl+V...), so its release may complete the name.
    bool fromCompleteAllowed = false;
    bool toCompleteAllowed = false;

    // The last conversion.
    float volumeValue = 0.0f;
    float resultValue = 0.0f;
    float levelFraction = 0.0f;
    qint16 scaleExponent = 0;
    qint16 fractionScaleExponent = 0;
    qint32 fluidTopRow = 0;
    bool volumeAtLeastOne = false;

    // Volume and result set from a flask position.
    float dragVolume = 0.0f;
    float dragResult = 0.0f;
    bool draggingFlask = false;
};

#endif
