#include "starterset.h"

#include "textformats.h"
#include "transforms.h"

#include <QCoreApplication>

namespace {

struct Drawing
{
    const char *name;
    const char *art;
};

// Drawn as text art; the digits stand in a 5 x 7 box with a dark column and row to spare.
constexpr Drawing Drawings[] = {
    {QT_TRANSLATE_NOOP("StarterSet", "Digit 0"), "..###...\n.#...#..\n.#..##..\n.#.#.#..\n"
                                                 ".##..#..\n.#...#..\n..###...\n........"},
    {QT_TRANSLATE_NOOP("StarterSet", "Digit 1"), "...#....\n..##....\n...#....\n...#....\n"
                                                 "...#....\n...#....\n..###...\n........"},
    {QT_TRANSLATE_NOOP("StarterSet", "Digit 2"), "..###...\n.#...#..\n.....#..\n....#...\n"
                                                 "...#....\n..#.....\n.#####..\n........"},
    {QT_TRANSLATE_NOOP("StarterSet", "Digit 3"), ".#####..\n....#...\n...#....\n....#...\n"
                                                 ".....#..\n.#...#..\n..###...\n........"},
    {QT_TRANSLATE_NOOP("StarterSet", "Digit 4"), "....#...\n...##...\n..#.#...\n.#..#...\n"
                                                 ".#####..\n....#...\n....#...\n........"},
    {QT_TRANSLATE_NOOP("StarterSet", "Digit 5"), ".#####..\n.#......\n.####...\n.....#..\n"
                                                 ".....#..\n.#...#..\n..###...\n........"},
    {QT_TRANSLATE_NOOP("StarterSet", "Digit 6"), "...##...\n..#.....\n.#......\n.####...\n"
                                                 ".#...#..\n.#...#..\n..###...\n........"},
    {QT_TRANSLATE_NOOP("StarterSet", "Digit 7"), ".#####..\n.....#..\n....#...\n...#....\n"
                                                 "..#.....\n..#.....\n..#.....\n........"},
    {QT_TRANSLATE_NOOP("StarterSet", "Digit 8"), "..###...\n.#...#..\n.#...#..\n..###...\n"
                                                 ".#...#..\n.#...#..\n..###...\n........"},
    {QT_TRANSLATE_NOOP("StarterSet", "Digit 9"), "..###...\n.#...#..\n.#...#..\n..####..\n"
                                                 ".....#..\n....#...\n..##....\n........"},
    {QT_TRANSLATE_NOOP("StarterSet", "Arrow up"), "...##...\n..####..\n.######.\n########\n"
                                                  "...##...\n...##...\n...##...\n...##..."},
    {QT_TRANSLATE_NOOP("StarterSet", "Heart"), ".##..##.\n########\n########\n########\n"
                                               ".######.\n..####..\n...##...\n........"},
    {QT_TRANSLATE_NOOP("StarterSet", "Heart outline"), ".##..##.\n#..##..#\n#......#\n#......#\n"
                                                       ".#....#.\n..#..#..\n...##...\n........"},
    {QT_TRANSLATE_NOOP("StarterSet", "Smiling face"), "..####..\n.#....#.\n#.#..#.#\n#......#\n"
                                                      "#.#..#.#\n#..##..#\n.#....#.\n..####.."},
    {QT_TRANSLATE_NOOP("StarterSet", "Sad face"), "..####..\n.#....#.\n#.#..#.#\n#......#\n"
                                                  "#..##..#\n#.#..#.#\n.#....#.\n..####.."},
    {QT_TRANSLATE_NOOP("StarterSet", "Check mark"), "........\n.......#\n......#.\n.....#..\n"
                                                    "#...#...\n.#.#....\n..#.....\n........"},
    {QT_TRANSLATE_NOOP("StarterSet", "Cross"), "#......#\n.#....#.\n..#..#..\n...##...\n"
                                               "...##...\n..#..#..\n.#....#.\n#......#"},
    {QT_TRANSLATE_NOOP("StarterSet", "Note"), "....##..\n....#.#.\n....#..#\n....#...\n"
                                              "..###...\n.####...\n..##....\n........"},
    {QT_TRANSLATE_NOOP("StarterSet", "Frame"), "########\n#......#\n#......#\n#......#\n"
                                               "#......#\n#......#\n#......#\n########"},
    {QT_TRANSLATE_NOOP("StarterSet", "Checkerboard"), "#.#.#.#.\n.#.#.#.#\n#.#.#.#.\n.#.#.#.#\n"
                                                      "#.#.#.#.\n.#.#.#.#\n#.#.#.#.\n.#.#.#.#"},
};

// The other three arrows are the first one turned and mirrored.
struct Derived
{
    const char *name;
    const char *from;
    Transform transform;
};

constexpr Derived DerivedDrawings[] = {
    {QT_TRANSLATE_NOOP("StarterSet", "Arrow down"), "Arrow up", Transform::MirrorTopBottom},
    {QT_TRANSLATE_NOOP("StarterSet", "Arrow right"), "Arrow up", Transform::RotateClockwise},
    {QT_TRANSLATE_NOOP("StarterSet", "Arrow left"), "Arrow up", Transform::RotateAnticlockwise},
};

QString translated(const char *name)
{
    return QCoreApplication::translate("StarterSet", name);
}

} // namespace

PatternLibrary starterSet()
{
    PatternLibrary library;
    for (const Drawing &drawing : Drawings) {
        const auto parsed =
            TextFormats::parse(QLatin1String(drawing.art), TextFormats::Format::TextArt);
        Q_ASSERT(parsed.pattern);
        const Pattern base = parsed.pattern.value_or(Pattern());
        library.patterns.append({translated(drawing.name), base, {}});
        for (const Derived &derived : DerivedDrawings) {
            if (qstrcmp(derived.from, drawing.name) == 0)
                library.patterns.append(
                    {translated(derived.name), transformed(base, derived.transform), {}});
        }
    }
    return library;
}
