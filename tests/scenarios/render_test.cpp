#include "platform/wav_writer.h"
#include "render/renderer.h"
#include "support/form_rig.h"
#include "widgets/gd_button.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tessal;
using tessal::testing::FormRig;

namespace {

// What the trainer itself puts on the tape for free text typed into the first edit.
std::vector<int16_t> trainerTape(FormRig& rig, const QString& text) {
    rig->FStringBtn->click();
    rig->EnableBtn1->click();
    rig->FreeEdit1->setText(text);
    rig->PlayBtn->click();
    while (rig->RUNFlag != 0)
        rig.loop().runFor(10);
    return rig.tape().render(0, rig.loop().now());
}

RenderResult render(const RenderOptions& options, const QString& settingsFile) {
    return renderToWav(options, {settingsFile, QStringLiteral(TESSAL_SOURCE_DIR)});
}

} // namespace

TEST(Render, WavMatchesTheTrainersOwnPlaybackSampleForSample) {
    const QString settings =
        QStringLiteral("[TessalSystem]\nSpeedWPS=20\nStrDelay=3\nSoundCode1=0\n");
    FormRig rig(settings);
    const std::vector<int16_t> expected = trainerTape(rig, "CQ CQ DE QX0ZZZ K");

    QTemporaryDir dir;
    RenderOptions options;
    options.text = QStringLiteral("CQ CQ DE QX0ZZZ K");
    options.output = dir.filePath("cq.wav");
    const RenderResult result = render(options, rig.iniPath());
    ASSERT_EQ(result.exitStatus, 0) << result.message.toStdString();
    const WavData wav = readWav(options.output);
    EXPECT_EQ(wav.samplesPerSecond, 44100);
    EXPECT_GT(expected.size(), 44100u * 5);
    EXPECT_TRUE(wav.samples == expected) << wav.samples.size() << " vs " << expected.size();
}

TEST(Render, OptionsOverrideTheSettings) {
    QTemporaryDir dir;
    FormRig reference(
        QStringLiteral("[TessalSystem]\nSpeedWPS=35\nSoundCode1=8\nVolume1=20\nStrDelay=1\n"));
    const std::vector<int16_t> expected = trainerTape(reference, "PARIS PARIS");

    RenderOptions options;
    options.text = QStringLiteral("PARIS PARIS");
    options.wpm = 35;
    options.toneHz = 1500;
    options.volume = 20;
    options.wordGap = 1;
    options.output = dir.filePath("paris.wav");
    // Settings that say otherwise in every respect.
    FormRig other(
        QStringLiteral("[TessalSystem]\nSpeedWPS=10\nSoundCode1=0\nVolume1=90\nStrDelay=3\n"));
    ASSERT_EQ(render(options, other.iniPath()).exitStatus, 0);
    EXPECT_TRUE(readWav(options.output).samples == expected);
}

TEST(Render, FileLinesFollowEachOtherAsInAThroughRun) {
    QTemporaryDir dir;
    const QString practice = dir.filePath("practice.txt");
    {
        QFile file(practice);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("\xEF\xBB\xBF"
                   "EE\r\nT\r\n");
    }
    RenderOptions options;
    options.file = practice;
    options.output = dir.filePath("lines.wav");
    ASSERT_EQ(render(options, dir.filePath("none.ini")).exitStatus, 0);
    const WavData wav = readWav(options.output);

    FormRig rig;
    rig->QTypeMode = 2;
    for (const char* line : {"EE", "T"}) {
        if (rig.loop().now() > 0)
            rig.loop().runFor(50);
        rig->RUNFlag = -1;
        rig->PlayText(QString::fromLatin1(line));
        while (rig->RUNFlag != 0)
            rig.loop().runFor(10);
    }
    EXPECT_EQ(rig.tape().voices().size(), 3u);
    EXPECT_TRUE(wav.samples == rig.tape().render(0, rig.loop().now()));
}

TEST(Render, ArgumentsTable) {
    struct Case {
        QStringList arguments;
        bool ok;
    };
    const std::vector<Case> cases = {
        {{"--text", "CQ", "-o", "a.wav"}, true},
        {{"--wpm", "25", "--tone", "700", "--volume", "10", "--word-gap", "3", "--file", "p.txt",
          "-o", "a.wav"},
         true},
        {{"--text", "CQ"}, false},
        {{"--text", "CQ", "--file", "p.txt", "-o", "a.wav"}, false},
        {{"-o", "a.wav"}, false},
        {{"--wpm", "12", "--text", "CQ", "-o", "a.wav"}, false},
        {{"--volume", "101", "--text", "CQ", "-o", "a.wav"}, false},
        {{"--volume", "ten", "--text", "CQ", "-o", "a.wav"}, false},
        {{"--word-gap", "0", "--text", "CQ", "-o", "a.wav"}, false},
        {{"--tone", "50", "--text", "CQ", "-o", "a.wav"}, false},
        {{"--speed", "20", "--text", "CQ", "-o", "a.wav"}, false},
        {{"--text", "CQ", "-o"}, false},
    };
    for (const Case& c : cases) {
        const RenderParse parsed = parseRenderArguments(c.arguments);
        EXPECT_EQ(parsed.options.has_value(), c.ok) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(parsed.error.isEmpty(), c.ok) << c.arguments.join(' ').toStdString();
    }
}

TEST(Render, CommandExitStatus) {
    QTemporaryDir dir;
    const QString program = QStringLiteral(TESSAL_BINARY_DIR "/tessal-render");
    struct Case {
        QStringList arguments;
        int status;
    };
    const std::vector<Case> cases = {
        {{"--text", "CQ", "-o", dir.filePath("ok.wav")}, 0},
        {{"--wpm", "11", "--text", "CQ", "-o", dir.filePath("bad.wav")}, 2},
        {{"--file", dir.filePath("missing.txt"), "-o", dir.filePath("missing.wav")}, 2},
    };
    for (const Case& c : cases) {
        QProcess process;
        process.setWorkingDirectory(QStringLiteral(TESSAL_SOURCE_DIR));
        process.start(program, c.arguments);
        ASSERT_TRUE(process.waitForFinished(60'000)) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(process.exitCode(), c.status)
            << c.arguments.join(' ').toStdString() << process.readAllStandardError().toStdString();
    }
    EXPECT_FALSE(readWav(dir.filePath("ok.wav")).samples.empty());
    EXPECT_FALSE(QFile::exists(dir.filePath("bad.wav")));
}
