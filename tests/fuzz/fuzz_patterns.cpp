// Text pasted from anywhere and library files from anywhere: every text format's reader and the
// .glyphs reader take input nobody vouches for. Whatever a reader accepts must write back and
// read again to the same thing; whatever it refuses must come with a reason.

#include "patternlibrary.h"
#include "textformats.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// A broken rule aborts, so that libFuzzer keeps the input that broke it.
void require(bool holds, const char *rule)
{
    if (holds)
        return;
    std::fprintf(stderr, "a pattern reader broke a rule: %s\n", rule);
    std::abort();
}

void checkText(const QString &text)
{
    const auto detection = TextFormats::detect(text);
    require(detection.formats.isEmpty() != detection.error.isEmpty(),
            "a text is either read as some format or refused with a reason");
    for (TextFormats::Format format : TextFormats::AllFormats) {
        const auto parsed = TextFormats::parse(text, format);
        require(parsed.pattern.has_value() == detection.formats.contains(format),
                "detect names exactly the formats that read the text");
        require(parsed.pattern.has_value() || !parsed.error.isEmpty(), "a refusal has a reason");
        if (!parsed.pattern)
            continue;
        const QString again = TextFormats::write(*parsed.pattern, format);
        require(TextFormats::parse(again, format).pattern == parsed.pattern,
                "what a format reads, it writes back to the same pattern");
    }
    require(!detection.nothingFound || detection.formats.isEmpty(),
            "a text that reads as a format is never one with nothing found");
    if (const auto images = TextFormats::parseImages(text))
        require(images->patterns.size() >= 2, "a block of images holds two or more");
}

void checkLibrary(const QByteArray &json)
{
    QString reason;
    const auto library = PatternLibrary::fromJson(json, &reason);
    require(library.has_value() || !reason.isEmpty(), "a refused file has a reason");
    if (!library)
        return;
    QString again;
    const auto reread = PatternLibrary::fromJson(library->toJson(), &again);
    require(reread.has_value(), "a library read from a file writes back to a readable file");
    // Sections the program does not know are kept as JSON keeps them (a number too large for a
    // double comes back as null), so only the patterns must come back exactly.
    require(reread->patterns.size() == library->patterns.size(), "every pattern comes back");
    for (qsizetype i = 0; i < library->patterns.size(); ++i) {
        require(reread->patterns.at(i).name == library->patterns.at(i).name &&
                    reread->patterns.at(i).pattern == library->patterns.at(i).pattern,
                "each pattern comes back with its name, in its place");
    }
    require(reread->otherSections.keys() == library->otherSections.keys(),
            "every other section comes back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    checkText(QString::fromUtf8(bytes));
    checkLibrary(bytes);
    return 0;
}
