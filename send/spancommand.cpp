#include "spancommand.h"

#include "appsettings.h"
#include "canvasimage.h"
#include "connectionpool.h"
#include "patternlibrary.h"
#include "sendrequest.h"
#include "spansection.h"
#include "spantext.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImageReader>
#include <QSettings>

namespace SpanCommand {

namespace {

// Free functions name this context in each call (Texts::tr), as lupdate needs to see it.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(GlyphsmithSend)
};

const QString Scroll = QStringLiteral("span-scroll");
const QString PatternCommand = QStringLiteral("span-pattern");
const QString Play = QStringLiteral("span-play");

// Where the workbench keeps its recent library files (EditorSettings).
constexpr char WorkbenchGroup[] = "Workbench";
constexpr char RecentFilesKey[] = "RecentFiles";
// Pictures and text art read for span-pattern are at most this large.
constexpr qint64 MaxInput = qint64(64) * 1024 * 1024;

struct Loaded
{
    QString path;
    QList<Span> spans;
};

std::optional<Loaded> loadSpans(const QString &given, QString *error)
{
    const QString path = given.isEmpty() ? lastLibrary() : given;
    if (path.isEmpty()) {
        *error =
            Texts::tr("no library file: name one with --library FILE (the program has opened none "
                      "yet)");
        return std::nullopt;
    }
    const auto library = PatternLibrary::read(path, error);
    if (!library)
        return std::nullopt;
    QString reason;
    const auto spans = SpanSection::read(*library, &reason);
    if (!spans) {
        *error = Texts::tr("the spans of %1 cannot be read: %2").arg(path, reason);
        return std::nullopt;
    }
    return Loaded{path, *spans};
}

std::optional<Span> findSpan(const Loaded &loaded, const QString &name, QString *error)
{
    const int index = SpanSection::findSpan(loaded.spans, name);
    if (index >= 0)
        return loaded.spans.at(index);
    QStringList names;
    for (const Span &span : loaded.spans)
        names.append(QStringLiteral("\"%1\"").arg(span.name));
    *error = names.isEmpty() ? Texts::tr("%1 has no spans").arg(loaded.path)
                             : Texts::tr("%1 has no span named \"%2\" (it has %3)")
                                   .arg(loaded.path, name, names.join(QStringLiteral(", ")));
    return std::nullopt;
}

QString sizeText(const Span &span)
{
    const Canvas canvas = span.blankCanvas();
    return Texts::tr("%1 x %2 dots").arg(canvas.width()).arg(canvas.height());
}

std::optional<Canvas> pictureOf(const QByteArray &bytes, const Span &span, QString *error)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (reader.canRead()) {
        const QSize size = reader.size();
        const Canvas blank = span.blankCanvas();
        const int scale = size.width() / std::max(1, blank.width());
        if (!size.isValid() || scale < 1 || size != QSize(blank.width(), blank.height()) * scale) {
            *error = Texts::tr("the picture is %1 x %2 pixels; the span \"%3\" is %4 (or a whole "
                               "multiple of that)")
                         .arg(size.width())
                         .arg(size.height())
                         .arg(span.name, sizeText(span));
            return std::nullopt;
        }
        const QImage image = reader.read();
        if (image.isNull()) {
            *error = Texts::tr("the picture cannot be read: %1").arg(reader.errorString());
            return std::nullopt;
        }
        return CanvasImage::threshold(CanvasImage::levels(image, span.columns, span.rows));
    }
    const QString text = QString::fromUtf8(bytes);
    const QSize size = CanvasText::textArtSize(text);
    const Canvas blank = span.blankCanvas();
    if (size != QSize(blank.width(), blank.height())) {
        *error =
            Texts::tr("text art of the span \"%1\" is %2 (%3 lines of %4 dots); this is %5 x %6")
                .arg(span.name, sizeText(span))
                .arg(blank.height())
                .arg(blank.width())
                .arg(size.width())
                .arg(size.height());
        return std::nullopt;
    }
    QString reason;
    const auto canvas = CanvasText::parseTextArt(text, span.columns, span.rows, &reason);
    if (!canvas)
        *error = Texts::tr("this is no text art: %1").arg(reason);
    return canvas;
}

} // namespace

bool isSpanCommand(const QString &name)
{
    return name == Scroll || name == PatternCommand || name == Play;
}

bool drawsText(const QStringList &words)
{
    return words.value(0) == Scroll;
}

QString help()
{
    const auto line = commandHelpLine;
    return line(Scroll + QStringLiteral(" SPAN TEXT"),
                Texts::tr("scroll any text across a span of modules, in step (--font, --font-size, "
                          "--frame-ms)")) +
           line(PatternCommand + QStringLiteral(" SPAN FILE|-"),
                Texts::tr("show a picture of the span's size on its modules: text art, or a PNG")) +
           line(Play + QStringLiteral(" FILE.glyphs NAME"),
                Texts::tr("play a span animation of a library once, on all its modules in step"));
}

QString lastLibrary()
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, AppSettings::Organization,
                       AppSettings::Application);
    settings.beginGroup(QLatin1String(WorkbenchGroup));
    return settings.value(QLatin1String(RecentFilesKey)).toStringList().value(0);
}

std::optional<Request> parse(const QStringList &words, const Options &options, QString *error,
                             int *status)
{
    *status = ExitStatus::BadUsage;
    const QString command = words.value(0);
    const QStringList arguments = words.mid(1);
    if (!isSpanCommand(command)) {
        *error = Texts::tr("unknown command '%1'").arg(command);
        return std::nullopt;
    }
    if (arguments.size() != 2) {
        *error = command == Play     ? Texts::tr("'%1' needs FILE.glyphs NAME").arg(command)
                 : command == Scroll ? Texts::tr("'%1' needs SPAN TEXT (put a text with spaces in "
                                                 "quotes)")
                                           .arg(command)
                                     : Texts::tr("'%1' needs SPAN FILE|-").arg(command);
        return std::nullopt;
    }

    if (command == Play) {
        const auto loaded = loadSpans(arguments.at(0), error);
        if (!loaded)
            return std::nullopt;
        const auto place = SpanSection::findAnimation(loaded->spans, arguments.at(1));
        if (!place) {
            *error = Texts::tr("%1 has no span animation named \"%2\"")
                         .arg(loaded->path, arguments.at(1));
            return std::nullopt;
        }
        Request request;
        request.span = loaded->spans.at(place->span);
        request.frames = request.span.animations.at(place->animation).frames;
        if (request.frames.isEmpty()) {
            *error = Texts::tr("the span animation \"%1\" has no frames").arg(arguments.at(1));
            return std::nullopt;
        }
        return request;
    }

    const auto loaded = loadSpans(options.library, error);
    if (!loaded)
        return std::nullopt;
    const auto span = findSpan(*loaded, arguments.at(0), error);
    if (!span)
        return std::nullopt;
    Request request;
    request.span = *span;

    if (command == Scroll) {
        const QString text = arguments.at(1);
        if (text.isEmpty()) {
            *error = Texts::tr("there is no text to scroll");
            return std::nullopt;
        }
        if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
            *error =
                Texts::tr("'%1' draws with the machine's fonts, which needs Qt Gui").arg(command);
            return std::nullopt;
        }
        if (options.frameMs < Frames::MinDurationMs || options.frameMs > Frames::MaxDurationMs) {
            *error = Texts::tr("--frame-ms must be a number from %1 to %2")
                         .arg(Frames::MinDurationMs)
                         .arg(Frames::MaxDurationMs);
            return std::nullopt;
        }
        TextFrames::Options drawing;
        drawing.font = options.font.isEmpty()
                           ? QFontDatabase::systemFont(QFontDatabase::GeneralFont)
                           : QFont(options.font);
        drawing.font.setPixelSize(options.fontSize > 0 ? options.fontSize : 9 * span->rows);
        drawing.frameMs = options.frameMs;
        request.frames = SpanText::scroll(text, drawing, span->columns, span->rows);
        return request;
    }

    // span-pattern
    QByteArray bytes;
    if (arguments.at(1) == QLatin1String("-")) {
        bytes = options.readInput ? options.readInput() : QByteArray();
    } else {
        QFile file(arguments.at(1));
        if (!file.open(QIODevice::ReadOnly)) {
            *error = Texts::tr("cannot read %1: %2").arg(arguments.at(1), file.errorString());
            return std::nullopt;
        }
        if (file.size() > MaxInput) {
            *error = Texts::tr("%1 is larger than %2 MB").arg(arguments.at(1)).arg(MaxInput >> 20);
            return std::nullopt;
        }
        bytes = file.readAll();
    }
    const auto canvas = pictureOf(bytes, *span, error);
    if (!canvas)
        return std::nullopt;
    request.frames = {SpanFrame{*canvas, Frames::DefaultDurationMs}};
    request.playsFrames = false;
    return request;
}

} // namespace SpanCommand

ProgramLine::ProgramLine(BusClient *client, QObject *parent)
    : QObject(parent)
    , m_client(client)
{}

bool ProgramLine::show(const Pattern &pattern, bool *replaced)
{
    if (!isAvailable())
        return false;
    if (replaced)
        *replaced = m_call && m_waiting.has_value();
    if (m_call)
        m_waiting = pattern;
    else
        sendNow(pattern);
    return true;
}

void ProgramLine::sendNow(const Pattern &pattern)
{
    const Protocol::ColumnPattern columns = pattern.columns();
    m_call = m_client->call(
        QStringLiteral("ShowPattern"),
        {QByteArray(reinterpret_cast<const char *>(columns.data()), qsizetype(columns.size()))}, -1,
        this);
    connect(m_call, &BusCall::finished, this, &ProgramLine::callOver);
}

void ProgramLine::callOver()
{
    BusCall *call = m_call;
    m_call = nullptr;
    if (call) {
        if (call->isError()) {
            m_failure = call->errorMessage().isEmpty() ? call->errorName() : call->errorMessage();
            m_waiting.reset();
            emit failed(m_failure);
        }
        call->deleteLater();
    }
    if (m_waiting && isAvailable()) {
        const Pattern next = *m_waiting;
        m_waiting.reset();
        sendNow(next);
    }
}

void SpanRunPlayer::setProgramModule(int module, ProgramLine *line)
{
    m_programModule = line ? module : -1;
    m_line = line;
}

bool SpanRunPlayer::handOver(int module, const Pattern &pattern, bool *replaced)
{
    if (module == m_programModule)
        return m_line && m_line->show(pattern, replaced);
    return SpanPlayer::handOver(module, pattern, replaced);
}

bool SpanRunPlayer::isAvailable(int module) const
{
    if (module == m_programModule)
        return m_line && m_line->isAvailable();
    return SpanPlayer::isAvailable(module);
}

bool SpanRunPlayer::hasLine(int module) const
{
    return module == m_programModule || SpanPlayer::hasLine(module);
}

SpanRun::SpanRun(ConnectionPool *pool, QObject *parent)
    : QObject(parent)
    , m_modules(pool)
{
    m_connectWait.setSingleShot(true);
    m_connectWait.setInterval(ConnectTimeout);
    connect(&m_connectWait, &QTimer::timeout, this, &SpanRun::begin);
    connect(&m_modules, &SpanModules::settled, this, [this] {
        if (m_running && !m_begun)
            QMetaObject::invokeMethod(this, &SpanRun::begin, Qt::QueuedConnection);
    });
    // Bytes in flight raise no event when they leave, so the wait for them looks this often.
    m_sendCheck.setInterval(std::chrono::milliseconds(2));
    connect(&m_sendCheck, &QTimer::timeout, this, &SpanRun::checkSent);
    connect(&m_player, &SpanPlayer::moduleOut, this, &SpanRun::noteOut);
    connect(&m_modules, &SpanModules::connectionChanged, this,
            [this](int index) { m_player.replaceConnection(index, m_modules.connection(index)); });
    connect(&m_player, &SpanPlayer::stopped, this, &SpanRun::played);
}

void SpanRun::setProgram(BusClient *client, const BusClient::Port &port)
{
    m_client = client;
    m_programPort = port;
}

void SpanRun::start(const SpanCommand::Request &request)
{
    m_request = request;
    m_running = true;
    m_begun = false;
    m_problems.clear();
    m_told.clear();
    // The module the program holds is left out of the pool: its port could not be opened here.
    Span own = request.span;
    m_programModule = -1;
    if (m_client && m_programPort) {
        for (int i = 0; i < own.modules.size(); ++i) {
            const QString target = own.modules.at(i).target.trimmed();
            const auto device = target.isEmpty() ? std::nullopt : ConnectionPool::deviceOf(target);
            if (device && BusClient::holds(*m_programPort, *device)) {
                m_programModule = i;
                own.modules[i].target.clear();
                break;
            }
        }
    }
    m_programLine.reset(m_programModule >= 0 ? new ProgramLine(m_client) : nullptr);
    if (m_programLine) {
        connect(m_programLine.get(), &ProgramLine::failed, this,
                [this](const QString &reason) { noteOut(m_programModule, reason); });
    }
    m_player.setProgramModule(m_programModule, m_programLine.get());
    m_modules.attach(own);
    if (m_modules.isConnecting())
        m_connectWait.start();
    else
        QMetaObject::invokeMethod(this, &SpanRun::begin, Qt::QueuedConnection);
}

void SpanRun::begin()
{
    if (!m_running || m_begun)
        return;
    m_begun = true;
    m_connectWait.stop();
    for (int i = 0; i < m_modules.count(); ++i) {
        ModuleConnection *connection = m_modules.connection(i);
        if (i == m_programModule)
            continue;
        if (!connection && !m_request.span.modules.value(i).target.trimmed().isEmpty())
            noteOut(i, m_modules.problem(i));
        else if (connection && !connection->isOpen())
            noteOut(i, connection->errorString());
    }
    if (!m_request.playsFrames) {
        const Canvas &canvas = m_request.frames.value(0).canvas;
        for (int module : m_modules.send(canvas, m_request.span))
            noteOut(module, m_modules.connection(module)
                                ? m_modules.connection(module)->errorString()
                                : m_modules.problem(module));
        if (m_programLine)
            m_programLine->show(SpanSlicing::slice(canvas, m_request.span, m_programModule),
                                nullptr);
        played();
        return;
    }
    m_player.setSpan(m_request.span);
    m_player.setFrames(m_request.frames);
    m_player.setLoop(false);
    m_player.setConnections(m_modules.connections());
    m_player.start();
}

void SpanRun::noteOut(int module, const QString &reason)
{
    if (m_told.contains(module))
        return;
    m_told.append(module);
    const QString why = reason.isEmpty()
                            ? QCoreApplication::translate("GlyphsmithSend", "the port is not open")
                            : reason;
    const QString name = module == m_programModule
                             ? m_request.span.modules.value(module).target.trimmed()
                             : m_modules.portName(module);
    m_problems.append(
        QCoreApplication::translate("GlyphsmithSend", "module %1 (%2) was not available: %3")
            .arg(module + 1)
            .arg(name, why));
}

void SpanRun::played()
{
    if (!m_running)
        return;
    m_sendDeadline.setRemainingTime(SendTimeout);
    m_sendCheck.start();
    checkSent();
}

void SpanRun::checkSent()
{
    bool sent = true;
    for (ModuleConnection *connection : m_modules.connections()) {
        if (connection && connection->isOpen() && !connection->allSent())
            sent = false;
    }
    if (m_programLine && !m_programLine->isIdle())
        sent = false;
    if (sent || m_sendDeadline.hasExpired()) {
        if (!sent)
            m_problems.append(QCoreApplication::translate("GlyphsmithSend",
                                                          "some modules did not take their frames "
                                                          "within %1 s")
                                  .arg(SendTimeout.count() / 1000));
        finish();
    }
}

void SpanRun::finish()
{
    if (!m_running)
        return;
    m_running = false;
    m_sendCheck.stop();
    m_player.stop();
    if (m_request.playsFrames) {
        for (int i = 0; i < m_problems.size() && i < m_told.size(); ++i) {
            const int missed = m_player.counts(m_told.at(i)).missed;
            if (missed > 0)
                m_problems[i] +=
                    QCoreApplication::translate("GlyphsmithSend", "; %1 of %2 frames missed")
                        .arg(missed)
                        .arg(m_request.frames.size());
        }
    }
    m_modules.detach();
    emit finished(m_problems.isEmpty() ? ExitStatus::Done : ExitStatus::PortUnavailable);
}
