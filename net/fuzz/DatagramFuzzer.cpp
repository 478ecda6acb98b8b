// libFuzzer target over the datagram parser. Built by build-fuzzer.sh, not by
// the project's CMake build.
#include "Datagram.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const datagram::ParseResult result = datagram::parse(bytes, "127.0.0.1");
    if (result.ok()) {
        // What passed must be what a peer could have sent: rebuilding the
        // message of a fixed-layout kind gives the same bytes back.
        const datagram::Message& m = *result.message;
        std::string message;
        switch (m.kind) {
        case datagram::Kind::LocateRequest:
            message = datagram::locateRequest();
            break;
        case datagram::Kind::GameCancelled:
            message = datagram::gameCancelled();
            break;
        case datagram::Kind::JoinRequest:
            message = datagram::joinRequest(m.name);
            break;
        default:
            return 0;
        }
        const std::string framed = datagram::frame(m.senderPort, m.gameId, message);
        if (framed.size() != bytes.size())
            __builtin_trap();
    }
    return 0;
}
