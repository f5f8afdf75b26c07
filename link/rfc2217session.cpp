#include "rfc2217session.h"

#include <QCoreApplication>

namespace {

// Longer than any COM-PORT-OPTION command; the rest of a longer one is dropped.
constexpr qsizetype MaxSubnegotiation = 64;

// Free functions name this context in each call (Texts::tr), as lupdate needs to see it.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(Rfc2217Session)
};

QByteArray bigEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char((value >> (8 * (3 - i))) & 0xFF);
    return bytes;
}

} // namespace

Rfc2217Session::Rfc2217Session(quint32 baudRate)
    : m_baudRate(baudRate)
{}

QByteArray Rfc2217Session::escape(const QByteArray &data)
{
    if (!data.contains(char(IAC)))
        return data;
    QByteArray out;
    out.reserve(data.size() * 2);
    for (const char byte : data) {
        out.append(byte);
        if (quint8(byte) == IAC)
            out.append(byte);
    }
    return out;
}

QByteArray Rfc2217Session::command(quint8 verb, quint8 option)
{
    const char bytes[] = {char(IAC), char(verb), char(option)};
    return QByteArray(bytes, sizeof bytes);
}

QByteArray Rfc2217Session::comPortCommand(quint8 code, const QByteArray &value)
{
    const char head[] = {char(IAC), char(SB), char(COM_PORT_OPTION), char(code)};
    QByteArray out(head, sizeof head);
    out += escape(value);
    out += char(IAC);
    out += char(SE);
    return out;
}

QByteArray Rfc2217Session::start()
{
    m_answeredWill[BINARY] = m_answeredDo[BINARY] = true;
    m_answeredWill[COM_PORT_OPTION] = true;
    return command(WILL, BINARY) + command(DO, BINARY) + command(WILL, COM_PORT_OPTION);
}

QByteArray Rfc2217Session::lineSettings() const
{
    return comPortCommand(SET_BAUDRATE, bigEndian32(m_baudRate)) +
           comPortCommand(SET_DATASIZE, QByteArray(1, char(8))) +
           comPortCommand(SET_PARITY, QByteArray(1, char(PARITY_NONE))) +
           comPortCommand(SET_STOPSIZE, QByteArray(1, char(STOPSIZE_1))) +
           comPortCommand(SET_CONTROL, QByteArray(1, char(CONTROL_NO_FLOW)));
}

QByteArray Rfc2217Session::receive(const QByteArray &bytes, QByteArray &reply)
{
    QByteArray data;
    for (const char c : bytes) {
        const quint8 byte = quint8(c);
        switch (m_parse) {
        case Parse::Data:
            if (byte == IAC)
                m_parse = Parse::Iac;
            else
                data.append(c);
            break;
        case Parse::Iac:
            if (byte == IAC) {
                data.append(c);
                m_parse = Parse::Data;
            } else if (byte >= WILL && byte <= DONT) {
                m_verb = byte;
                m_parse = Parse::Option;
            } else if (byte == SB) {
                m_subnegotiation.clear();
                m_parse = Parse::Subnegotiation;
            } else {
                m_parse = Parse::Data; // NOP, GA, break and the like carry no data
            }
            break;
        case Parse::Option:
            negotiate(m_verb, byte, reply);
            m_parse = Parse::Data;
            break;
        case Parse::Subnegotiation:
            if (byte == IAC)
                m_parse = Parse::SubnegotiationIac;
            else if (m_subnegotiation.size() < MaxSubnegotiation)
                m_subnegotiation.append(c); // a far side that never ends one costs no memory
            break;
        case Parse::SubnegotiationIac:
            if (byte == IAC) {
                m_subnegotiation.append(c);
                m_parse = Parse::Subnegotiation;
            } else {
                // IAC SE ends it; anything else after IAC ends it too, as telnet peers do.
                subnegotiation(m_subnegotiation);
                m_parse = Parse::Data;
            }
            break;
        }
    }
    return data;
}

void Rfc2217Session::negotiate(quint8 verb, quint8 option, QByteArray &reply)
{
    const bool ours = option == BINARY || option == SUPPRESS_GO_AHEAD || option == COM_PORT_OPTION;
    const bool theirs = option == BINARY || option == SUPPRESS_GO_AHEAD;
    switch (verb) {
    case DO:
        if (option == COM_PORT_OPTION && !m_comPortAccepted && m_state == State::Negotiating) {
            m_comPortAccepted = true;
            reply += lineSettings();
        }
        if (!m_answeredWill[option]) {
            m_answeredWill[option] = true;
            reply += command(ours ? WILL : WONT, option);
        }
        break;
    case DONT:
        if (option == COM_PORT_OPTION)
            refuse(Texts::tr("the far side refuses the COM-PORT-OPTION of RFC 2217"));
        break;
    case WILL:
        if (!m_answeredDo[option]) {
            m_answeredDo[option] = true;
            reply += command(theirs ? DO : DONT, option);
        }
        break;
    case WONT:
        break;
    }
}

void Rfc2217Session::subnegotiation(const QByteArray &body)
{
    if (body.size() < 2 || quint8(body.at(0)) != COM_PORT_OPTION)
        return;
    const int code = quint8(body.at(1)) - ServerOffset;
    if (code < SET_BAUDRATE || code > SET_STOPSIZE || m_state != State::Negotiating)
        return; // modem and line state notices, flow control: nothing the link acts on
    const QByteArray value = body.mid(2);
    const QByteArray wanted = code == SET_BAUDRATE   ? bigEndian32(m_baudRate)
                              : code == SET_DATASIZE ? QByteArray(1, char(8))
                              : code == SET_PARITY   ? QByteArray(1, char(PARITY_NONE))
                                                     : QByteArray(1, char(STOPSIZE_1));
    if (value != wanted) {
        static const char *const names[] = {QT_TRANSLATE_NOOP("Rfc2217Session", "speed"),
                                            QT_TRANSLATE_NOOP("Rfc2217Session", "data bits"),
                                            QT_TRANSLATE_NOOP("Rfc2217Session", "parity"),
                                            QT_TRANSLATE_NOOP("Rfc2217Session", "stop bits")};
        refuse(
            Texts::tr("the far side's serial port did not take the %1 asked for (it answered %2)")
                .arg(Texts::tr(names[code - 1]), QString::fromLatin1(value.toHex(' ').toUpper())));
        return;
    }
    m_confirmed[size_t(code - 1)] = value;
    for (const auto &confirmed : m_confirmed) {
        if (!confirmed)
            return;
    }
    m_state = State::Ready;
}

void Rfc2217Session::refuse(const QString &why)
{
    if (m_state != State::Refused) {
        m_state = State::Refused;
        m_refusal = why;
    }
}
