#include "sound/tone_cache.h"
#include "sound/tone_synthesis.h"

#include <gtest/gtest.h>

using namespace tessal;

TEST(ListenToneCache, EveryCallGivesWhatFreshSynthesisGives) {
    struct Call {
        const char* tones;
        int hz, amplitude, dotMs, dashMs;
    };
    // Repeats interleaved with calls that differ in one argument each: a stale entry would
    // hand back the earlier character's samples.
    const std::vector<Call> calls = {
        {"SL", 700, 15000, 70, 180}, {"SL", 700, 15000, 70, 180}, {"SL", 800, 15000, 70, 180},
        {"SL", 700, 3000, 70, 180},  {"SL", 700, 15000, 60, 180}, {"SL", 700, 15000, 70, 144},
        {"LS", 700, 15000, 70, 180}, {"SL", 700, 15000, 70, 180}, {"", 700, 15000, 70, 180},
    };
    ListenToneCache cache;
    std::vector<int16_t> cached{1, 2, 3};
    std::vector<int16_t> fresh{1, 2, 3};
    for (const Call& c : calls) {
        const QString tones = QString::fromLatin1(c.tones);
        const int64_t want =
            synthesizeListenTones(fresh, tones, c.hz, c.amplitude, c.dotMs, c.dashMs);
        EXPECT_EQ(cache.synthesize(cached, tones, c.hz, c.amplitude, c.dotMs, c.dashMs), want)
            << c.tones << " " << c.hz;
        EXPECT_TRUE(cached == fresh) << c.tones << " " << c.hz << " " << c.amplitude;
    }
    EXPECT_EQ(cache.entries(), 6u) << "one entry per distinct character, none for the empty one";
}

TEST(ListenToneCache, HoldsABoundedNumberOfSamples) {
    ListenToneCache cache;
    std::vector<int16_t> out;
    std::size_t longest = 0;
    for (int hz = 100; hz < 400; ++hz) {
        cache.synthesize(out, QStringLiteral("LLLLL"), hz, 15000, 80, 280); // 79380 samples
        longest = out.size();
    }
    EXPECT_LE(cache.entries() * longest, ListenToneCache::kMostSamples);
    EXPECT_GT(cache.entries(), 0u);
}
