#pragma once

#include "builtinanimation.h"
#include "protocol.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <chrono>
#include <functional>
#include <optional>

// What the module keeps when its power is off: the power-up settings that the configuration
// dialog reads and changes, and the ten custom characters.
struct StoredState
{
    quint8 startupMode = Protocol::NOT_STORED;
    quint8 speedCode = Protocol::NOT_STORED;
    std::optional<QByteArray> message;
    std::array<Pattern, Protocol::CustomCharacterCount> custom{};

    friend bool operator==(const StoredState &, const StoredState &) = default;
};

// The display module without its serial line or its LEDs: takes one whole message at a time,
// changes what it shows and what it stores, and says what it answers.
class Module
{
public:
    // Time from one animation step to the next for each speed code, in SpeedCode order.
    static constexpr std::array StepIntervalsMs = {200, 150, 100, 60};
    static_assert(StepIntervalsMs.size() == Protocol::SpeedCode.size());

    struct Response
    {
        // Bytes to send back; empty for the commands the module does not answer, and for a
        // refused message.
        QByteArray reply;
        // Why the message had no effect; empty when it was carried out.
        QString refusal;
    };

    explicit Module(const StoredState &stored = {});

    Response handle(const QByteArray &message);

    // The answer to CMD_READ_SETTINGS: mode, speed code, message length, message bytes.
    QByteArray settingsRecord() const;
    const StoredState &stored() const { return m_stored; }

    const Pattern &display() const { return m_animation.frame(); }
    const Animation &animation() const { return m_animation; }
    bool isMoving() const { return m_animation.isMoving(); }
    void step() { m_animation.step(); }

    // The speed that scrolling, animated text and arrows run at: the stored speed from power-up
    // until CMD_SET_SPEED changes it.
    quint8 speedCode() const { return m_speedCode; }
    std::chrono::milliseconds stepInterval() const;

    // A module that answers REPLY_NAK to every setting it would otherwise have stored, and
    // stores nothing.
    void setRefusingSettings(bool refusing) { m_refusingSettings = refusing; }

private:
    Response storeSetting(const std::function<void()> &store);

    StoredState m_stored;
    Animation m_animation;
    quint8 m_speedCode;
    bool m_refusingSettings = false;
};
