// The fuzzer's seed inputs, replayed with every cut and a set of byte changes
// under the normal test run (and its sanitizers).
#include "Datagram.h"
#include "DatagramSeeds.h"

#include <gtest/gtest.h>

TEST(DatagramCorpus, SeedsParseAsExpectedAndNoCutOrFlipBreaksTheParser)
{
    const std::vector<std::string> seeds = datagramSeeds();
    const std::size_t valid = 7;  // the seeds before the near misses
    ASSERT_GT(seeds.size(), valid);
    int accepted = 0;
    for (std::size_t i = 0; i < seeds.size(); ++i) {
        const std::string& seed = seeds[i];
        EXPECT_EQ(datagram::parse(seed, "127.0.0.1").ok(), i < valid) << "seed " << i;
        // Every cut of a valid seed loses its only zero byte, the last.
        for (std::size_t n = 0; i < valid && n < seed.size(); ++n)
            EXPECT_FALSE(datagram::parse(std::string_view(seed).substr(0, n), "127.0.0.1").ok());
        for (std::size_t at = 0; at < seed.size(); ++at) {
            for (const char c : {'\0', '\x7F', '\xFF', '=', '|', '\r', 'F', '9'}) {
                std::string changed = seed;
                changed[at] = c;
                accepted += datagram::parse(changed, "127.0.0.1").ok() ? 1 : 0;
            }
        }
    }
    EXPECT_GT(accepted, 0);
}
