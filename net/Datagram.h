#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The multiplayer datagram as bytes, without sockets or Qt: building the text
// that a message sends and reading received bytes into one typed message or
// a rejection. Text is 8-bit, one byte per character (Windows-1252 on the
// wire); converting names to and from the program's strings is the caller's.
//
// Layout of every datagram:
//   offset 0   4 hex digits   the sender's own UDP port
//   offset 4   8 hex digits   the sender's game id (two's complement when < 0)
//   offset 12  message name, then its fields, then one zero byte.
namespace datagram {

inline constexpr std::string_view kLocateRequest = "SudokuLocateRequest";
inline constexpr std::string_view kLocateReply = "SudokuLocateReply";
inline constexpr std::string_view kJoinRequest = "SudokuJoinRequest";
inline constexpr std::string_view kGameStart = "SudokuGameStart";
inline constexpr std::string_view kGameCancelled = "SudokuGameCancelled";
inline constexpr std::string_view kPiecePlaced = "SudokuGamePiecePlaced";

// Header (port and game id) before the name.
inline constexpr std::size_t kHeaderLength = 12;
// Longer datagrams are dropped unread. The longest legitimate one, a game
// start to seven players with long names, stays well below it.
inline constexpr std::size_t kMaxDatagramLength = 4096;
// A roster never holds more players than this, the host included.
inline constexpr int kMaxPlayers = 7;
// Longest name that a join or a locate reply may carry.
inline constexpr std::size_t kMaxNameLength = 255;
// Length of a grid in its 89-character text form.
inline constexpr std::size_t kGridTextLength = 89;

enum class Kind { LocateRequest, LocateReply, JoinRequest, GameStart, GameCancelled, PiecePlaced };

// One roster entry of a received players text: "PPPP" port, address, "=",
// name. The name is everything after the first "=".
struct RosterEntry
{
    std::uint16_t port = 0;
    std::string address;
    std::string name;
    std::string text;  // the entry exactly as received
};

// A datagram that passed every check. Fields not used by its kind stay empty.
struct Message
{
    Kind kind = Kind::LocateRequest;
    std::uint16_t senderPort = 0;
    std::int32_t gameId = -1;
    std::string sourceAddress;         // where the datagram came from

    std::string name;                  // JoinRequest: the player; LocateReply: the host
    int playerCount = 0;               // LocateReply: players in the roster, host included
    int gameType = 0;                  // LocateReply: 1 battle, 2 head to head
    int index = 0;                     // GameStart: the recipient's; PiecePlaced: the sender's
    std::string puzzle;                // GameStart, grid text with "_" for empty cells
    std::string solution;              // GameStart, grid text of digits only
    std::vector<RosterEntry> players;  // GameStart, in roster order
    int x = 0, y = 0;                  // PiecePlaced: column and row 0..8
    int value = 0;                     // PiecePlaced: -1 empty, 0..8 the digits 1..9
};

// Either a message or the reason it was dropped.
struct ParseResult
{
    std::optional<Message> message;
    std::string rejection;

    bool ok() const { return message.has_value(); }
};

// Hexadecimal, upper case, zero-padded to at least `digits`; a negative value
// is written as its 32-bit two's complement, always 8 digits.
std::string intToHex(std::int32_t value, int digits);

// Reads 1 to 8 hexadecimal digits of either case (more when the extra ones
// are leading zeros) as a 32-bit value, two's complement above 7FFFFFFF.
// Anything else, the empty text included, is nullopt.
std::optional<std::int32_t> hexToInt(std::string_view text);

// The datagram for `message` (its name followed by its fields).
std::string frame(std::uint16_t ownPort, std::int32_t gameId, std::string_view message);

// Messages: the name and the fields, ready for frame().
std::string locateRequest();
std::string locateReply(int playerCount, int gameType, std::string_view hostName);
std::string joinRequest(std::string_view playerName);
std::string gameStart(int recipientIndex, std::string_view puzzle, std::string_view solution,
                      std::string_view playersText);
std::string gameCancelled();
std::string piecePlaced(int senderIndex, int x, int y, int value);

// Reads one received datagram. Never throws; anything malformed is rejected.
ParseResult parse(std::string_view bytes, std::string_view sourceAddress);

// A dotted IPv4 address of four decimal numbers 0..255, each without a
// leading zero (which other readers take for octal), as a 32-bit number,
// first number in the top byte; nullopt for any other text.
std::optional<std::uint32_t> ipv4Address(std::string_view text);
// True when ipv4Address() reads the text.
bool isIpv4Address(std::string_view text);

// True when a locate reply from `source` can answer a request sent to
// `located`: the same address, or a host of the subnet that `located` is the
// broadcast address of. Without the netmask, that subnet is taken as wide
// as the run of one bits at the bottom of `located` allows (all of
// 192.0.2.0/24 for 192.0.2.255, any address for 255.255.255.255).
bool answersLocate(std::uint32_t source, std::uint32_t located);

// A received start's roster as its recipient must use it. The host lists
// itself at 127.0.0.1, and a player on its own machine at the loopback
// address it joined from; on the recipient's machine those would be the
// recipient itself. Entry 0 and every entry in 127.0.0.0/8 therefore get
// `hostAddress`, the address the recipient joined the host at, and their
// `text` is rebuilt to match; the other entries stay as they came.
std::vector<RosterEntry> rosterSeenFrom(std::vector<RosterEntry> players, std::string_view hostAddress);

} // namespace datagram
