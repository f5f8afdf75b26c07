#pragma once

#include "bitmapfont.h"
#include "fit.h"
#include "protocol.h"

#include <QAbstractListModel>
#include <QTimer>

#include <optional>

// The characters of a font for the picker, each as the module's 8x8 dots: a bitmap font read
// from a file, fitted by scaling or cropping, or an installed font drawn at a size and a
// threshold. Pictures are made when a view asks for them and kept until the font or a setting
// changes, so that moving the threshold redraws only what is on screen.
class GlyphModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role { PatternRole = Qt::UserRole + 1 };
    static constexpr int ThumbnailDotSize = 4;

    explicit GlyphModel(QObject *parent = nullptr);

    void setBitmapFont(const Fonts::BitmapFont &font);
    void setFit(Fonts::Fit fit);
    void setInstalledFont(const QString &family, int dotSize, int thresholdPercent);
    // The picker shows the bitmap font, else the installed one.
    void useBitmapFont(bool use);
    bool usesBitmapFont() const { return m_useBitmap && m_bitmapFont; }
    const std::optional<Fonts::BitmapFont> &bitmapFont() const { return m_bitmapFont; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // What the row stands for, as text.
    QString text(int row) const;
    Pattern pattern(int row) const;
    // The character in the font shown; nothing when it has no glyph for it.
    std::optional<Pattern> patternFor(char32_t character) const;

    // The printable Latin-1 characters of the installed font that come out without a single dot
    // at the size and threshold shown, once blanksFound() has told them.
    QString blankCharacters() const { return m_blanks; }

signals:
    // Every character of the installed font has been drawn at the present size and threshold,
    // a few at a time while the program goes on; `blanks` are those left without a dot.
    void blanksFound(const QString &blanks);

private:
    struct Entry
    {
        QString text;
        char32_t character = 0;
        qsizetype glyph = -1; // in the bitmap font
    };

    void rebuild();
    void redraw();
    // Starts drawing every character of the installed font in the background.
    void startDrawingAll();
    void drawSome();

    std::optional<Fonts::BitmapFont> m_bitmapFont;
    bool m_useBitmap = false;
    Fonts::Fit m_fit = Fonts::Fit::Scale;
    QString m_family;
    int m_dotSize = 8;
    int m_threshold = 50;
    QList<Entry> m_entries;
    mutable QList<std::optional<Pattern>> m_patterns;
    QTimer m_drawing;
    int m_nextToDraw = 0;
    QString m_blanks;
};
