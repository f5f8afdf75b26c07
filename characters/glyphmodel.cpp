#include "glyphmodel.h"

#include "pattern.h"
#include "patternpicture.h"
#include "textglyph.h"

#include <QElapsedTimer>
#include <QFont>
#include <QFontMetrics>

namespace {

// What an installed font offers in the picker: Latin-1's printable characters and a few
// symbols that suit a dot matrix.
QList<char32_t> installedCharacters()
{
    QList<char32_t> characters;
    for (char32_t c = 0x21; c <= 0x7E; ++c)
        characters.append(c);
    for (char32_t c = 0xA1; c <= 0xFF; ++c) {
        if (c != 0xAD)
            characters.append(c);
    }
    for (char32_t c :
         {0x2190, 0x2191, 0x2192, 0x2193, 0x2660, 0x2663, 0x2665, 0x2666, 0x263A, 0x263B,
          0x266A, 0x2605, 0x25CF, 0x25A0, 0x25A1, 0x25B2, 0x25BC, 0x25C6, 0x2713, 0x2717})
        characters.append(c);
    return characters;
}

QString characterText(char32_t character)
{
    return QString::fromUcs4(&character, 1);
}

} // namespace

GlyphModel::GlyphModel(QObject *parent)
    : QAbstractListModel(parent)
{
    connect(&m_drawing, &QTimer::timeout, this, &GlyphModel::drawSome);
}

void GlyphModel::startDrawingAll()
{
    m_nextToDraw = 0;
    m_blanks.clear();
    if (usesBitmapFont() || m_entries.isEmpty()) {
        m_drawing.stop();
        emit blanksFound(m_blanks);
        return;
    }
    m_drawing.start(0);
}

// A share of the characters each turn of the event loop: a large size takes a second for all.
void GlyphModel::drawSome()
{
    constexpr qint64 TurnMs = 10;
    QElapsedTimer turn;
    turn.start();
    while (m_nextToDraw < m_entries.size() && turn.elapsed() < TurnMs)
        pattern(m_nextToDraw++);
    if (m_nextToDraw < m_entries.size())
        return;
    m_drawing.stop();
    for (int row = 0; row < m_entries.size(); ++row) {
        const char32_t c = m_entries.at(row).character;
        const bool printableLatin1 = (c > 0x20 && c < 0x7F) || (c > 0xA0 && c <= 0xFF && c != 0xAD);
        if (printableLatin1 && pattern(row) == Pattern())
            m_blanks.append(m_entries.at(row).text);
    }
    emit blanksFound(m_blanks);
}

void GlyphModel::setBitmapFont(const Fonts::BitmapFont &font)
{
    m_bitmapFont = font;
    m_useBitmap = true;
    rebuild();
}

void GlyphModel::useBitmapFont(bool use)
{
    if (use == m_useBitmap)
        return;
    m_useBitmap = use;
    rebuild();
}

void GlyphModel::setFit(Fonts::Fit fit)
{
    if (fit == m_fit)
        return;
    m_fit = fit;
    if (usesBitmapFont())
        redraw();
}

void GlyphModel::setInstalledFont(const QString &family, int dotSize, int thresholdPercent)
{
    const bool sameCharacters = family == m_family;
    m_family = family;
    m_dotSize = dotSize;
    m_threshold = thresholdPercent;
    if (usesBitmapFont())
        return;
    if (sameCharacters && !m_entries.isEmpty())
        redraw();
    else
        rebuild();
}

void GlyphModel::rebuild()
{
    beginResetModel();
    m_entries.clear();
    if (usesBitmapFont()) {
        const QList<Fonts::Glyph> &glyphs = m_bitmapFont->glyphs;
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            const Fonts::Glyph &glyph = glyphs.at(i);
            Entry entry;
            entry.glyph = i;
            if (!glyph.characters.isEmpty()) {
                entry.text = glyph.characters.first();
                entry.character = entry.text.toUcs4().value(0);
            } else {
                entry.text = QStringLiteral("#%1").arg(glyph.code);
            }
            m_entries.append(entry);
        }
    } else if (!m_family.isEmpty()) {
        const QFontMetrics metrics{QFont(m_family)};
        for (char32_t c : installedCharacters()) {
            if (metrics.inFontUcs4(uint(c)))
                m_entries.append({characterText(c), c, -1});
        }
    }
    m_patterns = QList<std::optional<Pattern>>(m_entries.size());
    endResetModel();
    startDrawingAll();
}

void GlyphModel::redraw()
{
    m_patterns = QList<std::optional<Pattern>>(m_entries.size());
    if (!m_entries.isEmpty())
        emit dataChanged(index(0), index(int(m_entries.size()) - 1),
                         {Qt::DecorationRole, PatternRole});
    startDrawingAll();
}

int GlyphModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QString GlyphModel::text(int row) const
{
    return m_entries.value(row).text;
}

Pattern GlyphModel::pattern(int row) const
{
    if (row < 0 || row >= m_entries.size())
        return {};
    std::optional<Pattern> &kept = m_patterns[row];
    if (!kept) {
        const Entry &entry = m_entries.at(row);
        kept = usesBitmapFont()
                   ? Fonts::glyphPattern(*m_bitmapFont, m_bitmapFont->glyphs.at(entry.glyph), m_fit)
                   : Fonts::textGlyphPattern(m_family, m_dotSize, m_threshold, entry.character);
    }
    return *kept;
}

std::optional<Pattern> GlyphModel::patternFor(char32_t character) const
{
    if (usesBitmapFont()) {
        const Fonts::Glyph *glyph = m_bitmapFont->glyphFor(character);
        if (!glyph)
            return std::nullopt;
        return Fonts::glyphPattern(*m_bitmapFont, *glyph, m_fit);
    }
    if (m_family.isEmpty() || !QFontMetrics(QFont(m_family)).inFontUcs4(uint(character)))
        return std::nullopt;
    return Fonts::textGlyphPattern(m_family, m_dotSize, m_threshold, character);
}

QVariant GlyphModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    const Entry &entry = m_entries.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return entry.text;
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole:
        if (entry.character)
            return tr("%1 (U+%2)")
                .arg(entry.text,
                     QString::number(uint(entry.character), 16).toUpper().rightJustified(4, u'0'));
        return tr("Glyph %1").arg(entry.text);
    case Qt::DecorationRole:
        return PatternPicture::draw(pattern(index.row()), ThumbnailDotSize);
    case PatternRole:
        return QVariant::fromValue(pattern(index.row()).bits());
    default:
        return {};
    }
}
