#include "Datagram.h"

#include <array>
#include <bit>

namespace datagram {

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Exactly `width` hex digits at the front of `text`.
std::optional<std::int32_t> fixedHex(std::string_view text, std::size_t width)
{
    if (text.size() < width)
        return std::nullopt;
    return hexToInt(text.substr(0, width));
}

ParseResult reject(std::string reason)
{
    return ParseResult{std::nullopt, std::move(reason)};
}

bool hasControlCharacter(std::string_view text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 32)
            return true;
    }
    return false;
}

// A name as a join or a locate reply carries it: not empty, not too long,
// no control characters (a CR LF would split the roster's lines).
bool isValidName(std::string_view name)
{
    return !name.empty() && name.size() <= kMaxNameLength && !hasControlCharacter(name);
}

// Nine groups of nine cells joined by "+"; `cellOk` judges each cell.
template <typename CellOk>
bool isGridText(std::string_view text, CellOk cellOk)
{
    if (text.size() != kGridTextLength)
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool separator = i % 10 == 9;
        if (separator ? text[i] != '+' : !cellOk(text[i]))
            return false;
    }
    return true;
}

bool isPuzzleCell(char c)
{
    return c == '_' || (c >= '1' && c <= '9');
}

bool isSolutionCell(char c)
{
    return c >= '1' && c <= '9';
}

// Every given of the puzzle is the solution's digit in that cell, so that a
// game dealt from them can be finished.
bool givensMatchSolution(std::string_view puzzle, std::string_view solution)
{
    for (std::size_t i = 0; i < puzzle.size(); ++i) {
        if (puzzle[i] != '_' && puzzle[i] != solution[i])
            return false;
    }
    return true;
}

// An address that one player can be reached at: not in 0.0.0.0/8 ("this
// network"), not multicast (224.0.0.0/4), not reserved (240.0.0.0/4, which
// holds 255.255.255.255). Directed broadcasts cannot be told without the
// netmask and pass.
bool isUnicast(std::uint32_t address)
{
    const std::uint32_t first = address >> 24;
    return first != 0 && first < 224;
}

std::optional<RosterEntry> parseRosterEntry(std::string_view text)
{
    const std::optional<std::int32_t> port = fixedHex(text, 4);
    if (!port || *port == 0)
        return std::nullopt;
    const std::string_view rest = text.substr(4);
    const std::size_t equals = rest.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    const std::string_view address = rest.substr(0, equals);
    const std::string_view name = rest.substr(equals + 1);
    const std::optional<std::uint32_t> number = ipv4Address(address);
    if (!number || !isUnicast(*number) || !isValidName(name))
        return std::nullopt;
    return RosterEntry{static_cast<std::uint16_t>(*port), std::string(address), std::string(name),
                       std::string(text)};
}

// A players text: one entry per line, every line ended by CR LF.
std::optional<std::vector<RosterEntry>> parsePlayersText(std::string_view text)
{
    std::vector<RosterEntry> players;
    while (!text.empty()) {
        const std::size_t end = text.find("\r\n");
        if (end == std::string_view::npos || static_cast<int>(players.size()) == kMaxPlayers)
            return std::nullopt;
        std::optional<RosterEntry> entry = parseRosterEntry(text.substr(0, end));
        if (!entry)
            return std::nullopt;
        players.push_back(std::move(*entry));
        text.remove_prefix(end + 2);
    }
    return players;
}

ParseResult parseFields(Message& m, std::string_view fields)
{
    switch (m.kind) {
    case Kind::LocateRequest:
    case Kind::GameCancelled:
        if (!fields.empty())
            return reject("unexpected fields");
        break;
    case Kind::JoinRequest:
        if (!isValidName(fields))
            return reject("bad player name");
        m.name = fields;
        break;
    case Kind::LocateReply: {
        const auto count = fixedHex(fields, 2);
        const auto type = fixedHex(fields.substr(std::min<std::size_t>(2, fields.size())), 2);
        if (!count || !type)
            return reject("fields not hexadecimal");
        if (*count < 1 || *count > kMaxPlayers || (*type != 1 && *type != 2))
            return reject("player count or game type out of range");
        const std::string_view name = fields.substr(4);
        if (!isValidName(name))
            return reject("bad host name");
        m.playerCount = *count;
        m.gameType = *type;
        m.name = name;
        break;
    }
    case Kind::GameStart: {
        const auto index = fixedHex(fields, 2);
        if (!index)
            return reject("index not hexadecimal");
        fields.remove_prefix(2);
        if (fields.size() < 2 * (kGridTextLength + 1))
            return reject("grids cut short");
        const std::string_view puzzle = fields.substr(0, kGridTextLength);
        const std::string_view solution = fields.substr(kGridTextLength + 1, kGridTextLength);
        if (fields[kGridTextLength] != '|' || fields[2 * kGridTextLength + 1] != '|')
            return reject("grid separator missing");
        if (!isGridText(puzzle, isPuzzleCell) || !isGridText(solution, isSolutionCell)
            || !givensMatchSolution(puzzle, solution))
            return reject("bad grid text");
        std::optional<std::vector<RosterEntry>> players = parsePlayersText(fields.substr(2 * (kGridTextLength + 1)));
        if (!players)
            return reject("bad players text");
        // Index 0 is the host itself, which never receives its own start.
        if (*index < 1 || *index >= static_cast<int>(players->size()))
            return reject("index outside the roster");
        m.index = *index;
        m.puzzle = puzzle;
        m.solution = solution;
        m.players = std::move(*players);
        break;
    }
    case Kind::PiecePlaced: {
        if (fields.size() < 6 || fields.size() > 12)
            return reject("bad field length");
        const auto index = fixedHex(fields, 2);
        const int x = hexDigit(fields[2]);
        const int y = hexDigit(fields[3]);
        const auto value = hexToInt(fields.substr(4));
        if (!index || x < 0 || y < 0 || !value)
            return reject("fields not hexadecimal");
        if (*index >= kMaxPlayers || x > 8 || y > 8 || *value < -1 || *value > 8)
            return reject("field out of range");
        m.index = *index;
        m.x = x;
        m.y = y;
        m.value = *value;
        break;
    }
    }
    return ParseResult{std::move(m), {}};
}

} // namespace

std::string intToHex(std::int32_t value, int digits)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::uint32_t bits = static_cast<std::uint32_t>(value);
    std::string text;
    do {
        text.insert(text.begin(), kDigits[bits & 0xF]);
        bits >>= 4;
    } while (bits != 0);
    if (static_cast<int>(text.size()) < digits)
        text.insert(0, static_cast<std::size_t>(digits) - text.size(), '0');
    return text;
}

std::optional<std::int32_t> hexToInt(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : text) {
        const int digit = hexDigit(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFu)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::string frame(std::uint16_t ownPort, std::int32_t gameId, std::string_view message)
{
    std::string bytes = intToHex(ownPort, 4) + intToHex(gameId, 8);
    bytes += message;
    bytes += '\0';
    return bytes;
}

std::string locateRequest()
{
    return std::string(kLocateRequest);
}

std::string locateReply(int playerCount, int gameType, std::string_view hostName)
{
    return std::string(kLocateReply) + intToHex(playerCount, 2) + intToHex(gameType, 2) + std::string(hostName);
}

std::string joinRequest(std::string_view playerName)
{
    return std::string(kJoinRequest) + std::string(playerName);
}

std::string gameStart(int recipientIndex, std::string_view puzzle, std::string_view solution,
                      std::string_view playersText)
{
    return std::string(kGameStart) + intToHex(recipientIndex, 2) + std::string(puzzle) + '|' + std::string(solution)
           + '|' + std::string(playersText);
}

std::string gameCancelled()
{
    return std::string(kGameCancelled);
}

std::string piecePlaced(int senderIndex, int x, int y, int value)
{
    return std::string(kPiecePlaced) + intToHex(senderIndex, 2) + intToHex(x, 1) + intToHex(y, 1)
           + intToHex(value, 2);
}

ParseResult parse(std::string_view bytes, std::string_view sourceAddress)
{
    if (bytes.size() > kMaxDatagramLength)
        return reject("too long");
    if (bytes.size() < kHeaderLength + 1 || bytes.back() != '\0')
        return reject("too short or no closing zero byte");
    bytes.remove_suffix(1);
    if (bytes.find('\0') != std::string_view::npos)
        return reject("zero byte inside");

    const auto port = fixedHex(bytes, 4);
    const auto gameId = fixedHex(bytes.substr(4), 8);
    if (!port || !gameId)
        return reject("header not hexadecimal");
    if (*port == 0)
        return reject("sender port 0");

    static constexpr std::array<std::pair<std::string_view, Kind>, 6> kNames = {{
        {kLocateRequest, Kind::LocateRequest},
        {kLocateReply, Kind::LocateReply},
        {kJoinRequest, Kind::JoinRequest},
        {kGameStart, Kind::GameStart},
        {kGameCancelled, Kind::GameCancelled},
        {kPiecePlaced, Kind::PiecePlaced},
    }};
    const std::string_view body = bytes.substr(kHeaderLength);
    for (const auto& [name, kind] : kNames) {
        // No name is the start of another, so the first match is the only one.
        if (body.substr(0, name.size()) == name) {
            Message m;
            m.kind = kind;
            m.senderPort = static_cast<std::uint16_t>(*port);
            m.gameId = *gameId;
            m.sourceAddress = sourceAddress;
            return parseFields(m, body.substr(name.size()));
        }
    }
    return reject("unknown message");
}

std::optional<std::uint32_t> ipv4Address(std::string_view text)
{
    std::uint32_t address = 0;
    int parts = 0;
    while (true) {
        std::size_t digits = 0;
        int value = 0;
        while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
            value = value * 10 + (text[digits] - '0');
            if (++digits > 3)
                return std::nullopt;
        }
        if (digits == 0 || value > 255 || (digits > 1 && text[0] == '0'))
            return std::nullopt;
        address = address << 8 | static_cast<std::uint32_t>(value);
        ++parts;
        text.remove_prefix(digits);
        if (text.empty())
            return parts == 4 ? std::optional<std::uint32_t>(address) : std::nullopt;
        if (text.front() != '.' || parts == 4)
            return std::nullopt;
        text.remove_prefix(1);
    }
}

bool isIpv4Address(std::string_view text)
{
    return ipv4Address(text).has_value();
}

bool answersLocate(std::uint32_t source, std::uint32_t located)
{
    const int ones = std::countr_one(located);
    if (ones >= 32)
        return true;
    const std::uint32_t network = ~((std::uint32_t{1} << ones) - 1);
    return (source & network) == (located & network);
}

std::vector<RosterEntry> rosterSeenFrom(std::vector<RosterEntry> players, std::string_view hostAddress)
{
    for (std::size_t i = 0; i < players.size(); ++i) {
        RosterEntry& entry = players[i];
        if (i == 0 || entry.address.substr(0, 4) == "127.") {
            entry.address = hostAddress;
            entry.text = intToHex(entry.port, 4) + entry.address + '=' + entry.name;
        }
    }
    return players;
}

} // namespace datagram
