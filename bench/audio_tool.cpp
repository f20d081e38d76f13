// Helper of bench/render.sh: what an audio file holds, read through libsndfile's decoders and
// streamed, so a file of many hours needs little memory.
//   bench_audio_tool seconds FILE            prints the length in seconds
//   bench_audio_tool raw FILE [SECONDS]      writes it (or its first SECONDS) to stdout as raw
//                                            16-bit mono at 22050 Hz, the input multimon-ng takes
#include "render/resampler.h"

#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sndfile.h>

int main(int argc, char** argv) {
    const bool seconds = argc == 3 && std::strcmp(argv[1], "seconds") == 0;
    const bool raw = (argc == 3 || argc == 4) && std::strcmp(argv[1], "raw") == 0;
    if (!seconds && !raw) {
        std::fprintf(stderr, "usage: bench_audio_tool seconds FILE | raw FILE [SECONDS]\n");
        return 2;
    }
    SF_INFO info{};
    SNDFILE* file = sf_open(argv[2], SFM_READ, &info);
    if (!file) {
        std::fprintf(stderr, "cannot read %s: %s\n", argv[2], sf_strerror(nullptr));
        return 1;
    }
    std::unique_ptr<tessal::Resampler> resampler;
    if (info.samplerate != 22050)
        resampler = std::make_unique<tessal::Resampler>(info.samplerate, 22050);
    const int64_t limit = argc == 4 ? int64_t(std::atof(argv[3]) * info.samplerate) : -1;
    std::vector<int16_t> frames(std::size_t(65536) * std::size_t(info.channels));
    std::vector<int16_t> mono;
    std::vector<int16_t> out;
    int64_t total = 0;
    for (;;) {
        sf_count_t got = sf_readf_short(file, frames.data(), 65536);
        if (limit >= 0)
            got = std::min<sf_count_t>(got, limit - total);
        if (got <= 0)
            break;
        total += got;
        if (seconds)
            continue;
        mono.resize(std::size_t(got));
        for (sf_count_t i = 0; i < got; ++i)
            mono[std::size_t(i)] = frames[std::size_t(i * info.channels)];
        out.clear();
        if (resampler)
            resampler->push(mono, out);
        else
            out = mono;
        std::fwrite(out.data(), sizeof(int16_t), out.size(), stdout);
    }
    sf_close(file);
    if (seconds) {
        std::printf("%.2f\n", double(total) / info.samplerate);
    } else if (resampler) {
        out.clear();
        resampler->finish(out);
        std::fwrite(out.data(), sizeof(int16_t), out.size(), stdout);
    }
    return 0;
}
