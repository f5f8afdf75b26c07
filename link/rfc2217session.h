#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

// The client side of telnet with the COM-PORT-OPTION (RFC 2217, on RFC 854): what to send to
// have the far side's serial port set to the line's speed, 8 data bits, no parity, one stop bit
// and no flow control, the data bytes to send with every 0xFF doubled, and the data taken out of
// what the far side sends, its telnet commands filtered out and its doubled 0xFF made single.
// Bytes in, bytes out: no socket, so that every byte can be checked.
class Rfc2217Session
{
public:
    enum class State { Negotiating, Ready, Refused };

    static constexpr quint8 IAC = 255;
    static constexpr quint8 DONT = 254;
    static constexpr quint8 DO = 253;
    static constexpr quint8 WONT = 252;
    static constexpr quint8 WILL = 251;
    static constexpr quint8 SB = 250;
    static constexpr quint8 SE = 240;
    static constexpr quint8 BINARY = 0;
    static constexpr quint8 SUPPRESS_GO_AHEAD = 3;
    static constexpr quint8 COM_PORT_OPTION = 44;
    // Client-to-server COM-PORT-OPTION commands; the server answers each with the code + 100.
    static constexpr quint8 SET_BAUDRATE = 1;
    static constexpr quint8 SET_DATASIZE = 2;
    static constexpr quint8 SET_PARITY = 3;
    static constexpr quint8 SET_STOPSIZE = 4;
    static constexpr quint8 SET_CONTROL = 5;
    static constexpr quint8 ServerOffset = 100;
    static constexpr quint8 PARITY_NONE = 1;
    static constexpr quint8 STOPSIZE_1 = 1;
    static constexpr quint8 CONTROL_NO_FLOW = 1;

    explicit Rfc2217Session(quint32 baudRate = 9600);

    // What opens the session: binary transmission both ways and the COM-PORT-OPTION offered.
    QByteArray start();
    // Takes bytes from the far side; returns the data among them and appends to `reply` what
    // has to be sent back (answers to the far side's negotiation, the line settings once it
    // accepts the COM-PORT-OPTION).
    QByteArray receive(const QByteArray &bytes, QByteArray &reply);

    State state() const { return m_state; }
    // Why the far side is not usable, once state() is Refused.
    QString refusal() const { return m_refusal; }

    // Data for the far side: every 0xFF doubled, nothing else changed.
    static QByteArray escape(const QByteArray &data);
    // IAC verb option.
    static QByteArray command(quint8 verb, quint8 option);
    // IAC SB COM-PORT-OPTION code value... IAC SE, 0xFF in the value doubled.
    static QByteArray comPortCommand(quint8 code, const QByteArray &value);

private:
    enum class Parse { Data, Iac, Option, Subnegotiation, SubnegotiationIac };

    void negotiate(quint8 verb, quint8 option, QByteArray &reply);
    void subnegotiation(const QByteArray &body);
    void refuse(const QString &why);
    QByteArray lineSettings() const;

    quint32 m_baudRate;
    State m_state = State::Negotiating;
    QString m_refusal;
    Parse m_parse = Parse::Data;
    quint8 m_verb = 0;
    QByteArray m_subnegotiation;
    bool m_comPortAccepted = false;
    // Which of our options and the far side's we have already answered, so that no answer is
    // sent twice (RFC 854's rule against negotiation loops).
    std::array<bool, 256> m_answeredDo{};
    std::array<bool, 256> m_answeredWill{};
    // The far side's answers to SET-BAUDRATE .. SET-STOPSIZE.
    std::array<std::optional<QByteArray>, 4> m_confirmed;
};
