#include "emulator/byte_pacer.h"

#include <gtest/gtest.h>

using pemrix::emulator::BytePacer;
using std::chrono::nanoseconds;

TEST(BytePacer, ByteTimeAt1200Baud) {
    EXPECT_EQ(BytePacer().byteTime(), nanoseconds(8'333'333));
}

TEST(BytePacer, BytesHandedTogetherArriveOneByteTimeApart) {
    BytePacer pacer;
    const BytePacer::Clock::time_point start{};
    for (const long long arrival : {8'333'333LL, 16'666'666LL, 25'000'000LL, 33'333'333LL})
        EXPECT_EQ(pacer.schedule(start), start + nanoseconds(arrival));
}

TEST(BytePacer, LongStretchesDoNotAccumulateRounding) {
    BytePacer pacer;
    const BytePacer::Clock::time_point start{};
    BytePacer::Clock::time_point last;
    for (int i = 0; i < 1200; ++i)
        last = pacer.schedule(start + nanoseconds(i)); // handed while the line is busy
    EXPECT_EQ(last, start + std::chrono::seconds(10)) << "1200 bytes of 10 bits at 1200 baud";
}

TEST(BytePacer, AnIdleLineStartsAfresh) {
    BytePacer pacer;
    const BytePacer::Clock::time_point start{};
    pacer.schedule(start);
    const auto later = start + std::chrono::seconds(1);
    EXPECT_EQ(pacer.schedule(later), later + pacer.byteTime());
    EXPECT_EQ(pacer.schedule(later), later + nanoseconds(16'666'666));
}
