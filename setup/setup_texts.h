#pragma once
// Every text the setup background and the setup dialog show, kept together.

// Background window.
inline constexpr char kSetupTitle[] = "SETUP";
inline constexpr char kWelcomeLine[] = "Willkommen zum Setup von:";
inline constexpr char kCreditAuthorText[] = "setup     by QZ";
inline constexpr char kCreditCoAuthorText[] = "powered by XK";
inline constexpr char kCreditAuthorAddress[] = "http://www.dorvanix.example/qz/";
inline constexpr char kCreditCoAuthorAddress[] = "http://www.dorvanix.example/xk/";
// The credit links open their addresses with the program registered for this extension.
inline constexpr char kBrowserExtension[] = "html";

// Setup fonts.
inline constexpr char kSetupFontFace[] = "Arial";

// Dialog page.
inline constexpr char kDateMask[] = "%dd.%mm.%yyyy";
inline constexpr char kProgramPrefix[] = "Programm: ";
inline constexpr char kSetupVersionPrefix[] = "Setup-Version\t\t: ";
inline constexpr char kDatePrefix[] = "Versionsdatum\t\t: ";
inline constexpr char kDateAbsent[] = "Versionsdatum\t\t:";
inline constexpr char kCopyrightPrefix[] = "Copyright ";
inline constexpr char kInstalledVersionPrefix[] = "Installierte Version\t: ";
inline constexpr char kInstalledVersionAbsent[] = "Installierte Version\t: nicht angegeben / installiert";
inline constexpr char kInstallText[] = "installieren";
inline constexpr char kUninstallText[] = "deinstallieren";
inline constexpr char kShortcutText[] = "Desktop Shortcut erstellen";
inline constexpr char kContinueText[] = "Weiter";
inline constexpr char kCancelText[] = "Abbruch";
inline constexpr char kHintText[] = "Bitte eine Option wählen ...";
inline constexpr char kNoPictureText[] = "kein Bild geladen";
inline constexpr char kFallbackPictureText[] = "Setup";
