#pragma once

#include "UdpThreadUnit.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

// A QCoreApplication for the whole test program (created once).
void ensureCoreApp();

// Runs the event loop until done() is true or the time runs out; returns done().
bool pumpUntil(const std::function<bool()>& done, int milliseconds = 3000);
// Runs the event loop for a while, for datagrams that should not arrive.
void pumpFor(int milliseconds);

// A network thread on a system-chosen port that records every datagram it
// sends. With `deliver` false nothing leaves the process.
class RecordingUdpThread : public TUdpThread
{
public:
    struct Sent
    {
        QString host;
        std::uint16_t port;
        QByteArray bytes;
    };

    explicit RecordingUdpThread(bool deliver = false);

    std::vector<Sent> sent;

protected:
    void SendDatagram(const QString& host, std::uint16_t port, const QByteArray& bytes) override;

private:
    bool m_deliver;
};
