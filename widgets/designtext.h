#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The texts of the program's fixed design: the captions of the main window and of the
// configuration dialog, the two menus the design has, the message boxes' caption and the
// messages the design gives. In English they read exactly as the design has them; the catalogues
// carry them under the context "DesignText", and their translations are kept short enough for
// the design's fixed places.
namespace DesignText {

inline constexpr char MainWindow[] = QT_TRANSLATE_NOOP("DesignText", "8x8 Glyphsmith");
inline constexpr char ConfigWindow[] = QT_TRANSLATE_NOOP("DesignText", "Configure Kaldor88");
inline constexpr char MessageCaption[] = QT_TRANSLATE_NOOP("DesignText", "Kaldor8x8");

inline constexpr char CommunicationMenu[] = QT_TRANSLATE_NOOP("DesignText", "Communication");
inline constexpr char ConfigureMenu[] = QT_TRANSLATE_NOOP("DesignText", "Configure");
inline constexpr char ComItem[] = QT_TRANSLATE_NOOP("DesignText", "COM%1"); // COM1..COM6

// The main window's controls.
inline constexpr char DotMatrix[] = QT_TRANSLATE_NOOP("DesignText", "DOT MATRIX");
inline constexpr char SingleCharacter[] = QT_TRANSLATE_NOOP("DesignText", "Single ASCII Character");
inline constexpr char ShowSingle[] = QT_TRANSLATE_NOOP("DesignText", "Show Single ASCII");
inline constexpr char ClearAll[] = QT_TRANSLATE_NOOP("DesignText", "Clear ALL");
inline constexpr char ScrollingMessage[] = QT_TRANSLATE_NOOP("DesignText", "Scrolling Message");
inline constexpr char Scroll[] = QT_TRANSLATE_NOOP("DesignText", "SCROLL");
inline constexpr char SendDotMatrix[] = QT_TRANSLATE_NOOP("DesignText", "Send Dot Matrix");
inline constexpr char Animate[] = QT_TRANSLATE_NOOP("DesignText", "ANIMATE");
inline constexpr char SpeedLabel[] = QT_TRANSLATE_NOOP("DesignText", "SPEED");
inline constexpr char SetSpeed[] = QT_TRANSLATE_NOOP("DesignText", "Set Speed");
inline constexpr char SaveInPosition[] = QT_TRANSLATE_NOOP("DesignText", "Save in Position");
inline constexpr char ShowCustom[] = QT_TRANSLATE_NOOP("DesignText", "Show Custom Character");
inline constexpr char BuiltInAnimation[] =
    QT_TRANSLATE_NOOP("DesignText", "Show Built-In Animation");
inline constexpr char UpArrow[] = QT_TRANSLATE_NOOP("DesignText", "UP ARROW");
inline constexpr char DownArrow[] = QT_TRANSLATE_NOOP("DesignText", "DOWN ARROW");
inline constexpr char RightArrow[] = QT_TRANSLATE_NOOP("DesignText", "RIGHT ARROW");
inline constexpr char LeftArrow[] = QT_TRANSLATE_NOOP("DesignText", "LEFT ARROW");

// The configuration dialog's controls and list entries.
inline constexpr char CurrentSetting[] = QT_TRANSLATE_NOOP("DesignText", "Current Setting");
inline constexpr char StartUpMode[] = QT_TRANSLATE_NOOP("DesignText", "Start Up Mode");
inline constexpr char ChangeStartupMode[] = QT_TRANSLATE_NOOP("DesignText", "Change Startup Mode");
inline constexpr char Speed[] = QT_TRANSLATE_NOOP("DesignText", "Speed");
inline constexpr char ChangeSpeed[] = QT_TRANSLATE_NOOP("DesignText", "Change Speed");
inline constexpr char StoredMessage[] =
    QT_TRANSLATE_NOOP("DesignText", "Animation/Scrolling Message");
inline constexpr char SaveMessage[] = QT_TRANSLATE_NOOP("DesignText", "Save Message");
inline constexpr char ModeItem[] = QT_TRANSLATE_NOOP("DesignText", "Mode %1"); // Mode 0..Mode 6

// The design's messages.
inline constexpr char PortUnavailable[] =
    QT_TRANSLATE_NOOP("DesignText", "Selected Comm Port Not Available");
inline constexpr char NoModuleFound[] = QT_TRANSLATE_NOOP("DesignText", "No Module Found");
inline constexpr char StartupModeChanged[] =
    QT_TRANSLATE_NOOP("DesignText", "Startup Mode Changed");
inline constexpr char SpeedChanged[] = QT_TRANSLATE_NOOP("DesignText", "Speed Changed");
inline constexpr char MessageSaved[] = QT_TRANSLATE_NOOP("DesignText", "Message Saved");

// The text in the user's language.
inline QString text(const char *designText)
{
    return QCoreApplication::translate("DesignText", designText);
}

// Every one of them, as written.
inline QStringList all()
{
    QStringList texts;
    for (const char *t : {MainWindow,         ConfigWindow,      MessageCaption,
                          CommunicationMenu,  ConfigureMenu,     ComItem,
                          DotMatrix,          SingleCharacter,   ShowSingle,
                          ClearAll,           ScrollingMessage,  Scroll,
                          SendDotMatrix,      Animate,           SpeedLabel,
                          SetSpeed,           SaveInPosition,    ShowCustom,
                          BuiltInAnimation,   UpArrow,           DownArrow,
                          RightArrow,         LeftArrow,         CurrentSetting,
                          StartUpMode,        ChangeStartupMode, Speed,
                          ChangeSpeed,        StoredMessage,     SaveMessage,
                          ModeItem,           PortUnavailable,   NoModuleFound,
                          StartupModeChanged, SpeedChanged,      MessageSaved})
        texts.append(QString::fromLatin1(t));
    return texts;
}

} // namespace DesignText
