#pragma once

// Why a link is not open.
enum class LinkFailure {
    None,
    NotFound,         // no such device
    PermissionDenied, // the user may not open it
    InUse,            // another program holds it
    NotSerial,        // it is no serial device
    Lost,             // it went away while open (a device unplugged, a connection dropped)
    BadAddress,       // a network address that is malformed: no port, a port out of range
    HostNotFound,     // the host name does not resolve
    Refused,          // nothing listens at the address
    NoAnswer,         // the host did not answer in time
    NotRfc2217,       // the far side does not speak telnet with the COM-PORT-OPTION
    Other
};
