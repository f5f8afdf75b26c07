#pragma once

#include <QString>
#include <QStringList>

// The texts of the program's fixed design: the captions of the main window and of the
// configuration dialog, the two menus the design has, the message boxes' caption and the
// messages the design gives. The design fixes them exactly as they are, so they read the same
// in every language: none of them passes through tr(), lupdate never sees them and no catalogue
// carries them. Everything the program added around them (the Edit, Pattern and Help menus, the
// other windows, the detail lines under a message, tooltips) is translated as usual.
namespace DesignText {

inline constexpr char MainWindow[] = "8x8 Glyphsmith";
inline constexpr char ConfigWindow[] = "Configure Kaldor88";
inline constexpr char MessageCaption[] = "Kaldor8x8";

inline constexpr char CommunicationMenu[] = "Communication";
inline constexpr char ConfigureMenu[] = "Configure";
inline constexpr char ComItem[] = "COM%1"; // COM1..COM6

// The main window's controls.
inline constexpr char DotMatrix[] = "DOT MATRIX";
inline constexpr char SingleCharacter[] = "Single ASCII Character";
inline constexpr char ShowSingle[] = "Show Single ASCII";
inline constexpr char ClearAll[] = "Clear ALL";
inline constexpr char ScrollingMessage[] = "Scrolling Message";
inline constexpr char Scroll[] = "SCROLL";
inline constexpr char SendDotMatrix[] = "Send Dot Matrix";
inline constexpr char Animate[] = "ANIMATE";
inline constexpr char SpeedLabel[] = "SPEED";
inline constexpr char SetSpeed[] = "Set Speed";
inline constexpr char SaveInPosition[] = "Save in Position";
inline constexpr char ShowCustom[] = "Show Custom Character";
inline constexpr char BuiltInAnimation[] = "Show Built-In Animation";
inline constexpr char UpArrow[] = "UP ARROW";
inline constexpr char DownArrow[] = "DOWN ARROW";
inline constexpr char RightArrow[] = "RIGHT ARROW";
inline constexpr char LeftArrow[] = "LEFT ARROW";

// The configuration dialog's controls and list entries.
inline constexpr char CurrentSetting[] = "Current Setting";
inline constexpr char StartUpMode[] = "Start Up Mode";
inline constexpr char ChangeStartupMode[] = "Change Startup Mode";
inline constexpr char Speed[] = "Speed";
inline constexpr char ChangeSpeed[] = "Change Speed";
inline constexpr char StoredMessage[] = "Animation/Scrolling Message";
inline constexpr char SaveMessage[] = "Save Message";
inline constexpr char ModeItem[] = "Mode %1"; // Mode 0..Mode 6

// The design's messages.
inline constexpr char PortUnavailable[] = "Selected Comm Port Not Available";
inline constexpr char NoModuleFound[] = "No Module Found";
inline constexpr char StartupModeChanged[] = "Startup Mode Changed";
inline constexpr char SpeedChanged[] = "Speed Changed";
inline constexpr char MessageSaved[] = "Message Saved";

inline QString text(const char *designText)
{
    return QString::fromLatin1(designText);
}

// Every one of them, for the checks that they stay out of the catalogues and read as they are.
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
        texts.append(text(t));
    return texts;
}

} // namespace DesignText
