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
// Pictures drawn whatever the camera sees.
inline constexpr const char* Background = "BG";
inline constexpr const char* Title = "velmora";
inline constexpr const char* CreditsText = "creditsText";
// The quit confirmation's keyboard or gamepad picture.
inline constexpr const char* ConfirmationPicture = "confirmation";
}  // namespace ObjectName

// Levels and screens loaded by name from the level list.
namespace ScreenName {
// The first space of the game: it runs the asset loading pass.
inline constexpr const char* Loading = "loading";
inline constexpr const char* MainMenu = "mainMenu";
inline constexpr const char* Confirmation = "confirmation";
inline constexpr const char* Quit = "quit";
inline constexpr const char* PauseMenu = "pauseMenu";
// The final screen, whose objects are never culled.
inline constexpr const char* FinalScreen = "WinPravineFinal";
}  // namespace ScreenName
