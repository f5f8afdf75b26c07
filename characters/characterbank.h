#pragma once

#include "pattern.h"

#include <QString>

#include <array>
#include <optional>

// The module's ten custom characters as this program keeps them: the pattern meant for each
// position, and the pattern it last uploaded there. The module cannot be read back, so what it
// holds is only ever what this program sent.
class CharacterBank
{
public:
    static constexpr int Slots = Protocol::CustomCharacterCount;

    enum class Mark { NeverUploaded, Changed, Uploaded };

    struct Slot
    {
        Pattern pattern{};
        std::optional<Pattern> uploaded;

        Mark mark() const;
        friend bool operator==(const Slot &, const Slot &) = default;
    };

    const Slot &slot(int position) const { return m_slots.at(size_t(position)); }
    void setPattern(int position, const Pattern &pattern);
    // `pattern` went to the module at `position`.
    void markUploaded(int position, const Pattern &pattern);
    // Every slot whose pattern differs from what was uploaded, or that never was.
    QList<int> pendingPositions() const;

    // Per device, in the settings group "CharacterBank": what each device's module was sent.
    // The device is the path or network endpoint a COM number stands for.
    static CharacterBank load(const QString &device);
    // False when the settings store could not be written.
    bool save(const QString &device) const;

    friend bool operator==(const CharacterBank &, const CharacterBank &) = default;

private:
    std::array<Slot, Slots> m_slots{};
};
