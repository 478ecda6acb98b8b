#include "NetTestSupport.h"

#include "Datagram.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

void ensureCoreApp()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "net_tests";
    static char* argv[] = {name, nullptr};
    static auto* app = new QCoreApplication(argc, argv);
    (void)app;
}

bool pumpUntil(const std::function<bool()>& done, int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > milliseconds)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(1);
    }
    return true;
}

void pumpFor(int milliseconds)
{
    pumpUntil([] { return false; }, milliseconds);
}

RecordingUdpThread::RecordingUdpThread(bool deliver)
    : TUdpThread(0, 0)
    , m_deliver(deliver)
{
}

void RecordingUdpThread::SendDatagram(const QString& host, std::uint16_t port, const QByteArray& bytes)
{
    sent.push_back({host, port, bytes});
    // Tests only ever reach 127.0.0.1. Any other text goes to the real send
    // only when it is no address at all, so that the send's error is seen
    // and nothing leaves the machine.
    const QByteArray latin = host.toLatin1();
    const bool isAddress = datagram::isIpv4Address(std::string_view(latin.constData(), latin.size()));
    if (host == QStringLiteral("127.0.0.1") ? m_deliver : !isAddress)
        TUdpThread::SendDatagram(host, port, bytes);
}
