#include "gzip.h"

#include <QCoreApplication>

#include <zlib.h>

#include <algorithm>
#include <limits>

namespace Fonts {

namespace {

// Free functions name this context in each call (Texts::tr), as lupdate needs to see it.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(FontFile)
};

} // namespace

namespace {

// zlib counts in uInt; larger buffers go through in pieces.
constexpr qsizetype MaxPiece = std::numeric_limits<uInt>::max() / 2;

std::optional<QByteArray> failWith(QString *reason, const QString &text)
{
    if (reason)
        *reason = text;
    return std::nullopt;
}

} // namespace

QString byteCountText(qint64 bytes)
{
    constexpr qint64 MiB = 1024 * 1024;
    if (bytes >= MiB && bytes % MiB == 0)
        return Texts::tr("%1 MiB").arg(bytes / MiB);
    return Texts::tr("%1 bytes").arg(bytes);
}

bool isGzip(const QByteArray &bytes)
{
    return bytes.size() >= 2 && quint8(bytes[0]) == 0x1F && quint8(bytes[1]) == 0x8B;
}

std::optional<QByteArray> gunzip(const QByteArray &compressed, qsizetype limit, QString *reason)
{
    if (!isGzip(compressed))
        return failWith(reason, Texts::tr("not gzip-compressed"));

    z_stream stream{};
    // 16 + MAX_WBITS: a gzip header and trailer around the deflate data, checked by zlib.
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK)
        return failWith(reason, Texts::tr("cannot start unpacking"));

    const auto *in = reinterpret_cast<const Bytef *>(compressed.constData());
    qsizetype inLeft = compressed.size();
    QByteArray out;
    qsizetype produced = 0;
    QString error;
    for (;;) {
        if (stream.avail_in == 0 && inLeft > 0) {
            const qsizetype piece = std::min(inLeft, MaxPiece);
            stream.next_in = const_cast<Bytef *>(in);
            stream.avail_in = uInt(piece);
            in += piece;
            inLeft -= piece;
        }
        if (produced == out.size()) {
            // One byte past the limit tells a stream that is too long from one that just fits.
            if (produced > limit) {
                error = Texts::tr("unpacks to more than %1").arg(byteCountText(limit));
                break;
            }
            const qsizetype grown = std::max<qsizetype>(out.size() * 2, 64 * 1024);
            out.resize(std::min(grown, limit + 1));
        }
        const qsizetype room = std::min(out.size() - produced, MaxPiece);
        stream.next_out = reinterpret_cast<Bytef *>(out.data() + produced);
        stream.avail_out = uInt(room);
        const int result = inflate(&stream, Z_NO_FLUSH);
        produced += room - qsizetype(stream.avail_out);

        if (result == Z_STREAM_END) {
            const bool inputLeft = stream.avail_in > 0 || inLeft > 0;
            if (!inputLeft)
                break;
            // Another gzip member may follow; anything else is not gzip data.
            const bool nextMember = stream.avail_in >= 2
                                        ? stream.next_in[0] == 0x1F && stream.next_in[1] == 0x8B
                                        : true;
            if (!nextMember) {
                error = Texts::tr("has data after the end of its compressed stream");
                break;
            }
            inflateReset(&stream);
            continue;
        }
        if (result == Z_OK)
            continue;
        if (result == Z_BUF_ERROR) {
            if (stream.avail_in > 0 || inLeft > 0)
                continue;
            error = Texts::tr("compressed data ends early: the file is cut short");
            break;
        }
        if (result == Z_MEM_ERROR) {
            error = Texts::tr("not enough memory to unpack it");
            break;
        }
        error = Texts::tr("damaged compressed data (%1)")
                    .arg(QString::fromLatin1(stream.msg ? stream.msg : "bad data"));
        break;
    }
    inflateEnd(&stream);
    if (error.isEmpty() && produced > limit)
        error = Texts::tr("unpacks to more than %1").arg(byteCountText(limit));
    if (!error.isEmpty())
        return failWith(reason, error);
    out.truncate(produced);
    return out;
}

} // namespace Fonts
