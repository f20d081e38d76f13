#include "platform/wav_writer.h"
#include "render/audio_file.h"
#include "render/renderer.h"
#include "support/form_rig.h"
#include "widgets/gd_button.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

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
    return renderToFile(options, {settingsFile, QStringLiteral(TESSAL_SOURCE_DIR)});
}

} // namespace

TEST(Render, WavMatchesTheTrainersOwnPlaybackSampleForSample) {
    const QString settings =
        QStringLiteral("[TessalSystem]\nSpeedWPS=20\nStrDelay=3\nSoundCode1=0\n");
    QString longText;
    for (int i = 0; i < 40; ++i)
        longText += QStringLiteral("CQ DE QX0ZZZ 5NN TU <AR> ");
    // A short text, and one of about 13 minutes that streams out in many pieces.
    for (const QString& text : {QStringLiteral("CQ CQ DE QX0ZZZ K"), longText}) {
        FormRig rig(settings);
        const std::vector<int16_t> expected = trainerTape(rig, text);

        QTemporaryDir dir;
        RenderOptions options;
        options.text = text;
        options.output = dir.filePath("cq.wav");
        const RenderResult result = render(options, rig.iniPath());
        ASSERT_EQ(result.exitStatus, 0) << result.message.toStdString();
        const AudioData wav = readAudioFile(options.output);
        EXPECT_EQ(wav.samplesPerSecond, 44100);
        EXPECT_GT(expected.size(), 44100u * 5);
        EXPECT_TRUE(wav.samples == expected) << wav.samples.size() << " vs " << expected.size();
    }
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
    EXPECT_TRUE(readAudioFile(options.output).samples == expected);
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
    const AudioData wav = readAudioFile(options.output);

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
        {{"--paris", "20", "--farnsworth", "10", "--quality", "3", "--rate", "11025", "--text",
          "CQ", "-o", "a.mp3"},
         true},
        {{"--paris", "4", "--text", "CQ", "-o", "a.wav"}, false},
        {{"--paris", "61", "--text", "CQ", "-o", "a.wav"}, false},
        {{"--paris", "20", "--wpm", "20", "--text", "CQ", "-o", "a.wav"}, false},
        {{"--paris", "20", "--word-gap", "2", "--text", "CQ", "-o", "a.wav"}, false},
        {{"--farnsworth", "10", "--text", "CQ", "-o", "a.wav"}, false},
        {{"--paris", "15", "--farnsworth", "18", "--text", "CQ", "-o", "a.wav"}, false},
        {{"--quality", "11", "--text", "CQ", "-o", "a.ogg"}, false},
        {{"--rate", "44000", "--text", "CQ", "-o", "a.wav"}, false},
    };
    for (const Case& c : cases) {
        const RenderParse parsed = parseRenderArguments(c.arguments);
        EXPECT_EQ(parsed.options.has_value(), c.ok) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(parsed.error.isEmpty(), c.ok) << c.arguments.join(' ').toStdString();
    }
}

TEST(Render, FormatFollowsTheExtension) {
    FormRig rig(QStringLiteral("[TessalSystem]\nSpeedWPS=30\n"));
    const std::vector<int16_t> expected = trainerTape(rig, "PARIS");
    struct Case {
        const char* name;
        int rate;      // read back
        bool lossless; // the trainer's samples exactly
    };
    const std::vector<Case> cases = {
        {"a.wav", 44100, true},  {"b.WAV", 44100, true},   {"c.flac", 44100, true},
        {"d.ogg", 44100, false}, {"e.opus", 48000, false}, {"f.mp3", 44100, false},
    };
    const QStringList writable = writableAudioExtensions();
    for (const Case& c : cases) {
        const QString name = QString::fromLatin1(c.name);
        if (!writable.contains(QFileInfo(name).suffix().toLower())) {
            EXPECT_EQ(name, QStringLiteral("f.mp3")) << "every other type is always there";
            continue;
        }
        QTemporaryDir dir;
        RenderOptions options;
        options.text = QStringLiteral("PARIS");
        options.output = dir.filePath(name);
        const RenderResult result = render(options, rig.iniPath());
        ASSERT_EQ(result.exitStatus, 0) << c.name << result.message.toStdString();
        const AudioData audio = readAudioFile(options.output);
        EXPECT_EQ(audio.samplesPerSecond, c.rate) << c.name;
        EXPECT_EQ(audio.channels, 1) << c.name;
        if (c.lossless)
            EXPECT_TRUE(audio.samples == expected) << c.name;
        else // an encoder may add a little at either end
            EXPECT_NEAR(double(audio.samples.size()) / c.rate, double(expected.size()) / 44100, 0.1)
                << c.name;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{name})
            << "no temporary file is left";
    }
}

TEST(Render, SmallWavIsPlainRiffAndRateAndQualityApply) {
    QTemporaryDir dir;
    const QString none = dir.filePath("none.ini");
    RenderOptions options;
    options.text = QStringLiteral("CQ CQ CQ DE QX0ZZZ");
    options.output = dir.filePath("plain.wav");
    ASSERT_EQ(render(options, none).exitStatus, 0);
    QFile plain(options.output);
    ASSERT_TRUE(plain.open(QIODevice::ReadOnly));
    EXPECT_EQ(plain.read(4), QByteArray("RIFF")) << "RF64 only past 4 GB";
    const std::size_t full = readAudioFile(options.output).samples.size();

    options.sampleRate = 11025;
    options.output = dir.filePath("low.wav");
    ASSERT_EQ(render(options, none).exitStatus, 0);
    const AudioData low = readAudioFile(options.output);
    EXPECT_EQ(low.samplesPerSecond, 11025);
    EXPECT_EQ(low.samples.size(), full / 4);

    options.sampleRate.reset();
    qint64 sizes[2] = {0, 0};
    for (int q : {0, 10}) {
        options.quality = q;
        options.output = dir.filePath(QStringLiteral("q%1.ogg").arg(q));
        ASSERT_EQ(render(options, none).exitStatus, 0);
        sizes[q / 10] = QFileInfo(options.output).size();
    }
    EXPECT_LT(sizes[0], sizes[1]) << "quality 0 makes the smaller file";
}

TEST(Render, RefusedInputsAndOutputsTable) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    struct Case {
        const char* what;
        std::optional<QString> file;
        QString output;
        std::optional<int> quality;
        const char* says;
    };
    const std::vector<Case> cases = {
        {"a FIFO", fifo, dir.filePath("a.wav"), {}, "not a regular file"},
        {"a folder", dir.path(), dir.filePath("b.wav"), {}, "not a regular file"},
        {"a device", QStringLiteral("/dev/zero"), dir.filePath("c.wav"), {}, "not a regular file"},
        {"a missing file", dir.filePath("missing.txt"), dir.filePath("d.wav"), {}, "cannot read"},
        {"an unknown type", {}, dir.filePath("e.txt"), {}, "must end in .wav"},
        {"no extension", {}, dir.filePath("f"), {}, "must end in .wav"},
        {"quality for WAV", {}, dir.filePath("g.wav"), 5, "--quality is for"},
    };
    for (const Case& c : cases) {
        RenderOptions options;
        if (c.file)
            options.file = c.file;
        else
            options.text = QStringLiteral("E");
        options.output = c.output;
        options.quality = c.quality;
        const RenderResult result = render(options, dir.filePath("none.ini"));
        EXPECT_EQ(result.exitStatus, 2) << c.what;
        EXPECT_TRUE(result.message.contains(QString::fromLatin1(c.says)))
            << c.what << ": " << result.message.toStdString();
        EXPECT_FALSE(QFile::exists(c.output)) << c.what;
    }
}

TEST(Render, StoredTrainerStateNeverStopsARender) {
    struct Case {
        const char* stored;
        const char* asIf; // the settings whose tape the file must equal
        QStringList notes;
    };
    const std::vector<Case> cases = {
        {"TalkingMode=1\nTalkingRepCount=3\n", "", {}},
        {"StrDelay=0\n", "StrDelay=2\n", {"StrDelay=0"}},
        {"StrDelay=9\nTalkingMode=1\n", "StrDelay=2\n", {"StrDelay=9"}},
        {"StrDelay=two\n", "StrDelay=2\n", {"StrDelay=two"}},
        {"SpeedWPS=12\n", "SpeedWPS=10\n", {"SpeedWPS=12"}},
        {"SoundCode1=42\nVolume1=500\n", "Volume1=100\n", {"SoundCode1=42", "Volume1=500"}},
        {"QTypeMode=1\nFilePlayMode=1\n", "", {}},
    };
    for (const Case& c : cases) {
        FormRig reference(QStringLiteral("[TessalSystem]\n") + QString::fromLatin1(c.asIf));
        if (QString::fromLatin1(c.stored).contains("SoundCode1=42"))
            reference->Frequency1 = 1000;
        const std::vector<int16_t> expected = trainerTape(reference, "A B");

        FormRig stored(QStringLiteral("[TessalSystem]\n") + QString::fromLatin1(c.stored));
        QTemporaryDir dir;
        RenderOptions options;
        options.text = QStringLiteral("A B");
        options.output = dir.filePath("out.wav");
        const RenderResult result = render(options, stored.iniPath());
        ASSERT_EQ(result.exitStatus, 0) << c.stored << result.message.toStdString();
        EXPECT_TRUE(readAudioFile(options.output).samples == expected) << c.stored;
        ASSERT_EQ(result.notes.size(), c.notes.size()) << c.stored;
        for (qsizetype i = 0; i < c.notes.size(); ++i)
            EXPECT_TRUE(result.notes[i].contains(c.notes[i])) << result.notes[i].toStdString();
    }
}
