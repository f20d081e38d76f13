#include "morse/text_decoder.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringList>

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <iconv.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace tessal {
namespace {

constexpr std::array<char, 3> kUtf8Bom{'\xEF', '\xBB', '\xBF'};
constexpr std::array<char, 2> kUtf16LeBom{'\xFF', '\xFE'};
constexpr std::array<char, 2> kUtf16BeBom{'\xFE', '\xFF'};

template <std::size_t N> bool startsWith(const QByteArray& bytes, const std::array<char, N>& bom) {
    return bytes.startsWith(QByteArrayView(bom.data(), static_cast<qsizetype>(N)));
}

// The byte-order mark has already been removed; any further one is text and is kept.
QString decodeWith(QStringDecoder::Encoding encoding, QByteArrayView bytes) {
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless |
                                         QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

struct Utf8Census {
    qsizetype multiByteCharacters = 0;
    qsizetype badSequences = 0;
};

struct Utf8Sequence {
    qsizetype length; // bytes taken: the whole character, or the bad part to skip (at least 1)
    bool wellFormed;
};

// The sequence at `i` (RFC 3629: no overlong forms, no surrogates, nothing above U+10FFFF). A bad
// one spans its longest well-formed beginning, so a character cut off counts as one fault.
Utf8Sequence utf8SequenceAt(const QByteArray& bytes, qsizetype i) {
    const auto byte = [&](qsizetype at) { return static_cast<unsigned char>(bytes.at(at)); };
    const unsigned char lead = byte(i);
    qsizetype length = 0;
    unsigned char secondLow = 0x80, secondHigh = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        secondLow = lead == 0xE0 ? 0xA0 : 0x80;
        secondHigh = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        secondLow = lead == 0xF0 ? 0x90 : 0x80;
        secondHigh = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return {1, false};
    }
    for (qsizetype k = 1; k < length; ++k) {
        const unsigned char low = k == 1 ? secondLow : 0x80;
        const unsigned char high = k == 1 ? secondHigh : 0xBF;
        if (i + k >= bytes.size() || byte(i + k) < low || byte(i + k) > high)
            return {k, false};
    }
    return {length, true};
}

Utf8Census countUtf8(const QByteArray& bytes) {
    Utf8Census census;
    qsizetype i = 0;
    while (i < bytes.size()) {
        if (static_cast<unsigned char>(bytes.at(i)) < 0x80) {
            ++i;
            continue;
        }
        const Utf8Sequence sequence = utf8SequenceAt(bytes, i);
        ++(sequence.wellFormed ? census.multiByteCharacters : census.badSequences);
        i += sequence.length;
    }
    return census;
}

// A UTF-8 file with a few damaged bytes is still UTF-8: reading it as CP932 would turn every
// Japanese character into mojibake, which the next save would make permanent. In real CP932 text
// hardly any byte pair happens to form a UTF-8 character.
bool looksLikeUtf8(const QByteArray& bytes) {
    const Utf8Census census = countUtf8(bytes);
    return census.badSequences == 0 || census.multiByteCharacters >= census.badSequences;
}

class IconvHandle {
public:
    IconvHandle(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~IconvHandle() {
        if (isOpen())
            iconv_close(handle_);
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;

    bool isOpen() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return handle_; }

private:
    iconv_t handle_;
};

constexpr char kReplacementUtf8[] = "\xEF\xBF\xBD";

// Converts CP932 to UTF-8; each byte iconv cannot take becomes U+FFFD and the rest is still read.
QString decodeCp932(const QByteArray& bytes) {
    IconvHandle converter("UTF-8", "CP932");
    if (!converter.isOpen())
        return QString::fromUtf8(bytes);

    QByteArray utf8;
    // Every CP932 character (1 or 2 bytes) becomes at most 3 bytes of UTF-8.
    std::array<char, 4096> chunk{};
    char* in = const_cast<char*>(bytes.constData());
    std::size_t inLeft = static_cast<std::size_t>(bytes.size());
    while (inLeft > 0) {
        char* out = chunk.data();
        std::size_t outLeft = chunk.size();
        const std::size_t result = iconv(converter.get(), &in, &inLeft, &out, &outLeft);
        const int error = errno;
        utf8.append(chunk.data(), static_cast<qsizetype>(chunk.size() - outLeft));
        if (result != static_cast<std::size_t>(-1))
            continue;
        if (error == E2BIG)
            continue;
        // EILSEQ (invalid) or EINVAL (cut off at the end): replace one byte and go on.
        utf8.append(kReplacementUtf8);
        ++in;
        --inLeft;
        iconv(converter.get(), nullptr, nullptr, nullptr, nullptr);
    }
    return QString::fromUtf8(utf8);
}

} // namespace

QString decodeText(const QByteArray& bytes) {
    if (startsWith(bytes, kUtf8Bom))
        return decodeWith(QStringDecoder::Utf8, QByteArrayView(bytes).sliced(kUtf8Bom.size()));
    if (startsWith(bytes, kUtf16LeBom))
        return decodeWith(QStringDecoder::Utf16LE,
                          QByteArrayView(bytes).sliced(kUtf16LeBom.size()));
    if (startsWith(bytes, kUtf16BeBom))
        return decodeWith(QStringDecoder::Utf16BE,
                          QByteArrayView(bytes).sliced(kUtf16BeBom.size()));
    if (looksLikeUtf8(bytes))
        return decodeWith(QStringDecoder::Utf8, bytes);
    return decodeCp932(bytes);
}

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

TextFileStatus checkRegularSize(const struct stat& info) {
    if (!S_ISREG(info.st_mode))
        return TextFileStatus::NotRegularFile;
    if (info.st_size > kMaxTextFileBytes)
        return TextFileStatus::TooLarge;
    return TextFileStatus::Read;
}

} // namespace

TextFileStatus loadTextFile(const QString& path, QString* text) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    // Looked at before opening: opening some devices already does something.
    if (::stat(name.constData(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR ? TextFileStatus::Missing
                                                   : TextFileStatus::Unreadable;
    if (const TextFileStatus status = checkRegularSize(info); status != TextFileStatus::Read)
        return status;
    // Non-blocking, so a FIFO put there after the check cannot hang the open.
    const FileDescriptor file(
        ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0)
        return errno == ENOENT ? TextFileStatus::Missing : TextFileStatus::Unreadable;
    if (::fstat(file.get(), &info) != 0)
        return TextFileStatus::Unreadable;
    if (const TextFileStatus status = checkRegularSize(info); status != TextFileStatus::Read)
        return status;

    QByteArray bytes;
    std::array<char, 65536> chunk{};
    for (;;) {
        const ssize_t count = ::read(file.get(), chunk.data(), chunk.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return TextFileStatus::Unreadable;
        if (count == 0)
            break;
        if (bytes.size() + count > kMaxTextFileBytes)
            return TextFileStatus::TooLarge; // it grew while being read
        bytes.append(chunk.data(), static_cast<qsizetype>(count));
    }
    *text = decodeText(bytes);
    return TextFileStatus::Read;
}

bool readTextFile(const QString& path, QString* text) {
    return loadTextFile(path, text) == TextFileStatus::Read;
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar ch = text.at(i);
        if (ch != u'\r' && ch != u'\n') {
            ++i;
            continue;
        }
        lines.append(text.sliced(start, i - start));
        const bool crLf = ch == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n';
        i += crLf ? 2 : 1;
        start = i;
    }
    if (start < text.size())
        lines.append(text.sliced(start));
    return lines;
}

} // namespace tessal
