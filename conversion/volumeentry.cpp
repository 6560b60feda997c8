#include "conversion/volumeentry.h"

#include "Formkit/commandbutton.h"
#include "Formkit/textbox.h"
#include "conversion/conversionarithmetic.h"
#include "conversion/numbertext.h"
#include "conversion/volumeinput.h"
#include "formstate/formprocedures.h"
#include "formstate/formstate.h"

using Formkit::TextBox;

#include <QValidator>

namespace {

const QString noConversion = QStringLiteral("No conversion");

void writeInTurn(TextBox *box, const QStringList &texts)
{
    for (const QString &text : texts)
        box->setText(text);
}

// Every edit of the box passes here, a paste by any path (keys, middle button,
// context menu, drop) as much as typing: a control character is never kept.
class VolumeTextGuard final : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &) const override
    {
        input = volumeBoxText(input);
        return Acceptable;
    }
};

} // namespace

VolumeEntry::VolumeEntry(FormState &state, FormProcedures &procedures, const VolumeEntryWidgets &widgets)
    : m_state(state)
    , m_procedures(procedures)
    , m_widgets(widgets)
{
    Q_ASSERT_X(widgets.text1 && widgets.text2 && widgets.saveCmnd && widgets.makeFileCmnd, "VolumeEntry",
        "every widget is needed");
    // The key filter discards Ctrl+Z, so an undo history of the volume box would
    // serve nothing and only grow with every key.
    m_widgets.text1->setUndoLimit(0);
    m_widgets.text1->setValidator(new VolumeTextGuard(m_widgets.text1));
}

void VolumeEntry::keyPress(int &keyAscii)
{
    m_state.volumeEditLive = true;
    m_widgets.text1->setMaxLength(volumeTypingLength);
    // A typed key replaces the selection: only the text outside it can already
    // hold a point.
    const TextBox *box = m_widgets.text1;
    keyAscii
        = filterVolumeKey(textOutsideSelection(box->text(), box->selStart(), box->selLength()), keyAscii);
}

void VolumeEntry::change()
{
    if (!m_state.volumeEditLive)
        return;
    const QString text = m_widgets.text1->text();
    if (!isNumericText(text)) {
        m_widgets.text2->setText(noConversion);
        return;
    }

    m_procedures.lookupFromFactor();
    m_procedures.lookupToFactor();
    // A number that still gives no conversion (a pasted sign, a unit whose size
    // could not be read, a value beyond a Single) is answered like any text
    // that is no number.
    if (!convertVolume(text, m_state.fromFactor, m_state.toFactor).ok()) {
        m_widgets.text2->setText(noConversion);
        return;
    }

    updateReportButtons();
    m_procedures.updateConversion();
}

void VolumeEntry::updateReportButtons()
{
    if (m_state.keepSaveDisabled == 1) {
        m_widgets.saveCmnd->setEnabled(false);
        m_state.keepSaveDisabled = 0;
    } else {
        m_widgets.saveCmnd->setEnabled(true);
    }

    if (!m_state.gridHasRows) {
        m_widgets.makeFileCmnd->setEnabled(false);
    } else if (m_state.keepMakeFileDisabled == 1) {
        m_widgets.makeFileCmnd->setEnabled(false);
        m_state.keepMakeFileDisabled = 0;
    } else {
        m_widgets.makeFileCmnd->setEnabled(true);
    }
}

void VolumeEntry::gotFocus()
{
    TextBox *box = m_widgets.text1;
    box->setSelStart(0);
    box->setSelLength(int(box->text().size()));
}

void VolumeEntry::setVolumeFromLevel(float y)
{
    m_widgets.text1->setMaxLength(volumeLevelLength);
    const LevelVolume level = volumeFromLevel(y, m_state.volumeAtLeastOne, m_state.scaleExponent,
        m_state.fractionScaleExponent, m_state.fromFactor, m_state.toFactor);
    m_state.dragVolume = level.dragVolume;
    if (level.dragResult)
        m_state.dragResult = *level.dragResult;
    writeInTurn(m_widgets.text1, level.volumeWrites);
    writeInTurn(m_widgets.text2, level.resultWrites);
    // Without both unit sizes the level has no converted volume to save.
    if (!level.dragResult)
        m_widgets.saveCmnd->setEnabled(false);
}
