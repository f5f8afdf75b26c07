#include "patternclipboard.h"

#include "patternimage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMimeData>

namespace PatternClipboard {

namespace {
constexpr int PictureDotSize = 16;
} // namespace

QMimeData *mimeData(const QList<NamedPattern> &patterns, TextFormats::Format format)
{
    auto *data = new QMimeData;
    if (patterns.isEmpty())
        return data;
    QStringList texts;
    QJsonArray named;
    for (const NamedPattern &entry : patterns) {
        QString text = TextFormats::write(entry.pattern, format, entry.name);
        if (text.endsWith(u'\n'))
            text.chop(1);
        texts.append(text);
        named.append(QJsonObject{{QStringLiteral("name"), entry.name},
                                 {QStringLiteral("bytes"), bytesText(entry.pattern)}});
    }
    data->setText(texts.join(QStringLiteral("\n\n")) +
                  (format == TextFormats::Format::TextArt ? QStringLiteral("\n") : QString()));
    data->setImageData(PatternImage::render(patterns.constFirst().pattern, PictureDotSize));
    data->setData(QLatin1String(PatternMimeType),
                  bytesText(patterns.constFirst().pattern).toLatin1());
    data->setData(QLatin1String(PatternsMimeType), QJsonDocument(named).toJson());
    return data;
}

std::optional<QList<NamedPattern>> ownPatterns(const QMimeData *data)
{
    if (!data)
        return std::nullopt;
    if (data->hasFormat(QLatin1String(PatternsMimeType))) {
        QList<NamedPattern> patterns;
        const QJsonArray named =
            QJsonDocument::fromJson(data->data(QLatin1String(PatternsMimeType))).array();
        for (const QJsonValue &value : named) {
            const QJsonObject object = value.toObject();
            const auto pattern =
                patternFromBytesText(object.value(QLatin1String("bytes")).toString());
            if (!pattern)
                return std::nullopt;
            patterns.append({object.value(QLatin1String("name")).toString(), *pattern, {}});
        }
        if (!patterns.isEmpty())
            return patterns;
    }
    if (data->hasFormat(QLatin1String(PatternMimeType))) {
        if (const auto pattern = patternFromBytesText(
                QString::fromLatin1(data->data(QLatin1String(PatternMimeType)))))
            return QList<NamedPattern>{{QString(), *pattern, {}}};
    }
    return std::nullopt;
}

} // namespace PatternClipboard
