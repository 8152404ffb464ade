#pragma once
// Every text the installer itself shows, grouped by screen (code page 1252 once compiled).

// Description handed to the setup dialog.
inline constexpr char kDescriptionLine1[] = "UserLibrary für die Windowsversion von PureBasic.\r";
inline constexpr char kDescriptionLine2[] = "PB-Versionen: 4.00, 4.01, 4.02, 4.10\r\r";
inline constexpr char kDescriptionLine3[] = "Die Library ist Windows Vista tauglich.";

// Folder selection.
inline constexpr char kFolderRequestTitle[] =
    "Wählen Sie einen Pfad aus, angezeigt wird der gefundene Pfad zur aktuell aktiven Version von PureBasic";
inline constexpr char kFolderCancelledTitle[] = "Abbruch";
inline constexpr char kFolderCancelledText[] = "falscher Pfad - bitte wiederholen";

// Host check.
inline constexpr char kHostProgramName[] = "purebasic.exe";
inline constexpr char kNoHostTitle[] = "Achtung";
inline constexpr char kNoHostText[] =
    "Im angegebenen Pfad befindet sich keine PureBasic.exe.\rMöglicherweise wird die Installation unvollständig "
    "ausgeführt.";
inline constexpr char kHostFolderLibraries[] = "PureLibraries";
inline constexpr char kHostFolderUserLibraries[] = "PureLibraries\\UserLibraries";

// Log file only: an installation that was cancelled, a record that could not be written.
inline constexpr char kCancelledText[] = "Installation abgebrochen.";
inline constexpr char kRecordNotWrittenText[] =
    "Der Installationseintrag in der Registry konnte nicht geschrieben werden.";

// Progress window.
inline constexpr char kProgressTitle[] = "Fortschritt ...";
inline constexpr char kFinishButton[] = "Fertig";

// Install log. Every line after the opening carries the carriage return that ends the line before it.
inline constexpr char kLogOpening[] = "Starte die Installation ...\r";
inline constexpr char kLogFolderExamples[] = "\rDirectory <Examples> erstellt";
inline constexpr char kLogFolderQZLibs[] = "\rDirectory <Examples\\QZLibs> erstellt";
inline constexpr char kLogFolderPictures[] = "\rDirectory <Examples\\QZLibs\\Bilder> erstellt";
inline constexpr char kLogVerdictSuccess[] = "\r\rInstallation erfolgreich abgeschlossen";
inline constexpr char kLogVerdictErrors[] = "\r\rInstallation mit Fehlern beendet";
inline constexpr char kLogEmptyLine[] = "\r";
inline constexpr char kLogRestartAttempt[] = "\rEs wird versucht, den Compiler neu zu starten ...";
inline constexpr const char* kLogClosingLines[] = {
    "\rSollte die Library nicht eingebunden worden sein,",
    "\rweil der Compiler nicht neu gestartet werden konnte,",
    "\rso starten Sie bitte neu um die Library und deren",
    "\rHilfe einzubinden.",
};
