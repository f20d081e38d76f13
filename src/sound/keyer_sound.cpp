#include "app/frame_widgets.h"
#include "app/tessal_form.h"
#include "widgets/button_factory.h"

namespace tessal {

namespace {

const QColor kHeldMark{0x00, 0x80, 0x00};

QString soundReadyText() {
    return QStringLiteral("SOUND Ready");
}
QString soundOffText() {
    return QStringLiteral("SOUND OFF");
}

} // namespace

void TTessalForm::OpenKeyerSound() {
    // The stacking key plays through its own output; it needs no looping sidetone, but an output
    // that can sound.
    try {
        if (SKeyMode == 0) {
            sound().InitSidetone(Frequency2, Volume_2);
            sound().StartSidetoneLoop();
        } else {
            sound().CheckKeyerOutput();
        }
    } catch (...) {
        // A re-open has already closed the earlier device, so a sound shown as on is off now.
        if (statusText(2) == soundReadyText()) {
            setStatusText(2, soundOffText());
            SoundSetUpBtn->setMark(kButtonIdleMark);
        }
        throw;
    }
    WaveReady = -1;
    setStatusText(2, soundReadyText());
}

void TTessalForm::KeyToneOn() {
    if (WaveReady != 0 && sound().sidetoneOpen())
        sound().SidetoneOn();
}

void TTessalForm::KeyToneOff() {
    if (WaveReady != 0 && sound().sidetoneOpen())
        sound().SidetoneOff();
}

void TTessalForm::SoundSetUpBtnClick() {
    if (WaveReady != 0) {
        sound().CloseSidetone();
        WaveReady = 0;
        setStatusText(2, soundOffText());
        SoundSetUpBtn->setMark(kButtonIdleMark);
        return;
    }
    OpenKeyerSound();
    SoundSetUpBtn->setMark(kYellow);
}

void TTessalForm::ConvertBtnMouseDown() {
    if (WaveReady == 0)
        return;
    SoundTestBtn->setMark(kHeldMark);
    KeyToneOn();
}

void TTessalForm::ConvertBtnMouseUp() {
    if (WaveReady == 0)
        return;
    SoundTestBtn->setMark(kButtonIdleMark);
    KeyToneOff();
}

} // namespace tessal
