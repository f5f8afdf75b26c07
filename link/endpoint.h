#pragma once

#include <QString>

#include <optional>

// What a COM number, the Devices dialog or `glyphsmith-send --port` can name: a device path, or
// a module on the network, "tcp://host:port" (raw bytes, as ser2net's raw mode or a Wi-Fi serial
// bridge serve them) or "rfc2217://host:port" (telnet with the COM-PORT-OPTION).
struct Endpoint
{
    enum class Kind { Path, Tcp, Rfc2217 };

    Kind kind = Kind::Path;
    QString path; // Kind::Path
    QString host; // the network kinds; an IPv6 address without its brackets
    quint16 port = 0;

    bool isNetwork() const { return kind != Kind::Path; }
    // The text it was parsed from, in its normal form.
    QString toString() const;

    // Anything without "scheme://" is a path. A URL needs a known scheme, a host and a port
    // 1..65535, and nothing after the port; `error` says what is wrong otherwise.
    static std::optional<Endpoint> parse(const QString &text, QString *error = nullptr);
    // Whether `text` is written as a URL at all, well formed or not.
    static bool looksLikeUrl(const QString &text);
};
