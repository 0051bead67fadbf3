#pragma once

// The names the game's rules look for in its content, each written once. Level makers must
// use them as they stand: lookups are exact and case-sensitive (screens are found without
// regard to case when the stack is searched).

// Objects found by name in a space.
namespace ObjectName {
inline constexpr const char* Player = "velmo";
inline constexpr const char* Camera = "CameraComp";
inline constexpr const char* Goal = "winBear";
inline constexpr const char* BackgroundMusic = "backgroundMusic";
inline constexpr const char* Gauge = "gauge";
inline constexpr const char* Fade = "fade";
// The lose blast: a particle emitter with a sound, under the player at the view's bottom edge.
inline constexpr const char* Blast = "pParticleBlast";
// The explosion every bomb gear of a level plays.
inline constexpr const char* BoomSound = "boomSound";
// Pictures drawn whatever the camera sees.
inline constexpr const char* Background = "BG";
inline constexpr const char* Wordmark = "velmora";
inline constexpr const char* CreditsText = "creditsText";
// The keyboard or gamepad pictures of the confirmations, the how-to-play screen and the first
// levels' pause hint.
inline constexpr const char* ConfirmationPicture = "confirmation";
inline constexpr const char* HowToPlayPicture = "howToPlayText";
inline constexpr const char* PauseHint = "quitPause";
// The splash screens' picture, and the four credit entries of "TeamLevel".
inline constexpr const char* Splash = "Splash";
inline constexpr const char* CreditEntries[] = {"teamCredit1", "teamCredit2", "teamCredit3",
                                                "teamCredit4"};
// The main menu.
inline constexpr const char* MenuTitle = "title";
inline constexpr const char* MenuGear = "menuGear";
inline constexpr const char* BearSound = "BearSound";
// The menus' cursor sound, the level selection's bears and the options' crosses.
inline constexpr const char* MenuButtonSound = "MenuButtonSound";
inline constexpr const char* LevelBears[] = {"levelBear1", "levelBear2", "levelBear3",
                                             "levelBear4"};
inline constexpr const char* FullScreenCross = "fullscreenCross";
inline constexpr const char* MuteMusicCross = "muteMusicCross";
inline constexpr const char* MuteAudioCross = "muteAudioCross";
// The win screens: the set win jingle and the nine rockets of the firework show, three waves of
// three.
inline constexpr const char* WinJingle = "FinalWin";
inline constexpr const char* Fireworks[] = {"firework1", "firework2", "firework3",
                                            "firework4", "firework5", "firework6",
                                            "firework7", "firework8", "firework9"};
}  // namespace ObjectName

// Levels and screens loaded by name from the level list.
namespace ScreenName {
// The first space of the game: it runs the asset loading pass.
inline constexpr const char* Loading = "loading";
inline constexpr const char* SplashScreen = "SplashScreen";
inline constexpr const char* TeamLevel = "TeamLevel";
inline constexpr const char* ControllerScreen = "ControllerScreen";
inline constexpr const char* MainMenu = "mainMenu";
inline constexpr const char* LevelSelect = "levelSelect";
inline constexpr const char* HowToPlay = "howToPlay";
inline constexpr const char* Credits = "credits";
inline constexpr const char* Options = "options";
// The quit confirmation, under either name; the leave-level and clear-save confirmations.
inline constexpr const char* Confirmation = "confirmation";
inline constexpr const char* Quit = "quit";
inline constexpr const char* LeaveLevel = "ConfMenu";
inline constexpr const char* ResetGame = "resetGame";
inline constexpr const char* PauseMenu = "pauseMenu";
// The first playable level, which the main menu's Play opens.
inline constexpr const char* FirstLevel = "levelSelectGear1";
// The first two levels show the pause hint.
inline constexpr const char* SecondLevel = "levelSelectGear2";
// The win screens between the sets of six levels, in the order of the sets, and the first level
// of each set after the first.
inline constexpr const char* SetWinScreens[] = {"set1WinPravine", "set2WinPravine",
                                                "set3WinPravine", "set4WinPravine"};
inline constexpr const char* SetFirstLevels[] = {"levelSelectGear7", "levelSelectGear13",
                                                 "levelSelectGear19"};
// The last level, whose camera turns upwards on its way to the goal.
inline constexpr const char* LastLevel = "levelSelectGear24";
// The final screen, whose objects are never culled.
inline constexpr const char* FinalScreen = "WinPravineFinal";
}  // namespace ScreenName
