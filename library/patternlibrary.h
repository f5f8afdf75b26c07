#pragma once

#include "animation.h"
#include "pattern.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <array>
#include <optional>

struct NamedPattern
{
    QString name;
    Pattern pattern;
    // Fields of the file's entry that this version does not know, written back as they were.
    QJsonObject otherFields;

    friend bool operator==(const NamedPattern &, const NamedPattern &) = default;
};

// The module's ten custom characters as a library file keeps them: slot n is position n.
struct CharacterBankSection
{
    std::array<Pattern, Protocol::CustomCharacterCount> patterns{};
    // Fields of the section that this version does not know, written back as they were.
    QJsonObject otherFields;

    friend bool operator==(const CharacterBankSection &, const CharacterBankSection &) = default;
};

// A .glyphs pattern library: one JSON object with the format's name, its version, the list of
// named patterns, each kept as its module bytes, the named animations, each a list of frames
// with their module bytes and durations in milliseconds, and the character bank where there is
// one. Sections and fields that this version does not know are kept and written back
// unchanged. Only a higher format version is refused: a newer program writes one
// when an older program would misread the file.
class PatternLibrary
{
public:
    static constexpr int FormatVersion = 1;
    static constexpr qint64 MaxFileSize = qint64(32) * 1024 * 1024;
    static constexpr char FormatName[] = "glyphsmith-library";
    static constexpr char FileSuffix[] = "glyphs";

    QList<NamedPattern> patterns;
    // Written only when there are any, so that a library without animations reads as before.
    QList<Animation> animations;
    // Files written before the bank was kept have none.
    std::optional<CharacterBankSection> characterBank;
    QJsonObject otherSections;

    // A library from a file, or nothing and a message that names the file and the reason.
    static std::optional<PatternLibrary> read(const QString &path, QString *error);
    // `reason` says what is wrong with the text, as the end of a sentence.
    static std::optional<PatternLibrary> fromJson(const QByteArray &json, QString *reason);
    QByteArray toJson() const;
    // Replaces the file at once or not at all: a failed write leaves the old file as it was.
    bool write(const QString &path, QString *error) const;
    // Why writing `path` failed, `reason` being the system's word for it: a folder that takes
    // no new file is named as the cause.
    static QString saveFailure(const QString &path, const QString &reason);

    // Why `name` cannot name the pattern at `index` (-1: a new one): empty, or another's name.
    QString nameProblem(const QString &name, int index = -1) const;
    // The same for an animation's name.
    QString animationNameProblem(const QString &name, int index = -1) const;
    // "Pattern 1", "Pattern 2", ...: the first such name no pattern has.
    QString unusedName() const;

    friend bool operator==(const PatternLibrary &, const PatternLibrary &) = default;

private:
    static bool readAnimations(const QJsonValue &section, PatternLibrary &library, QString *reason);
};

// The module bytes as a library file keeps them: "10 00 00 00 00 00 00 00". Reading takes the
// sixteen hex digits with or without the spaces.
QString bytesText(const Pattern &pattern);
std::optional<Pattern> patternFromBytesText(const QString &text);
