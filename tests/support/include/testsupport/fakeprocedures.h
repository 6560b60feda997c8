#ifndef BRIMLOW_TESTS_FAKEPROCEDURES_H
#define BRIMLOW_TESTS_FAKEPROCEDURES_H

// The window procedures for tests of one subsystem without the window. Every
// call is recorded in order as a text, "update_framestatic(150,12)",
// "drawGraduations(large)", "setVolumeFromLevel(100.5)", then handed to the
// test's handler for it when there is one: a test forwards a procedure to the
// real object that owns it (as Form1 does), or looks at the state it is called
// in. Without a handler a call is only recorded.

#include "formstate/formprocedures.h"

#include <QStringList>

#include <functional>

class FakeProcedures final : public FormProcedures
{
public:
    QStringList calls;
    Formkit::PictureBox *lastGraduationTarget = nullptr;

    std::function<void()> onLookupFromFactor;
    std::function<void()> onLookupToFactor;
    std::function<void()> onUpdateConversion;
    std::function<void(int topRow, int sparkleSpan)> onUpdateFramestatic;
    std::function<void()> onShowFlask;
    std::function<void(Formkit::PictureBox *target, ScaleVariant variant)> onDrawGraduations;
    std::function<void(float y)> onSetVolumeFromLevel;

    // The recorded calls that start with prefix.
    int count(const QString &prefix) const;

    void lookupFromFactor() override;
    void lookupToFactor() override;
    void updateConversion() override;
    void update_framestatic(int topRow, int sparkleSpan) override;
    void showFlask() override;
    void drawGraduations(Formkit::PictureBox *target, ScaleVariant variant) override;
    void setVolumeFromLevel(float y) override;
};

#endif
