#include "platform/error.h"
#include "platform/sim_platform.h"

#include <gtest/gtest.h>

using namespace tessal;

TEST(Guarded, AnEscapingErrorBecomesAMessageAndTheProgramGoesOn) {
    SimPlatform sim;
    int ranAfter = 0;
    sim.guarded([] { throw TessalError(QStringLiteral("Failed to write wave data.")); });
    sim.guarded([] { throw std::runtime_error("list index out of bounds"); });
    sim.guarded([] { throw 42; });
    // A scripted click goes through the same guard as a timer tick.
    sim.loop().at(5, [] { throw TessalError(QStringLiteral("Open Error")); });
    sim.loop().at(6, [&] { ++ranAfter; });
    auto timer = sim.createTimer();
    timer->setInterval(10);
    timer->setOnTimer([&] {
        timer->setEnabled(false);
        throw std::runtime_error("tick failed");
    });
    timer->setEnabled(true);
    sim.loop().runFor(20);
    EXPECT_EQ(sim.dialogs().messages(),
              (QStringList{"Failed to write wave data.", "list index out of bounds",
                           "Unknown error.", "Open Error", "tick failed"}));
    EXPECT_EQ(ranAfter, 1);
}
