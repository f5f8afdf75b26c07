#include "sendrequest.h"

#include "appsettings.h"
#include "endpoint.h"
#include "patternlibrary.h"
#include "patterntext.h"
#include "portresolver.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <functional>
#include <map>

namespace {

// Free functions name this context in each call (Texts::tr), as lupdate needs to see it.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(GlyphsmithSend)
};

// A pattern as the bus carries it: the module's eight column bytes.
QByteArray columnBytes(const Pattern &pattern)
{
    const Protocol::ColumnPattern columns = pattern.columns();
    return QByteArray(reinterpret_cast<const char *>(columns.data()), qsizetype(columns.size()));
}

// One command: how many arguments it takes and how it turns them into a request.
struct CommandEntry
{
    QString arguments; // as --help shows them
    QString summary;
    int minArgs;
    int maxArgs; // -1: the rest of the line
    std::function<std::optional<SendRequest>(const QStringList &, QString *)> build;
};

std::optional<int> number(const QString &text, int low, int high, const QString &what,
                          QString *error)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high) {
        *error = Texts::tr("%1 must be a number from %2 to %3, not '%4'")
                     .arg(what)
                     .arg(low)
                     .arg(high)
                     .arg(text);
        return std::nullopt;
    }
    return value;
}

// Text for the module: Latin-1 only (never turned into '?'), at most `limit` characters.
std::optional<QString> moduleText(const QString &text, int limit, QString *error)
{
    for (const QChar c : text) {
        if (c.unicode() > 0xFF) {
            *error = Texts::tr("'%1' cannot be sent: the module shows Latin-1 characters only")
                         .arg(c.isHighSurrogate() ? text.mid(text.indexOf(c), 2) : QString(c));
            return std::nullopt;
        }
    }
    if (text.size() > limit) {
        *error = Texts::tr("the text has %1 characters; the module takes at most %2")
                     .arg(text.size())
                     .arg(limit);
        return std::nullopt;
    }
    return text;
}

// The --format of the command being parsed.
QString &patternFormat()
{
    static QString format;
    return format;
}

SendRequest plain(const Protocol::Message &message, const char *busMethod,
                  const QVariant &busArgument)
{
    return {message,      SendRequest::Reply::None, 0,
            std::nullopt, QLatin1String(busMethod), {busArgument}};
}

SendRequest exchange(const Protocol::Message &message, SendRequest::Reply reply, int waits,
                     const char *busMethod, const QVariantList &busArguments)
{
    return {message, reply, waits, std::nullopt, QLatin1String(busMethod), busArguments};
}

const std::map<QString, CommandEntry> &commands()
{
    using R = std::optional<SendRequest>;
    static const std::map<QString, CommandEntry> table = {
        {QStringLiteral("char"),
         {QStringLiteral("C"), Texts::tr("show one character (none: an empty message)"), 0, 1,
          [](const QStringList &a, QString *e) -> R {
              const auto text = moduleText(a.value(0), 1, e);
              return text ? R(plain(Protocol::showChar(*text), "ShowChar", *text)) : std::nullopt;
          }}},
        {QStringLiteral("custom"),
         {QStringLiteral("N"), Texts::tr("show custom character N, 0 to 9"), 1, 1,
          [](const QStringList &a, QString *e) -> R {
              const auto n =
                  number(a[0], 0, Protocol::CustomCharacterCount - 1, Texts::tr("the position"), e);
              return n ? R(plain(Protocol::showCustom(*n), "ShowCustom",
                                 QVariant::fromValue(uchar(*n))))
                       : std::nullopt;
          }}},
        {QStringLiteral("save"),
         {QStringLiteral("N"), Texts::tr("store the shown pattern as custom character N, 0 to 9"),
          1, 1,
          [](const QStringList &a, QString *e) -> R {
              const auto n =
                  number(a[0], 0, Protocol::CustomCharacterCount - 1, Texts::tr("the position"), e);
              return n ? R(plain(Protocol::saveCustom(*n), "SaveCustom",
                                 QVariant::fromValue(uchar(*n))))
                       : std::nullopt;
          }}},
        {QStringLiteral("pattern"),
         {QStringLiteral("TEXT|-|FILE.glyphs NAME"),
          Texts::tr(
              "show a dot pattern: a text in any of the workbench's formats (8 hex pairs are "
              "the module's bytes), '-' for one on standard input, or a pattern of a library"),
          1, -1,
          [](const QStringList &a, QString *e) -> R {
              const auto pattern = PatternText::parse(a, patternFormat(), e);
              return pattern ? R(plain(Protocol::dotMatrix(pattern->columns()), "ShowPattern",
                                       columnBytes(*pattern)))
                             : std::nullopt;
          }}},
        {QStringLiteral("play"),
         {QStringLiteral("FILE.glyphs NAME"),
          Texts::tr("play an animation of a library on the module once, each frame at its time"), 2,
          2,
          [](const QStringList &a, QString *e) -> R {
              const auto library = PatternLibrary::read(a[0], e);
              if (!library)
                  return std::nullopt;
              for (const Animation &animation : library->animations) {
                  if (animation.name == a[1]) {
                      if (animation.frames.isEmpty()) {
                          *e = Texts::tr("the animation \"%1\" has no frames").arg(a[1]);
                          return std::nullopt;
                      }
                      SendRequest request;
                      request.animation = animation;
                      request.busMethod = QStringLiteral("Play");
                      QByteArrayList frames;
                      QList<uint> durations;
                      for (const Frame &frame : animation.frames) {
                          frames.append(columnBytes(frame.pattern));
                          durations.append(uint(frame.durationMs));
                      }
                      request.busArguments = {QVariant::fromValue(frames),
                                              QVariant::fromValue(durations)};
                      return request;
                  }
              }
              *e = Texts::tr("%1 has no animation named \"%2\"").arg(a[0], a[1]);
              return std::nullopt;
          }}},
        {QStringLiteral("scroll"),
         {QStringLiteral("TEXT"), Texts::tr("scroll a text of up to 20 characters"), 1, 1,
          [](const QStringList &a, QString *e) -> R {
              const auto text = moduleText(a[0], Protocol::MaxTextLength, e);
              return text ? R(plain(Protocol::scroll(*text), "Scroll", *text)) : std::nullopt;
          }}},
        {QStringLiteral("animate"),
         {QStringLiteral("TEXT"), Texts::tr("show a text of up to 20 characters one by one"), 1, 1,
          [](const QStringList &a, QString *e) -> R {
              const auto text = moduleText(a[0], Protocol::MaxTextLength, e);
              return text ? R(plain(Protocol::animate(*text), "Animate", *text)) : std::nullopt;
          }}},
        {QStringLiteral("speed"),
         {QStringLiteral("1..4"), Texts::tr("set the speed of scrolling and animation now"), 1, 1,
          [](const QStringList &a, QString *e) -> R {
              const auto n = number(a[0], 1, 4, Texts::tr("the speed"), e);
              return n ? R(plain(Protocol::setSpeed(Protocol::SpeedCode[size_t(*n - 1)]), "Speed",
                                 QVariant::fromValue(uchar(*n))))
                       : std::nullopt;
          }}},
        {QStringLiteral("arrow"),
         {QStringLiteral("up|down|left|right"), Texts::tr("play a built-in arrow animation"), 1, 1,
          [](const QStringList &a, QString *e) -> R {
              static const std::map<QString, Protocol::Direction> directions = {
                  {QStringLiteral("up"), Protocol::DIR_UP},
                  {QStringLiteral("down"), Protocol::DIR_DOWN},
                  {QStringLiteral("right"), Protocol::DIR_RIGHT},
                  {QStringLiteral("left"), Protocol::DIR_LEFT}};
              const auto it = directions.find(a[0].toLower());
              if (it == directions.end()) {
                  *e = Texts::tr("the direction must be up, down, left or right, not '%1'")
                           .arg(a[0]);
                  return std::nullopt;
              }
              return plain(Protocol::builtinAnimation(it->second), "Arrow", it->first);
          }}},
        {QStringLiteral("settings"),
         {QString(), Texts::tr("print the stored start-up mode, speed and message"), 0, 0,
          [](const QStringList &, QString *) -> R {
              return exchange(Protocol::readSettings(), SendRequest::Reply::Settings, 1, "Settings",
                              {});
          }}},
        {QStringLiteral("set-mode"),
         {QStringLiteral("0..6"), Texts::tr("store the start-up mode"), 1, 1,
          [](const QStringList &a, QString *e) -> R {
              const auto n =
                  number(a[0], 0, Protocol::StartupModeCount - 1, Texts::tr("the mode"), e);
              return n ? R(exchange(Protocol::changeStartupMode(*n),
                                    SendRequest::Reply::Acknowledge, 1, "SetMode",
                                    {QVariant::fromValue(uchar(*n))}))
                       : std::nullopt;
          }}},
        {QStringLiteral("set-speed"),
         {QStringLiteral("1..4"), Texts::tr("store the speed"), 1, 1,
          [](const QStringList &a, QString *e) -> R {
              const auto n = number(a[0], 1, 4, Texts::tr("the speed"), e);
              return n ? R(exchange(Protocol::changeSpeed(Protocol::SpeedCode[size_t(*n - 1)]),
                                    SendRequest::Reply::Acknowledge, 1, "SetSpeed",
                                    {QVariant::fromValue(uchar(*n))}))
                       : std::nullopt;
          }}},
        {QStringLiteral("set-message"),
         {QStringLiteral("TEXT"), Texts::tr("store the message of up to 20 characters"), 1, 1,
          [](const QStringList &a, QString *e) -> R {
              const auto text = moduleText(a[0], Protocol::MaxTextLength, e);
              // Storing the text takes the module longer: two waits, as in the dialog.
              return text ? R(exchange(Protocol::saveMessage(*text),
                                       SendRequest::Reply::Acknowledge, 2, "SetMessage", {*text}))
                          : std::nullopt;
          }}},
    };
    return table;
}

} // namespace

QString wrapText(const QString &text, int width, int indent)
{
    QString wrapped;
    QString line;
    for (const QString &word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && indent + line.size() + 1 + word.size() > width) {
            wrapped += line + u'\n' + QString(indent, u' ');
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    return wrapped + line;
}

// A usage longer than its column has its summary on the next line, so the two never run
// together; summaries wrap within a terminal's 80 columns.
QString commandHelpLine(const QString &usage, const QString &summary)
{
    constexpr int Indent = 2;
    constexpr int UsageColumn = 26;
    constexpr int Width = 79;
    QString line = QString(Indent, u' ') + usage;
    if (usage.size() < UsageColumn)
        line += QString(UsageColumn - usage.size(), u' ');
    else
        line += u'\n' + QString(Indent + UsageColumn, u' ');
    return line + wrapText(summary, Width, Indent + UsageColumn) + u'\n';
}

QString sendCommandsHelp()
{
    QString help;
    for (const auto &[name, entry] : commands())
        help += commandHelpLine(entry.arguments.isEmpty() ? name : name + u' ' + entry.arguments,
                                entry.summary);
    return help;
}

std::optional<SendRequest> parseSendCommand(const QStringList &words, QString *error,
                                            const QString &format)
{
    if (words.isEmpty()) {
        *error = Texts::tr("no command given");
        return std::nullopt;
    }
    const QString name = words.first();
    if (!format.isEmpty() && name != QLatin1String("pattern")) {
        *error = Texts::tr("--format goes with the command 'pattern' only");
        return std::nullopt;
    }
    patternFormat() = format;
    const auto it = commands().find(name);
    if (it == commands().end()) {
        *error = Texts::tr("unknown command '%1'").arg(name);
        return std::nullopt;
    }
    const CommandEntry &entry = it->second;
    const QStringList arguments = words.mid(1);
    if (arguments.size() < entry.minArgs) {
        *error = Texts::tr("'%1' needs %2").arg(name, entry.arguments);
        return std::nullopt;
    }
    if (entry.maxArgs >= 0 && arguments.size() > entry.maxArgs) {
        *error =
            entry.maxArgs == 0
                ? Texts::tr("'%1' takes no argument").arg(name)
                : Texts::tr("'%1' takes one argument (put a text with spaces in quotes)").arg(name);
        return std::nullopt;
    }
    return entry.build(arguments, error);
}

std::optional<QString> resolveSendPort(const QString &port, QString *error, int *status)
{
    static const QRegularExpression comNumber(QStringLiteral("^COM([0-9]+)$"),
                                              QRegularExpression::CaseInsensitiveOption);
    std::optional<int> number;
    if (port.isEmpty()) {
        number = AppSettings::parseCommPort(AppSettings::storedCommPort())
                     .value_or(AppSettings::FirstPort);
    } else if (const auto match = comNumber.match(port); match.hasMatch()) {
        const int n = match.captured(1).toInt();
        if (n < AppSettings::FirstPort || n > AppSettings::LastPort) {
            *error = Texts::tr("there are COM1 to COM6, no %1").arg(port);
            *status = ExitStatus::BadUsage;
            return std::nullopt;
        }
        number = n;
    }
    if (!number) {
        QString why;
        if (!Endpoint::parse(port, &why)) {
            *error = Texts::tr("%1: %2").arg(port, why);
            *status = ExitStatus::BadUsage;
            return std::nullopt;
        }
        return port;
    }
    const auto device = PortResolver::devicePath(*number);
    if (!device) {
        *error =
            Texts::tr("COM%1 stands for no device: the settings map none to it, and the machine "
                      "has fewer than %1 serial devices")
                .arg(*number);
        *status = ExitStatus::PortUnavailable;
    }
    return device;
}
