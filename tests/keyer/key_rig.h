#pragma once

#include "listening/report_pane.h"
#include "support/form_rig.h"
#include "widgets/gd_button.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace tessal::testing {

// The trainer on the Keyer page with a chosen key type and the keyer sound on; presses are
// scripted on the virtual clock as a user's hand would make them.
struct KeyRig : FormRig {
    explicit KeyRig(int keyType = 0, const QString& settings = QString()) : FormRig(settings) {
        form->KeyerBtn->click();
        TgdButton* const keys[] = {form->VKeyBtn, form->BKeyBtn, form->SKeyBtn};
        keys[keyType]->click();
        form->SoundSetUpBtn->click();
        // The vertical key's start-up line end is out of the way.
        loop().runFor(1100);
        form->REdit2->clearLines();
    }

    // The dot (or dash) contact pressed at `atMs` and released `heldMs` later.
    void dot(int64_t atMs, int64_t heldMs) {
        loop().at(atMs, [this] { form->DotKeyDown(); });
        loop().at(atMs + heldMs, [this] { form->DotKeyUp(); });
    }
    void dash(int64_t atMs, int64_t heldMs) {
        loop().at(atMs, [this] { form->DashKeyDown(); });
        loop().at(atMs + heldMs, [this] { form->DashKeyUp(); });
    }
    int64_t nowMs() { return loop().nowMs(); }
    // Sidetone spans heard from `fromMs` on, relative to `fromMs`, in whole ms.
    std::vector<std::pair<int64_t, int64_t>> heard(int64_t fromMs) {
        std::vector<std::pair<int64_t, int64_t>> spans;
        for (const Tape::Span& span : tape().toneSpans(fromMs * 1000, loop().now()))
            spans.push_back(
                {(span.onUs + 500) / 1000 - fromMs, (span.offUs + 500) / 1000 - fromMs});
        return spans;
    }
    // The keyer report pane's lines, each checked to be aqua.
    QStringList keyedLines() {
        QStringList texts;
        for (const ColouredLine& line : form->REdit2->lines()) {
            EXPECT_EQ(line.colour, QColor(0x00, 0xFF, 0xFF)) << line.text.toStdString();
            texts.append(line.text);
        }
        return texts;
    }
};

} // namespace tessal::testing
