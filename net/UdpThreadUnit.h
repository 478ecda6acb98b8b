#pragma once

#include "GameRow.h"
#include "GameStartInfo.h"
#include "HostingInfoUnit.h"

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QString>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QUdpSocket;

namespace datagram {
struct Message;
}

// The network side of multiplayer: one UDP socket on the user-interface
// thread's event loop, which sends every datagram of the game and answers or
// hands on the ones it receives. Received datagrams are parsed by the codec
// (Datagram.h); anything malformed or unexpected is dropped silently and the
// socket goes on serving. The callbacks run on the user-interface thread.
//
// Ownership: whoever creates it may drop it after Terminate(), which closes
// the socket and lets the object free itself at the event loop's next turn.
class TUdpThread : public QObject
{
    Q_OBJECT

public:
    // The ports a locate request is sent to, and that a copy of the game binds.
    static constexpr std::uint16_t kFirstPort = 12000;
    static constexpr std::uint16_t kLastPort = 12010;

    // Binds the first free port from firstPort to lastPort on every IPv4
    // address (Qt allows broadcast sending on it); port 0 lets the system
    // choose.
    // With no port free it raises ENetError and nothing is left behind.
    explicit TUdpThread(std::uint16_t firstPort = kFirstPort, std::uint16_t lastPort = kLastPort,
                        QObject* parent = nullptr);
    ~TUdpThread() override;

    // Closes the socket, forgets every callback and frees the object once
    // control is back in the event loop. Safe to call more than once.
    void Terminate();
    bool IsTerminated() const { return m_terminated; }

    // The port this copy listens on and writes into every datagram.
    std::uint16_t DefaultPort() const { return m_port; }

    // ---- Sending half ----
    int GetPlayerCount() const;
    // Host is cut before its first "=", so a roster entry's address=name
    // part can be passed as it is. Raises ENetError when Host is not an
    // IPv4 address or the send fails.
    void SendToPeer(const QString& Host, int Port, const QString& Message);
    // Sends to a roster entry; its first 4 characters are the port.
    void SendToPlayer(const QString& Entry, const QString& Message);
    void SendGameCancelled();
    void SendGameStart(const QString& Puzzle, const QString& Solution);
    void SendJoinRequest(int GameId, const QString& Host, int Port, const QString& Name);
    // One locate request to each port from 12000 to 12010 of Address; a
    // failed send is skipped.
    void Locate(const QString& Address);
    void SetupHosting(std::uint8_t GameType, const QString& Name);
    void StopHosting();
    // Raises ENetError "No hosting information defined" without hosting info.
    std::uint8_t GetGameType() const;

    QUdpSocket* Udp = nullptr;
    std::unique_ptr<THostingInfo> HostingInfo;
    // Set while the hosting dialog is open; called for each player who joins.
    std::function<void(const QString& Name, const QString& Address, int Port)> OnPlayerJoined;
    std::int32_t GameId = -1;
    bool Started = false;

    // ---- Receiving half ----
    // A host answered a locate request.
    std::function<void(const TGameRow& Row)> OnGameLocated;
    // The host of the joined game started it.
    std::function<void(const TGameStartInfo& Start)> OnGameStarted;
    // The host of the joined game called it off.
    std::function<void()> OnGameCancelled;
    // Another player of the running game changed a cell (Value -1 empty,
    // 0..8 the digits 1..9).
    std::function<void(int Index, int X, int Y, int Value)> OnPiecePlaced;

protected:
    // Writes one datagram. Raises ENetError on a bad address or a failed send.
    virtual void SendDatagram(const QString& host, std::uint16_t port, const QByteArray& bytes);

private:
    // The game this player asked to join, and what its start told.
    struct JoinedGame
    {
        QHostAddress host;
        std::uint16_t port = 0;
        std::int32_t gameId = -1;
        bool started = false;
        std::vector<std::pair<std::uint16_t, QHostAddress>> roster;  // port, address
        int myIndex = 0;
    };

    void readPendingDatagrams();
    void handle(const datagram::Message& m, const QHostAddress& source, std::uint16_t sourcePort);
    void handleLocateRequest(const datagram::Message& m, const QHostAddress& source);
    void handleJoinRequest(const datagram::Message& m, const QHostAddress& source);
    void handleGameStart(const datagram::Message& m, const QHostAddress& source);
    void handleGameCancelled(const datagram::Message& m, const QHostAddress& source);
    void handlePiecePlaced(const datagram::Message& m, const QHostAddress& source);
    bool fromJoinedHost(const datagram::Message& m, const QHostAddress& source) const;

    // Datagrams read per turn of the event loop.
    static constexpr int kDatagramsPerTurn = 32;
    // How long after a locate its replies are taken.
    static constexpr std::chrono::seconds kLocateReplyWindow{5};

    bool expectsLocateReplyFrom(const QHostAddress& source);

    std::uint16_t m_port = 0;
    bool m_terminated = false;
    bool m_readScheduled = false;  // the next batch waits for the event loop
    std::optional<JoinedGame> m_joined;
    // Addresses located lately, with the time of the last locate of each.
    std::vector<std::pair<std::uint32_t, std::chrono::steady_clock::time_point>> m_located;
};
