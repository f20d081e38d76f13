#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <span>

struct sf_private_tag;

namespace tessal {

// An output file type, chosen by the file's extension.
struct AudioFileType {
    QString extension;  // lower case, without the dot
    int sndfileFormat;  // libsndfile's major and sub format
    bool lossy;         // whether a quality applies
    bool only48kFamily; // Opus takes 8, 12, 16, 24 or 48 kHz only
};

// The type for `path`, or why there is none (unknown extension, or a type this libsndfile
// cannot write).
std::optional<AudioFileType> audioFileTypeFor(const QString& path, QString* why);
// The extensions this build can write, for the help text.
QStringList writableAudioExtensions();
// ".wav, .flac, ..." for messages.
QString dottedExtensions();

struct AudioFileSettings {
    int sampleRate = 44100;
    std::optional<int> quality; // 0 (smallest) .. 10 (best); the encoder's default when unset
};

inline constexpr int kMinQuality = 0;
inline constexpr int kMaxQuality = 10;

// Writes 16-bit mono samples into a temporary file beside the output and only renames it over
// the output when every sample and the file's end were written, so a full disk or any other
// failure leaves an earlier file of that name as it was.
class AudioFileWriter {
public:
    AudioFileWriter(const QString& path, const AudioFileType& type,
                    const AudioFileSettings& settings);
    ~AudioFileWriter(); // removes the temporary file unless it was committed
    AudioFileWriter(const AudioFileWriter&) = delete;
    AudioFileWriter& operator=(const AudioFileWriter&) = delete;

    bool ok() const { return error_.isEmpty(); }
    QString error() const { return error_; } // why writing failed, for the user
    bool write(std::span<const int16_t> samples);
    // Finishes the file, flushes it to the disk and renames it over the output.
    bool commit();
    int64_t samplesWritten() const { return written_; }

private:
    void fail(const QString& why);
    // Links the unnamed file under a temporary name beside the output.
    bool nameTheFile();
    void discard();

    QString path_;
    QString tempPath_; // empty while the file has no name
    int fd_ = -1;
    sf_private_tag* file_ = nullptr;
    int64_t written_ = 0;
    QString error_;
};

} // namespace tessal
