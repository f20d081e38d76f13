#include "platform/quiet_start.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <alsa/asoundlib.h>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace tessal {
namespace {

// What ALSA writes to stderr while it fails to open a device that does not exist.
std::string alsaChatterOpeningAMissingDevice() {
    std::fflush(stderr);
    FILE* capture = std::tmpfile();
    const int savedStderr = ::dup(STDERR_FILENO);
    ::dup2(::fileno(capture), STDERR_FILENO);
    snd_pcm_t* pcm = nullptr;
    const int result = snd_pcm_open(&pcm, "tessal_no_such_device", SND_PCM_STREAM_PLAYBACK, 0);
    if (result == 0)
        snd_pcm_close(pcm);
    std::fflush(stderr);
    ::dup2(savedStderr, STDERR_FILENO);
    ::close(savedStderr);
    std::string text(4096, '\0');
    std::rewind(capture);
    text.resize(std::fread(text.data(), 1, text.size(), capture));
    std::fclose(capture);
    return text;
}

TEST(QuietStart, AlsaKeepsItsErrorsToItselfOnceSilenced) {
    snd_lib_error_set_handler(nullptr);
    EXPECT_NE(alsaChatterOpeningAMissingDevice(), "") << "ALSA's own printing is the control";
    silenceAlsaErrors();
    EXPECT_EQ(alsaChatterOpeningAMissingDevice(), "");
    snd_lib_error_set_handler(nullptr);
}

mode_t modeOf(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

TEST(QuietStart, RuntimeFolderIsTheSessionsOrAPrivateOneOfOurOwn) {
    struct Case {
        const char* name;
        mode_t sessionMode;  // 0: no session folder
        mode_t fallbackMode; // 0: no fallback folder yet
        bool fallbackOwnedByOther;
        const char* chosen; // "session", "fallback" or ""
    };
    const Case cases[] = {
        {"session folder ours and private", 0700, 0, false, "session"},
        {"no session folder", 0, 0, false, "fallback"},
        {"session folder open to others", 0755, 0, false, "fallback"},
        {"fallback left open is made private", 0, 0755, false, "fallback"},
        {"fallback of another user is never used", 0, 0700, true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Only root can give a folder away.
        if (c.fallbackOwnedByOther && ::geteuid() != 0)
            continue;
        QTemporaryDir dir;
        const QString session = dir.filePath(QStringLiteral("session"));
        const QString fallback = dir.filePath(QStringLiteral("runtime"));
        if (c.sessionMode) {
            QDir().mkpath(session);
            ::chmod(QFile::encodeName(session).constData(), c.sessionMode);
        }
        if (c.fallbackMode) {
            QDir().mkpath(fallback);
            ::chmod(QFile::encodeName(fallback).constData(), c.fallbackMode);
            if (c.fallbackOwnedByOther) {
                ASSERT_EQ(::chown(QFile::encodeName(fallback).constData(), 65534, 65534), 0);
            }
        }
        const QString expected = QString::fromUtf8(c.chosen) == u"session"    ? session
                                 : QString::fromUtf8(c.chosen) == u"fallback" ? fallback
                                                                              : QString();
        EXPECT_EQ(chooseRuntimeFolder(session, fallback), expected);
        if (expected == fallback) {
            EXPECT_EQ(modeOf(fallback), mode_t(0700));
        }
    }
}

} // namespace
} // namespace tessal
