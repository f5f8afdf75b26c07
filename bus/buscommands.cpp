#include "buscommands.h"

#include <QByteArrayList>
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMetaType>

namespace {

// Free functions name this context in each call (Texts::tr), as lupdate needs to see it.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(BusCommands)
};

using Result = std::optional<BusAction>;

Result action(const Protocol::Message &message, int waits = 0)
{
    return BusAction{message, waits, {}};
}

// Latin-1 only (never turned into '?'), at most `limit` characters.
bool moduleText(const QString &text, int limit, QString *error)
{
    if (!Protocol::isLatin1(text)) {
        *error = Texts::tr("the text cannot be sent: the module shows Latin-1 characters only");
        return false;
    }
    if (text.size() > limit) {
        *error = Texts::tr("the text has %1 characters; the module takes at most %2")
                     .arg(text.size())
                     .arg(limit);
        return false;
    }
    return true;
}

std::optional<int> number(const QVariant &value, int low, int high, const QString &what,
                          QString *error)
{
    const int n = value.toInt();
    if (n < low || n > high) {
        *error = Texts::tr("%1 must be a number from %2 to %3, not %4")
                     .arg(what)
                     .arg(low)
                     .arg(high)
                     .arg(n);
        return std::nullopt;
    }
    return n;
}

std::optional<Protocol::ColumnPattern> columns(const QByteArray &bytes, QString *error)
{
    if (bytes.size() != Protocol::ColumnCount) {
        *error = Texts::tr("a pattern is %1 column bytes, not %2")
                     .arg(Protocol::ColumnCount)
                     .arg(bytes.size());
        return std::nullopt;
    }
    Protocol::ColumnPattern pattern{};
    std::copy(bytes.begin(), bytes.end(), pattern.begin());
    return pattern;
}

// A message of the module's own command bytes, with a payload of a length the module reads.
std::optional<Protocol::Message> anyMessage(const QVariantList &a, QString *error)
{
    const auto command = quint8(a[0].toUInt());
    const QByteArray payload = a[1].toByteArray();
    qsizetype low = 0;
    qsizetype high = 0;
    switch (command) {
    case Protocol::CMD_READ_SETTINGS:
        break;
    case Protocol::CMD_SAVE_MESSAGE:
    case Protocol::CMD_SCROLL:
    case Protocol::CMD_ANIMATE:
        high = Protocol::MaxTextLength;
        break;
    case Protocol::CMD_SHOW_CHAR:
        high = 1;
        break;
    case Protocol::CMD_CHANGE_SPEED:
    case Protocol::CMD_CHANGE_STARTUP_MODE:
    case Protocol::CMD_BUILTIN_ANIMATION:
    case Protocol::CMD_SAVE_CUSTOM:
    case Protocol::CMD_SET_SPEED:
        low = high = 1;
        break;
    case Protocol::CMD_DOT_MATRIX:
        low = high = Protocol::ColumnCount;
        break;
    default:
        *error = Texts::tr("%1 is no command of the module")
                     .arg(Protocol::hexString(QByteArray(1, char(command))));
        return std::nullopt;
    }
    if (payload.size() < low || payload.size() > high) {
        *error = Texts::tr("the command %1 takes %2 to %3 bytes, not %4")
                     .arg(Protocol::hexString(QByteArray(1, char(command))))
                     .arg(low)
                     .arg(high)
                     .arg(payload.size());
        return std::nullopt;
    }
    return Protocol::Message{command, payload};
}

Result text(const QVariantList &a, int limit, Protocol::Message (*message)(const QString &),
            QString *error)
{
    const QString value = a[0].toString();
    return moduleText(value, limit, error) ? action(message(value)) : std::nullopt;
}

Result speed(const QVariantList &a, Protocol::Message (*message)(quint8), int waits, QString *error)
{
    const auto n = number(a[0], 1, 4, Texts::tr("the speed"), error);
    return n ? action(message(Protocol::SpeedCode[size_t(*n - 1)]), waits) : std::nullopt;
}

} // namespace

const QList<BusCommand> &busCommands()
{
    using Kind = BusCommand::Kind;
    static const QList<BusCommand> table = {
        {"ShowChar", "s", Kind::Send,
         [](const QVariantList &a, QString *e) { return text(a, 1, &Protocol::showChar, e); }},
        {"ShowCustom", "y", Kind::Send,
         [](const QVariantList &a, QString *e) -> Result {
             const auto n =
                 number(a[0], 0, Protocol::CustomCharacterCount - 1, Texts::tr("the position"), e);
             return n ? action(Protocol::showCustom(*n)) : std::nullopt;
         }},
        {"SaveCustom", "y", Kind::Send,
         [](const QVariantList &a, QString *e) -> Result {
             const auto n =
                 number(a[0], 0, Protocol::CustomCharacterCount - 1, Texts::tr("the position"), e);
             return n ? action(Protocol::saveCustom(*n)) : std::nullopt;
         }},
        {"ShowPattern", "ay", Kind::Send,
         [](const QVariantList &a, QString *e) -> Result {
             const auto pattern = columns(a[0].toByteArray(), e);
             return pattern ? action(Protocol::dotMatrix(*pattern)) : std::nullopt;
         }},
        {"Scroll", "s", Kind::Send,
         [](const QVariantList &a, QString *e) {
             return text(a, Protocol::MaxTextLength, &Protocol::scroll, e);
         }},
        {"Animate", "s", Kind::Send,
         [](const QVariantList &a, QString *e) {
             return text(a, Protocol::MaxTextLength, &Protocol::animate, e);
         }},
        {"Speed", "y", Kind::Send,
         [](const QVariantList &a, QString *e) { return speed(a, &Protocol::setSpeed, 0, e); }},
        {"Arrow", "s", Kind::Send,
         [](const QVariantList &a, QString *e) -> Result {
             const QString word = a[0].toString().toLower();
             const QStringList words = {QStringLiteral("up"), QStringLiteral("down"),
                                        QStringLiteral("right"), QStringLiteral("left")};
             const qsizetype index = words.indexOf(word);
             if (index < 0) {
                 *e = Texts::tr("the direction must be up, down, left or right, not '%1'")
                          .arg(a[0].toString());
                 return std::nullopt;
             }
             return action(Protocol::builtinAnimation(Protocol::Direction(index)));
         }},
        {"Play", "aayau", Kind::Play,
         [](const QVariantList &a, QString *e) -> Result {
             const auto patterns = qdbus_cast<QByteArrayList>(a[0]);
             const auto durations = qdbus_cast<QList<uint>>(a[1]);
             if (patterns.isEmpty() || patterns.size() != durations.size() ||
                 patterns.size() > Frames::MaxFrames) {
                 *e = Texts::tr(
                          "Play takes 1 to %1 frames, each with its time; %2 frames and %3 times "
                          "were given")
                          .arg(Frames::MaxFrames)
                          .arg(patterns.size())
                          .arg(durations.size());
                 return std::nullopt;
             }
             BusAction play;
             for (qsizetype i = 0; i < patterns.size(); ++i) {
                 const auto pattern = columns(patterns.at(i), e);
                 if (!pattern)
                     return std::nullopt;
                 play.frames.append(
                     {Pattern::fromColumns(*pattern),
                      Frames::clampedDuration(int(std::min(durations.at(i), 60000u)))});
             }
             return play;
         }},
        {"Settings", "", Kind::Settings,
         [](const QVariantList &, QString *) { return action(Protocol::readSettings(), 1); }},
        {"SetMode", "y", Kind::Acknowledge,
         [](const QVariantList &a, QString *e) -> Result {
             const auto n =
                 number(a[0], 0, Protocol::StartupModeCount - 1, Texts::tr("the mode"), e);
             return n ? action(Protocol::changeStartupMode(*n), 1) : std::nullopt;
         }},
        {"SetSpeed", "y", Kind::Acknowledge,
         [](const QVariantList &a, QString *e) { return speed(a, &Protocol::changeSpeed, 1, e); }},
        // Storing the text takes the module longer: two waits, as in the configuration dialog.
        {"SetMessage", "s", Kind::Acknowledge,
         [](const QVariantList &a, QString *e) -> Result {
             const QString value = a[0].toString();
             return moduleText(value, Protocol::MaxTextLength, e)
                        ? action(Protocol::saveMessage(value), 2)
                        : std::nullopt;
         }},
        {"Send", "yay", Kind::Send,
         [](const QVariantList &a, QString *e) -> Result {
             const auto message = anyMessage(a, e);
             return message ? action(*message) : std::nullopt;
         }},
        {"SendLatest", "yay", Kind::SendLatest,
         [](const QVariantList &a, QString *e) -> Result {
             const auto message = anyMessage(a, e);
             return message ? action(*message) : std::nullopt;
         }},
        {"Request", "yayu", Kind::Request,
         [](const QVariantList &a, QString *e) -> Result {
             const auto message = anyMessage(a, e);
             if (!message)
                 return std::nullopt;
             const auto waits = number(a[2], 1, 10, Texts::tr("the number of waits"), e);
             return waits ? action(*message, *waits) : std::nullopt;
         }},
    };
    return table;
}

const BusCommand *findBusCommand(const QString &method)
{
    for (const BusCommand &command : busCommands()) {
        if (method == QLatin1String(command.method))
            return &command;
    }
    return nullptr;
}
