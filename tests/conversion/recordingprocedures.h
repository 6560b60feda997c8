#ifndef BRIMLOW_TESTS_RECORDINGPROCEDURES_H
#define BRIMLOW_TESTS_RECORDINGPROCEDURES_H

// The window procedures as the tests of conversion/ need them: the unit lookups
// copy the sizes of the "selected" units into the state record, the conversion
// and the scale are handed to the real objects, and every call is recorded in
// order so a test can see what a handler set going.

#include "app/formprocedures.h"
#include "app/formstate.h"
#include "conversion/conversion.h"
#include "conversion/graduations.h"
#include "conversion/volumeentry.h"

#include <QStringList>

#include <functional>

class RecordingProcedures final : public FormProcedures
{
public:
    explicit RecordingProcedures(FormState &state)
        : m_state(state)
    { }

    // The sizes of the units selected in the From and To lists.
    float fromSize = 1.0f;
    float toSize = 1.0f;

    Conversion *conversion = nullptr;
    Graduations *graduations = nullptr;
    VolumeEntry *volumeEntry = nullptr;

    QStringList calls;
    std::function<void()> onUpdateFramestatic;

    void lookupFromFactor() override
    {
        calls << QStringLiteral("lookupFromFactor");
        m_state.fromFactor = fromSize;
    }
    void lookupToFactor() override
    {
        calls << QStringLiteral("lookupToFactor");
        m_state.toFactor = toSize;
    }
    void updateConversion() override
    {
        calls << QStringLiteral("updateConversion");
        if (conversion)
            conversion->updateConversion();
    }
    void update_framestatic(int topRow, int sparkleSpan) override
    {
        calls << QStringLiteral("update_framestatic(%1,%2)").arg(topRow).arg(sparkleSpan);
        if (onUpdateFramestatic)
            onUpdateFramestatic();
    }
    void showFlask() override { calls << QStringLiteral("showFlask"); }
    void drawGraduations(PictureBox *target, ScaleVariant variant) override
    {
        calls
            << QStringLiteral("drawGraduations(%1)").arg(variant == ScaleVariant::Large ? "large" : "small");
        lastGraduationTarget = target;
        if (graduations)
            graduations->drawGraduations(target, variant);
    }
    void setVolumeFromLevel(float y) override
    {
        calls << QStringLiteral("setVolumeFromLevel");
        if (volumeEntry)
            volumeEntry->setVolumeFromLevel(y);
    }

    PictureBox *lastGraduationTarget = nullptr;

    int count(const QString &prefix) const
    {
        int n = 0;
        for (const QString &call : calls)
            n += call.startsWith(prefix) ? 1 : 0;
        return n;
    }

private:
    FormState &m_state;
};

#endif
