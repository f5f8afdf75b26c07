#include "transport.h"

#include "endpoint.h"
#include "mqtttransport.h"
#include "rfc2217transport.h"
#include "serialtransport.h"
#include "tcptransport.h"

std::unique_ptr<Transport> Transport::create(const Endpoint &endpoint, const LineSettings &line)
{
    switch (endpoint.kind) {
    case Endpoint::Kind::Tcp:
        return std::make_unique<TcpTransport>(endpoint);
    case Endpoint::Kind::Rfc2217:
        return std::make_unique<Rfc2217Transport>(endpoint, quint32(line.baud));
    case Endpoint::Kind::Mqtt:
        return std::make_unique<MqttTransport>(endpoint);
    case Endpoint::Kind::Path:
        break;
    }
    return std::make_unique<SerialTransport>(endpoint.path, line);
}
