#include "UdpThreadUnit.h"

#include "Datagram.h"
#include "HexToInt.h"
#include "NetError.h"
#include "WireText.h"

#include <QNetworkDatagram>
#include <QTimer>
#include <QUdpSocket>

#include <algorithm>

namespace {

QHostAddress ipv4Of(const QHostAddress& address)
{
    bool ok = false;
    const quint32 v4 = address.toIPv4Address(&ok);
    return ok ? QHostAddress(v4) : address;
}

// The port and address of a roster entry "PPPPaddress=name".
std::pair<std::uint16_t, QHostAddress> entryPeer(const QString& entry)
{
    const qsizetype equals = entry.indexOf(QLatin1Char('='));
    const QString address = entry.mid(4, equals < 0 ? -1 : equals - 4);
    return {static_cast<std::uint16_t>(HexToInt(entry.left(4))), QHostAddress(address)};
}

} // namespace

TUdpThread::TUdpThread(std::uint16_t firstPort, std::uint16_t lastPort, QObject* parent)
    : QObject(parent)
{
    auto socket = std::make_unique<QUdpSocket>();
    // Not shared: two copies on one machine must not end up on one port,
    // or a datagram for one would reach the other. Broadcasts to the port
    // still arrive on an address-any socket, and Qt allows sending them on
    // every UDP socket.
    bool bound = false;
    for (int port = firstPort; port <= lastPort && !bound; ++port)
        bound = socket->bind(QHostAddress::AnyIPv4, static_cast<quint16>(port), QUdpSocket::DontShareAddress);
    if (!bound) {
        throw ENetError("No free UDP port from " + std::to_string(firstPort) + " to " + std::to_string(lastPort));
    }
    m_port = socket->localPort();
    Udp = socket.release();
    Udp->setParent(this);
    connect(Udp, &QUdpSocket::readyRead, this, &TUdpThread::readPendingDatagrams);
}

TUdpThread::~TUdpThread() = default;

void TUdpThread::Terminate()
{
    if (m_terminated)
        return;
    m_terminated = true;
    OnPlayerJoined = nullptr;
    OnGameLocated = nullptr;
    OnGameStarted = nullptr;
    OnGameCancelled = nullptr;
    OnPiecePlaced = nullptr;
    Udp->close();
    deleteLater();
}

int TUdpThread::GetPlayerCount() const
{
    return HostingInfo ? static_cast<int>(HostingInfo->Players.size()) : 0;
}

void TUdpThread::SendToPeer(const QString& Host, int Port, const QString& Message)
{
    const qsizetype equals = Host.indexOf(QLatin1Char('='));
    const QString host = equals < 0 ? Host : Host.left(equals);
    if (Port <= 0 || Port > 65535)
        throw ENetError("Invalid port " + std::to_string(Port));
    const QByteArray text = ToWire(Message);
    const std::string bytes = datagram::frame(m_port, GameId, std::string_view(text.constData(), text.size()));
    SendDatagram(host, static_cast<std::uint16_t>(Port),
                 QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

void TUdpThread::SendToPlayer(const QString& Entry, const QString& Message)
{
    const int port = HexToInt(Entry.left(4));
    SendToPeer(Entry.mid(4), port, Message);
}

void TUdpThread::SendGameCancelled()
{
    if (!HostingInfo)
        return;
    const QString message = QString::fromLatin1(datagram::gameCancelled());
    for (qsizetype i = 1; i < HostingInfo->Players.size(); ++i)
        SendToPlayer(HostingInfo->Players[i], message);
}

void TUdpThread::SendGameStart(const QString& Puzzle, const QString& Solution)
{
    if (!HostingInfo)
        return;
    Started = true;
    const QString playersText = HostingInfo->GetPlayersText();
    for (qsizetype i = 1; i < HostingInfo->Players.size(); ++i) {
        const QString message = QString::fromLatin1(datagram::kGameStart) + IntToHex(static_cast<int>(i), 2) + Puzzle
                                + QLatin1Char('|') + Solution + QLatin1Char('|') + playersText;
        SendToPlayer(HostingInfo->Players[i], message);
    }
}

void TUdpThread::SendJoinRequest(int JoinedGameId, const QString& Host, int Port, const QString& Name)
{
    GameId = JoinedGameId;
    JoinedGame joined;
    const QByteArray latin = Host.left(Host.indexOf(QLatin1Char('='))).toLatin1();
    const std::optional<std::uint32_t> address =
        datagram::ipv4Address(std::string_view(latin.constData(), latin.size()));
    joined.host = address ? QHostAddress(*address) : QHostAddress();
    joined.port = static_cast<std::uint16_t>(Port);
    joined.gameId = JoinedGameId;
    m_joined = joined;
    SendToPeer(Host, Port, QString::fromLatin1(datagram::kJoinRequest) + Name);
}

void TUdpThread::Locate(const QString& Address)
{
    const QByteArray latin = Address.left(Address.indexOf(QLatin1Char('='))).toLatin1();
    if (const auto address = datagram::ipv4Address(std::string_view(latin.constData(), latin.size()))) {
        const auto now = std::chrono::steady_clock::now();
        const auto known = std::find_if(m_located.begin(), m_located.end(),
                                        [&](const auto& located) { return located.first == *address; });
        if (known != m_located.end())
            known->second = now;
        else
            m_located.emplace_back(*address, now);
    }
    const QString message = QString::fromLatin1(datagram::locateRequest());
    for (int port = kFirstPort; port <= kLastPort; ++port) {
        try {
            SendToPeer(Address, port, message);
        } catch (const std::exception&) {
            // An unreachable port or address must not stop the others.
        }
    }
}

void TUdpThread::SetupHosting(std::uint8_t GameType, const QString& Name)
{
    HostingInfo = std::make_unique<THostingInfo>(THostingInfo::CreateHosted(GameType, m_port));
    HostingInfo->AddPlayer(QStringLiteral("127.0.0.1"), m_port, Name);
    GameId = HostingInfo->GameId;
    m_joined.reset();
    // A new game has not started, whatever became of an earlier one.
    Started = false;
}

void TUdpThread::StopHosting()
{
    HostingInfo.reset();
}

std::uint8_t TUdpThread::GetGameType() const
{
    if (!HostingInfo)
        throw ENetError("No hosting information defined");
    return HostingInfo->GameType;
}

void TUdpThread::SendDatagram(const QString& host, std::uint16_t port, const QByteArray& bytes)
{
    const QByteArray latin = host.toLatin1();
    const std::optional<std::uint32_t> address =
        datagram::ipv4Address(std::string_view(latin.constData(), latin.size()));
    if (!address)
        throw ENetError("'" + host.toStdString() + "' is not an IPv4 address");
    if (m_terminated || Udp->writeDatagram(bytes, QHostAddress(*address), port) != bytes.size())
        throw ENetError("Cannot send to " + host.toStdString() + ": " + Udp->errorString().toStdString());
}

void TUdpThread::readPendingDatagrams()
{
    // Each call reads until a read finds nothing: that empty read is what
    // tells the socket to announce the next datagram. Qt emits readyRead
    // once and then waits for a read; a readyRead that finds the queue
    // already emptied and reads nothing would leave the socket silent for
    // good. (Qt reports the empty read as a socket error, which nothing here
    // listens to.) A flood must not hold the user-interface thread either:
    // after a batch, the rest is read at the event loop's next turn.
    for (int read = 0; !m_terminated; ++read) {
        if (read == kDatagramsPerTurn) {
            if (!m_readScheduled) {
                m_readScheduled = true;
                QTimer::singleShot(0, this, [this] {
                    m_readScheduled = false;
                    readPendingDatagrams();
                });
            }
            return;
        }
        // One byte over the limit is enough to see that a datagram is too long.
        const QNetworkDatagram received = Udp->receiveDatagram(datagram::kMaxDatagramLength + 1);
        if (!received.isValid()) {
            // A read error leaves the datagrams behind it for the next read.
            if (Udp->hasPendingDatagrams())
                continue;
            return;
        }
        const QByteArray& data = received.data();
        const QHostAddress source = ipv4Of(received.senderAddress());
        const QByteArray sourceText = source.toString().toLatin1();
        const datagram::ParseResult result =
            datagram::parse(std::string_view(data.constData(), static_cast<std::size_t>(data.size())),
                            std::string_view(sourceText.constData(), static_cast<std::size_t>(sourceText.size())));
        if (result.ok() && source.protocol() == QAbstractSocket::IPv4Protocol)
            handle(*result.message, source, static_cast<std::uint16_t>(received.senderPort()));
    }
}

void TUdpThread::handle(const datagram::Message& m, const QHostAddress& source, std::uint16_t sourcePort)
{
    // Every message must come from the port it names: peers send from the
    // socket they listen on, so anything else is someone posing as a player
    // (a locate reply naming another port would have the join sent there).
    const bool honest = m.senderPort == sourcePort;
    // Callbacks are called through a copy, since one may Terminate this
    // thread, which clears them while the copy runs. Whatever is thrown
    // stays here: the event loop must not see it, and the socket goes on
    // serving.
    try {
        switch (m.kind) {
        case datagram::Kind::LocateRequest:
            // The reply goes to the port the request names: only to the
            // socket that sent it, never to a third one.
            if (honest)
                handleLocateRequest(m, source);
            break;
        case datagram::Kind::LocateReply:
            if (!honest || !expectsLocateReplyFrom(source))
                break;
            if (const auto located = OnGameLocated) {
                TGameRow row;
                row.Host = FromWire(m.name);
                row.Players = m.playerCount;
                row.TypeName = GameTypeName(m.gameType);
                row.GameType = static_cast<std::uint8_t>(m.gameType);
                row.Heard = DateTimeToDosDateTime(QDateTime::currentDateTime());
                row.Address = source.toString();
                row.Port = IntToHex(m.senderPort, 4);
                row.GameId = m.gameId;
                located(row);
            }
            break;
        case datagram::Kind::JoinRequest:
            // The host sends the start and every move to the port a join
            // names: only the joining socket itself may name it.
            if (honest)
                handleJoinRequest(m, source);
            break;
        case datagram::Kind::GameStart:
            if (honest)
                handleGameStart(m, source);
            break;
        case datagram::Kind::GameCancelled:
            if (honest)
                handleGameCancelled(m, source);
            break;
        case datagram::Kind::PiecePlaced:
            if (honest)
                handlePiecePlaced(m, source);
            break;
        }
    } catch (const std::exception&) {
    }
}

bool TUdpThread::expectsLocateReplyFrom(const QHostAddress& source)
{
    // Replies nobody asked for would fill the list of games: only those
    // from an address located within the last few seconds are taken.
    const auto now = std::chrono::steady_clock::now();
    std::erase_if(m_located, [&](const auto& located) { return now - located.second > kLocateReplyWindow; });
    const std::uint32_t address = source.toIPv4Address();
    return std::any_of(m_located.begin(), m_located.end(),
                       [&](const auto& located) { return datagram::answersLocate(address, located.first); });
}

void TUdpThread::handleLocateRequest(const datagram::Message& m, const QHostAddress& source)
{
    if (!HostingInfo || Started)
        return;
    const QString host = HostingInfo->Players.value(0);
    const QString message = QString::fromLatin1(datagram::kLocateReply)
                            + IntToHex(static_cast<int>(HostingInfo->Players.size()), 2)
                            + IntToHex(HostingInfo->GameType, 2) + host.mid(host.indexOf(QLatin1Char('=')) + 1);
    SendToPeer(source.toString(), m.senderPort, message);
}

void TUdpThread::handleJoinRequest(const datagram::Message& m, const QHostAddress& source)
{
    if (!HostingInfo || Started || m.gameId != HostingInfo->GameId
        || HostingInfo->Players.size() >= datagram::kMaxPlayers)
        return;
    const QString address = source.toString();
    const QString peer = IntToHex(m.senderPort, 4) + address + QLatin1Char('=');
    for (const QString& entry : HostingInfo->Players) {
        if (entry.startsWith(peer))
            return;
    }
    const QString name = FromWire(m.name);
    HostingInfo->AddPlayer(address, m.senderPort, name);
    if (const auto joined = OnPlayerJoined)
        joined(name, address, m.senderPort);
}

bool TUdpThread::fromJoinedHost(const datagram::Message& m, const QHostAddress& source) const
{
    return m_joined && m.gameId == m_joined->gameId && m.senderPort == m_joined->port
           && source.isEqual(m_joined->host, QHostAddress::ConvertV4MappedToIPv4);
}

void TUdpThread::handleGameStart(const datagram::Message& m, const QHostAddress& source)
{
    // The host lists itself first, at its own port, and this player at the
    // port it joined from: a start that lists someone else here was not
    // meant for this player.
    if (!fromJoinedHost(m, source) || m_joined->started || m.players.front().port != m.senderPort
        || m.players[static_cast<std::size_t>(m.index)].port != m_port)
        return;
    TGameStartInfo start;
    std::vector<std::pair<std::uint16_t, QHostAddress>> roster;
    const QByteArray hostAddress = m_joined->host.toString().toLatin1();
    const std::vector<datagram::RosterEntry> players =
        datagram::rosterSeenFrom(m.players, std::string_view(hostAddress.constData(), hostAddress.size()));
    for (const datagram::RosterEntry& entry : players) {
        start.Players.push_back({FromWire(entry.text), 0});
        roster.emplace_back(entry.port, QHostAddress(QString::fromLatin1(entry.address)));
    }
    start.MyIndex = m.index;
    start.Puzzle = QString::fromLatin1(m.puzzle);
    start.Solution = QString::fromLatin1(m.solution);
    m_joined->started = true;
    m_joined->roster = std::move(roster);
    m_joined->myIndex = m.index;
    if (const auto started = OnGameStarted)
        started(start);
}

void TUdpThread::handleGameCancelled(const datagram::Message& m, const QHostAddress& source)
{
    if (!fromJoinedHost(m, source) || m_joined->started)
        return;
    m_joined.reset();
    if (const auto cancelled = OnGameCancelled)
        cancelled();
}

void TUdpThread::handlePiecePlaced(const datagram::Message& m, const QHostAddress& source)
{
    std::vector<std::pair<std::uint16_t, QHostAddress>> roster;
    int myIndex = 0;
    QHostAddress hostAddress;
    if (m_joined && m_joined->started) {
        roster = m_joined->roster;
        myIndex = m_joined->myIndex;
        hostAddress = m_joined->host;
    } else if (HostingInfo && Started) {
        for (const QString& entry : HostingInfo->Players)
            roster.push_back(entryPeer(entry));
    } else {
        return;
    }
    if (m.gameId != GameId || m.index >= static_cast<int>(roster.size()) || m.index == myIndex)
        return;
    // Entry 0 is the host, listed under 127.0.0.1 in its own roster: the
    // other players know it by the address they joined it at.
    const auto& [port, listed] = roster[static_cast<std::size_t>(m.index)];
    const QHostAddress& expected = m.index == 0 && m_joined ? hostAddress : listed;
    if (port != m.senderPort || !source.isEqual(expected, QHostAddress::ConvertV4MappedToIPv4))
        return;
    if (const auto placed = OnPiecePlaced)
        placed(m.index, m.x, m.y, m.value);
}
