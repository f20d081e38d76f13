#include "morse/text_decoder.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringList>

#include <array>
#include <cerrno>
#include <iconv.h>
#include <optional>

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

// Strict check: stateless, so a multi-byte sequence cut off at the end counts as an error too.
std::optional<QString> decodeStrictUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
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
    if (auto utf8 = decodeStrictUtf8(bytes))
        return *utf8;
    return decodeCp932(bytes);
}

bool readTextFile(const QString& path, QString* text) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    *text = decodeText(bytes);
    return true;
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
