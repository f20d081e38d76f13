#include "app/ini_file.h"
#include "support/trainer_process.h"

#include <gtest/gtest.h>

using tessal::IniFile;
using tessal::testing::TrainerProcess;
using namespace std::chrono_literals;

namespace {

const QString kSection = QStringLiteral("TessalSystem");

// A save rewrites the hand-made file with every key, so a saved file is told from the old one.
bool savedByTheTrainer(const TrainerProcess& trainer, int expectedSpeed) {
    const IniFile saved(trainer.settingsPath());
    return saved.readInteger(kSection, QStringLiteral("TIContiFlag"), -7) == 0 &&
           saved.readInteger(kSection, QStringLiteral("SpeedWPS"), -7) == expectedSpeed;
}

void expectCleanExit(const std::optional<int>& status) {
    ASSERT_TRUE(status.has_value()) << "the trainer did not end";
    EXPECT_TRUE(WIFEXITED(*status)) << "ended by signal " << WTERMSIG(*status);
    if (WIFEXITED(*status)) {
        EXPECT_EQ(WEXITSTATUS(*status), 0);
    }
}

} // namespace

TEST(EndingSignals, ASigtermAtStartUpOrUnderTheDictionaryBoxStillSaves) {
    enum class When { AsSoonAsCaught, DictionaryBoxUp, WindowUp };
    struct Case {
        const char* what;
        When when;
        bool dictionaries;
    };
    const Case cases[] = {
        {"as soon as the handlers are in place", When::AsSoonAsCaught, true},
        {"while the missing-dictionary box waits", When::DictionaryBoxUp, false},
        {"while the window is up", When::WindowUp, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TrainerProcess trainer;
        ASSERT_TRUE(trainer.writeSettings("[TessalSystem]\nSpeedWPS = 20\n"));
        ASSERT_TRUE(
            trainer.start(c.dictionaries ? QStringLiteral(TESSAL_SOURCE_DIR) : trainer.folder()));
        if (c.when == When::AsSoonAsCaught)
            ASSERT_TRUE(trainer.waitUntilCatchingSigterm(20s));
        else
            ASSERT_TRUE(trainer.waitUntilIdle(300ms, 60s));
        trainer.signal(SIGTERM);
        expectCleanExit(trainer.waitForExit(60s));
        EXPECT_TRUE(savedByTheTrainer(trainer, 20));
    }
}

TEST(EndingSignals, FurtherSignalsDuringALongSaveWaitUntilItIsDone) {
    TrainerProcess trainer;
    const QByteArray text = QByteArray(2'000'000, 'E') + 'K';
    ASSERT_TRUE(trainer.writeSettings("[TessalSystem]\nText1=" + text + "\nText2=" + text +
                                      "\nSpeedWPS = 15\n"));
    ASSERT_TRUE(trainer.start(QStringLiteral(TESSAL_SOURCE_DIR)));
    ASSERT_TRUE(trainer.waitUntilIdle(300ms, 60s));
    trainer.signal(SIGTERM);
    // Another SIGTERM every half millisecond until the trainer has gone.
    expectCleanExit(trainer.waitForExit(60s, SIGTERM));
    EXPECT_TRUE(savedByTheTrainer(trainer, 15));
    const IniFile saved(trainer.settingsPath());
    EXPECT_TRUE(saved.readString(kSection, QStringLiteral("Text2"), QString()) ==
                QString::fromLatin1(text));
}
