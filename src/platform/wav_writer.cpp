#include "platform/wav_writer.h"

#include <QFile>
#include <array>
#include <cstring>

namespace tessal {
namespace {

void putLe32(unsigned char* at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<unsigned char>(value >> (8 * i));
}

void putLe16(unsigned char* at, uint16_t value) {
    at[0] = static_cast<unsigned char>(value);
    at[1] = static_cast<unsigned char>(value >> 8);
}

uint32_t getLe32(const char* at) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(at[i]);
    return value;
}

uint16_t getLe16(const char* at) {
    return static_cast<uint16_t>(static_cast<unsigned char>(at[0]) |
                                 (static_cast<unsigned char>(at[1]) << 8));
}

constexpr std::size_t kHeaderBytes = 44;

std::array<unsigned char, kHeaderBytes> makeHeader(int samplesPerSecond, uint32_t dataBytes) {
    std::array<unsigned char, kHeaderBytes> h{};
    std::memcpy(&h[0], "RIFF", 4);
    putLe32(&h[4], 36 + dataBytes);
    std::memcpy(&h[8], "WAVEfmt ", 8);
    putLe32(&h[16], 16);
    putLe16(&h[20], 1); // PCM
    putLe16(&h[22], 1); // mono
    putLe32(&h[24], static_cast<uint32_t>(samplesPerSecond));
    putLe32(&h[28], static_cast<uint32_t>(samplesPerSecond * 2));
    putLe16(&h[32], 2);
    putLe16(&h[34], 16);
    std::memcpy(&h[36], "data", 4);
    putLe32(&h[40], dataBytes);
    return h;
}

} // namespace

WavWriter::WavWriter(const QString& path, int samplesPerSecond)
    : samplesPerSecond_(samplesPerSecond) {
    file_ = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file_)
        return;
    const auto header = makeHeader(samplesPerSecond_, 0);
    failed_ = std::fwrite(header.data(), 1, header.size(), file_) != header.size();
}

WavWriter::~WavWriter() {
    close();
}

void WavWriter::append(std::span<const int16_t> samples) {
    if (!file_)
        return;
    for (int16_t sample : samples) {
        unsigned char bytes[2];
        putLe16(bytes, static_cast<uint16_t>(sample));
        failed_ |= std::fwrite(bytes, 1, 2, file_) != 2;
    }
    dataBytes_ += static_cast<uint32_t>(samples.size() * 2);
}

bool WavWriter::close() {
    if (!file_)
        return !failed_;
    const auto header = makeHeader(samplesPerSecond_, dataBytes_);
    failed_ |= std::fseek(file_, 0, SEEK_SET) != 0;
    failed_ |= std::fwrite(header.data(), 1, header.size(), file_) != header.size();
    failed_ |= std::fclose(file_) != 0;
    file_ = nullptr;
    return !failed_;
}

WavData readWav(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (bytes.size() < static_cast<qsizetype>(kHeaderBytes) || !bytes.startsWith("RIFF") ||
        bytes.mid(8, 8) != "WAVEfmt " || getLe16(bytes.constData() + 20) != 1 ||
        getLe16(bytes.constData() + 22) != 1 || getLe16(bytes.constData() + 34) != 16 ||
        bytes.mid(36, 4) != "data")
        return {};
    const uint32_t dataBytes = getLe32(bytes.constData() + 40);
    if (kHeaderBytes + dataBytes > static_cast<std::size_t>(bytes.size()))
        return {};
    WavData wav;
    wav.samplesPerSecond = static_cast<int>(getLe32(bytes.constData() + 24));
    wav.samples.resize(dataBytes / 2);
    for (std::size_t i = 0; i < wav.samples.size(); ++i)
        wav.samples[i] = static_cast<int16_t>(getLe16(bytes.constData() + kHeaderBytes + 2 * i));
    return wav;
}

} // namespace tessal
