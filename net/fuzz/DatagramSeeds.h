#pragma once

#include <string>
#include <vector>

// Seed inputs of the datagram parser: one of each message as a peer sends
// it, and a few near misses. The fuzzer starts from them, and the corpus
// replay test runs them (and their cuts and flips) through the parser.
inline std::vector<std::string> datagramSeeds()
{
    using namespace std::string_literals;
    const std::string solution =
        "123456789+456789123+789123456+234567891+567891234+891234567+345678912+678912345+912345678";
    const std::string puzzle =
        "1_3_5_7_9+_5_7_9_2_+7_9_2_4_6+_3_5_7_9_+5_7_9_2_4+_9_2_4_6_+3_5_7_9_2+_7_9_2_4_+9_2_4_6_8";
    const std::string players = "2EE0127.0.0.1=Host\r\n2EE1192.0.2.7=Ann\r\n2EE2192.0.2.8=Bob=Jr\r\n";
    return {
        "2EE0FFFFFFFFSudokuLocateRequest\0"s,
        "2EE10000002ASudokuLocateReply0201Host\0"s,
        "2EE10000002ASudokuJoinRequestAnn\0"s,
        "2EE00000002ASudokuGameStart01" + puzzle + "|" + solution + "|" + players + "\0"s,
        "2EE00000002ASudokuGameCancelled\0"s,
        "2EE10000002ASudokuGamePiecePlaced023508\0"s,
        "2EE10000002ASudokuGamePiecePlaced0235FFFFFFFF\0"s,
        // Near misses: each is rejected.
        "2EE0FFFFFFFFSudokuLocateRequest"s,
        "2EE0FFFFFFFFSudokuLocateRequest\0\0"s,
        "2EE0FFFFFFFGSudokuLocateRequest\0"s,
        "2EE10000002ASudokuGamePiecePlaced029508\0"s,
        "2EE10000002ASudokuGamePiecePlaced023509\0"s,
        "2EE10000002ASudokuJoinRequestAn\r\nn\0"s,
        "2EE00000002ASudokuGameStart03" + puzzle + "|" + solution + "|" + players + "\0"s,
        "0000FFFFFFFFSudokuGameBegin\0"s,
    };
}
