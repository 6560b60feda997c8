#include "testsupport/fakeprocedures.h"

using Formkit::PictureBox;

int FakeProcedures::count(const QString &prefix) const
{
    int n = 0;
    for (const QString &call : calls)
        n += call.startsWith(prefix) ? 1 : 0;
    return n;
}

void FakeProcedures::lookupFromFactor()
{
    calls << QStringLiteral("lookupFromFactor");
    if (onLookupFromFactor)
        onLookupFromFactor();
}

void FakeProcedures::lookupToFactor()
{
    calls << QStringLiteral("lookupToFactor");
    if (onLookupToFactor)
        onLookupToFactor();
}

void FakeProcedures::updateConversion()
{
    calls << QStringLiteral("updateConversion");
    if (onUpdateConversion)
        onUpdateConversion();
}

void FakeProcedures::update_framestatic(int topRow, int sparkleSpan)
{
    calls << QStringLiteral("update_framestatic(%1,%2)").arg(topRow).arg(sparkleSpan);
    if (onUpdateFramestatic)
        onUpdateFramestatic(topRow, sparkleSpan);
}

void FakeProcedures::showFlask()
{
    calls << QStringLiteral("showFlask");
    if (onShowFlask)
        onShowFlask();
}

void FakeProcedures::drawGraduations(PictureBox *target, ScaleVariant variant)
{
    calls << QStringLiteral("drawGraduations(%1)")
                 .arg(variant == ScaleVariant::Large ? QStringLiteral("large") : QStringLiteral("small"));
    lastGraduationTarget = target;
    if (onDrawGraduations)
        onDrawGraduations(target, variant);
}

void FakeProcedures::setVolumeFromLevel(float y)
{
    calls << QStringLiteral("setVolumeFromLevel(%1)").arg(double(y));
    if (onSetVolumeFromLevel)
        onSetVolumeFromLevel(y);
}
