#pragma once

#include "app/frame_widgets.h"
#include "listening/report_pane.h"
#include "morse/qstring_printer.h"
#include "support/form_rig.h"
#include "widgets/gd_button.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <functional>
#include <gtest/gtest.h>

namespace tessal::testing {

// The trainer at 35 WPM on the Operation page, morning local time, replies typed.
struct ContactRig {
    FormRig rig;

    explicit ContactRig(const QString& extraSettings = QString())
        // The first of two equal keys counts, so the test's own settings come first.
        : rig(QStringLiteral("[TessalSystem]\n") + extraSettings +
              QStringLiteral("SpeedWPS=35\nQSOResTime=0\n")) {
        rig.loop().setStartTime(QDateTime(QDate(2026, 12, 9), QTime(9, 0)));
        rig->OperationBtn->click();
    }

    TTessalForm* operator->() { return rig.form.get(); }
    SimEventLoop& loop() { return rig.loop(); }

    std::vector<ColouredLine> log() { return rig->REdit3->lines(); }
    int countLines(const QString& text) {
        int n = 0;
        for (const ColouredLine& line : log())
            n += line.text == text ? 1 : 0;
        return n;
    }

    bool runUntil(const std::function<bool()>& done, int64_t maxMs = 120'000) {
        for (int64_t t = 0; t < maxMs && !done(); t += 20)
            loop().runFor(20);
        return done();
    }
    // Until the nth reply wait has begun (counted over the whole log).
    bool runUntilAnswering(int nth) {
        return runUntil([&] { return countLines(QStringLiteral("Start Answering...")) >= nth; });
    }
    bool runUntilWaitEnds() {
        return runUntil([&] { return !rig->QSOResTimer->enabled(); });
    }
    bool runUntilSequencerIdle() {
        return runUntil([&] { return rig->MorseStrCount == 0 && !rig->MSTimer->enabled(); });
    }

    // Types into Edit1 key by key, as a user does, and releases Enter.
    void typeReply(const QString& text, bool pressEnter = true) {
        QLineEdit* edit = rig->Edit1;
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(edit, &press);
        }
        if (!pressEnter)
            return;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(edit, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(edit, &release);
    }

    // The codes of the characters played on the tape so far, split where the silence is longer
    // than an element gap.
    QStringList playedCodes() {
        const auto spans = rig.tape().toneSpans(0, loop().now());
        const int64_t dotUs = rig->DotTime * 1000, dashUs = rig->DashTime * 1000;
        const int64_t characterGapUs = dotUs + (75'000 + dashUs) / 2;
        QStringList codes;
        QString code;
        for (std::size_t i = 0; i < spans.size(); ++i) {
            if (i > 0 && spans[i].onUs - spans[i - 1].offUs > characterGapUs) {
                codes.append(code);
                code.clear();
            }
            code += spans[i].lengthUs() < (dotUs + dashUs) / 2 ? u'S' : u'L';
        }
        if (!code.isEmpty())
            codes.append(code);
        return codes;
    }
    // The codes `texts` sound as, blanks and characters without a code left out.
    QStringList codesOf(const QStringList& texts) {
        QStringList codes;
        for (const QString& text : texts) {
            for (QChar c : text) {
                const QString code = rig->ConvertMorse(QString(c), 2);
                if (!code.isEmpty() && code != QStringLiteral(" "))
                    codes.append(code);
            }
        }
        return codes;
    }
};

// An expected log line; "{op}" stands for any operator name.
inline bool lineMatches(const QString& actual, const QString& expected) {
    const qsizetype at = expected.indexOf(QStringLiteral("{op}"));
    if (at < 0)
        return actual == expected;
    const QRegularExpression pattern(
        QStringLiteral("^") + QRegularExpression::escape(expected.left(at)) +
        QStringLiteral("[A-Z]+") + QRegularExpression::escape(expected.mid(at + 4)) +
        QStringLiteral("$"));
    return pattern.match(actual).hasMatch();
}

inline void expectLog(const std::vector<ColouredLine>& actual,
                      const std::vector<ColouredLine>& expected, const std::string& where) {
    const std::size_t n = std::max(actual.size(), expected.size());
    for (std::size_t i = 0; i < n; ++i) {
        const QString a = i < actual.size() ? actual[i].text : QStringLiteral("<none>");
        const QString e = i < expected.size() ? expected[i].text : QStringLiteral("<none>");
        EXPECT_TRUE(lineMatches(a, e))
            << where << " line " << i << ": " << a.toStdString() << " expected " << e.toStdString();
        if (i < actual.size() && i < expected.size()) {
            EXPECT_EQ(actual[i].colour, expected[i].colour) << where << " line " << i;
        }
    }
}

} // namespace tessal::testing
