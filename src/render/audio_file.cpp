#include "render/audio_file.h"

#include <QFile>
#include <QFileInfo>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessal {
namespace {

const std::array<AudioFileType, 5> kTypes{{
    // A WAV file starts as RF64 and is written as a plain WAV when it stays below 4 GB, so a
    // long recording never wraps the 32-bit sizes of a WAV header.
    {QStringLiteral("wav"), SF_FORMAT_RF64 | SF_FORMAT_PCM_16, false, false},
    {QStringLiteral("flac"), SF_FORMAT_FLAC | SF_FORMAT_PCM_16, false, false},
    {QStringLiteral("ogg"), SF_FORMAT_OGG | SF_FORMAT_VORBIS, true, false},
    {QStringLiteral("opus"), SF_FORMAT_OGG | SF_FORMAT_OPUS, true, true},
    {QStringLiteral("mp3"), SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, true, false},
}};

bool canWrite(const AudioFileType& type) {
    SF_INFO info{};
    info.samplerate = type.only48kFamily ? 48000 : 44100;
    info.channels = 1;
    info.format = type.sndfileFormat;
    return sf_format_check(&info) != 0;
}

// libsndfile's own message, or the system's when a system call failed underneath (an encoder
// may report only "internal error" for a full disk).
QString writeError(SNDFILE* file, int systemErrno) {
    if (systemErrno != 0)
        return QString::fromLocal8Bit(std::strerror(systemErrno));
    return QString::fromLocal8Bit(sf_strerror(file));
}

QString dotted(QStringList extensions) {
    for (QString& extension : extensions)
        extension.prepend(u'.');
    return extensions.join(QStringLiteral(", "));
}

QString systemError(const char* what) {
    return QStringLiteral("%1: %2").arg(QString::fromLatin1(what),
                                        QString::fromLocal8Bit(std::strerror(errno)));
}

// The mode a newly created file would get, or the earlier file's own.
QString tempNameBeside(const QFileInfo& target, const QString& tail) {
    return target.absolutePath() + QStringLiteral("/.") + target.fileName() + u'.' + tail;
}

mode_t modeFor(const QByteArray& path) {
    struct stat earlier {};
    if (::stat(path.constData(), &earlier) == 0)
        return earlier.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

std::optional<AudioFileType> audioFileTypeFor(const QString& path, QString* why) {
    const QString extension = QFileInfo(path).suffix().toLower();
    for (const AudioFileType& type : kTypes) {
        if (type.extension != extension)
            continue;
        if (canWrite(type))
            return type;
        *why = QStringLiteral("this system's libsndfile cannot write .%1 files").arg(extension);
        return std::nullopt;
    }
    *why = QStringLiteral("the output must end in %1").arg(dotted(writableAudioExtensions()));
    return std::nullopt;
}

QString dottedExtensions() {
    return dotted(writableAudioExtensions());
}

QStringList writableAudioExtensions() {
    QStringList extensions;
    for (const AudioFileType& type : kTypes) {
        if (canWrite(type))
            extensions.append(type.extension);
    }
    return extensions;
}

AudioFileWriter::AudioFileWriter(const QString& path, const AudioFileType& type,
                                 const AudioFileSettings& settings)
    : path_(path) {
    const QFileInfo target(path);
    if (target.isDir()) {
        fail(QStringLiteral("%1 is a folder").arg(path));
        return;
    }
    // A file without a name vanishes by itself however the render ends, even when it is
    // killed; where the file system cannot do that, a named temporary file stands in.
    fd_ = ::open(QFile::encodeName(target.absolutePath()).constData(),
                 O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd_ < 0) {
        QByteArray temp = QFile::encodeName(tempNameBeside(target, QStringLiteral("XXXXXX")));
        fd_ = ::mkstemp(temp.data());
        if (fd_ < 0) {
            fail(systemError("cannot create a file beside the output"));
            return;
        }
        tempPath_ = QFile::decodeName(temp);
    }
    ::fchmod(fd_, modeFor(QFile::encodeName(target.absoluteFilePath())));

    SF_INFO info{};
    info.samplerate = settings.sampleRate;
    info.channels = 1;
    info.format = type.sndfileFormat;
    file_ = sf_open_fd(fd_, SFM_WRITE, &info, SF_FALSE);
    if (!file_) {
        fail(QStringLiteral("cannot start the %1 file: %2")
                 .arg(type.extension, QString::fromLocal8Bit(sf_strerror(nullptr))));
        return;
    }
    if ((type.sndfileFormat & SF_FORMAT_TYPEMASK) == SF_FORMAT_RF64)
        sf_command(file_, SFC_RF64_AUTO_DOWNGRADE, nullptr, SF_TRUE);
    if (settings.quality && type.lossy) {
        // libsndfile's compression level runs from 0 (best) to 1 (smallest).
        double level = 1.0 - double(*settings.quality) / kMaxQuality;
        sf_command(file_, SFC_SET_COMPRESSION_LEVEL, &level, sizeof level);
    }
}

AudioFileWriter::~AudioFileWriter() {
    discard();
}

void AudioFileWriter::fail(const QString& why) {
    if (error_.isEmpty())
        error_ = why;
    discard();
}

void AudioFileWriter::discard() {
    if (file_) {
        sf_close(file_);
        file_ = nullptr;
    }
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!tempPath_.isEmpty()) {
        ::unlink(QFile::encodeName(tempPath_).constData());
        tempPath_.clear();
    }
}

bool AudioFileWriter::write(std::span<const int16_t> samples) {
    if (!ok())
        return false;
    const sf_count_t count = sf_count_t(samples.size());
    errno = 0;
    if (sf_write_short(file_, samples.data(), count) != count) {
        fail(QStringLiteral("writing %1 failed: %2").arg(path_, writeError(file_, errno)));
        return false;
    }
    written_ += count;
    return true;
}

bool AudioFileWriter::nameTheFile() {
    const QFileInfo target(path_);
    const QByteArray self = QByteArray("/proc/self/fd/") + QByteArray::number(fd_);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name =
            tempNameBeside(target, QStringLiteral("%1.%2").arg(::getpid()).arg(attempt));
        const QByteArray encoded = QFile::encodeName(name);
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, encoded.constData(),
                     AT_SYMLINK_FOLLOW) == 0 ||
            ::linkat(fd_, "", AT_FDCWD, encoded.constData(), AT_EMPTY_PATH) == 0) {
            tempPath_ = name;
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

bool AudioFileWriter::commit() {
    if (!ok())
        return false;
    // Closing writes the encoder's last frames and the header; each can still meet a full disk.
    errno = 0;
    const int closed = sf_close(file_);
    const int closeErrno = errno;
    file_ = nullptr;
    if (closed != 0) {
        fail(QStringLiteral("finishing %1 failed: %2")
                 .arg(path_, closeErrno != 0 ? QString::fromLocal8Bit(std::strerror(closeErrno))
                                             : QString::fromLocal8Bit(sf_error_number(closed))));
        return false;
    }
    if (::fsync(fd_) != 0) {
        fail(systemError("writing the output failed"));
        return false;
    }
    if (tempPath_.isEmpty() && !nameTheFile()) {
        fail(systemError("cannot put the output in place"));
        return false;
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        fail(systemError("writing the output failed"));
        return false;
    }
    if (::rename(QFile::encodeName(tempPath_).constData(), QFile::encodeName(path_).constData()) !=
        0) {
        fail(systemError("cannot put the output in place"));
        return false;
    }
    tempPath_.clear();
    return true;
}

} // namespace tessal
