// The program's own texts, in Windows-1252, as every text inside the program.
#pragma once

namespace veltrano::texts {

inline constexpr const char kTooFewFiles[] = "Troppo pochi files da rinominare";
// The caption of the two warnings that end the program: too few files, and a system folder.
inline constexpr const char kAttentionCaption[] = "ATTENZIONE!";
inline constexpr const char kSystemFolder[] =
    "Veltrano non pu\xF2 lavorare nella cartella di Windows\no in quella di sistema:\n"
    "avviarlo nella cartella dei file da rinominare";
inline constexpr const char kPathTooLong[] =
    "Un nome di file\ninclusa la cartella\nsupera il massimo consentito";
inline constexpr const char kPathTooLongCaption[] = "IMPOSSIBILE RINOMINARE";
inline constexpr const char kForbiddenChars[] =
    "I caratteri   \\ / \" : * < > ?   non sono permessi nei nomi di file";
inline constexpr const char kFindEmpty[] = "Il campo Trova non pu\xF2 essere lasciato vuoto";
inline constexpr const char kTooManyToDelete[] = "Troppi caratteri da eliminare";
inline constexpr const char kDeleteClash[] = "Impossibile rinominare: presenza di omonimi";
inline constexpr const char kRenumberClash[] = "Impossibile rinominare: presenza omonimi";
inline constexpr const char kDigitCountTooHigh[] = "Numero di cifre troppo alto";
inline constexpr const char kDigitCountTooLow[] = "Il numero delle cifre \xE8 basso";
inline constexpr const char kWarningTitle[] = "A T T E N Z I O N E  ! ! !";
inline constexpr const char kNoDigits[] = "NON CI SONO FILE CON CIFRE";
inline constexpr const char kPositionDiffers1[] = "LA POSIZIONE DEI NUMERI";
inline constexpr const char kPositionDiffers2[] = "NON E' SEMPRE LA STESSA";
inline constexpr const char kMarkerNoDigits[] = "NOCIFRE";
inline constexpr const char kMarkerPositionDiffers[] = "CIFREKO";
// The caption while "Rinomina" works: "Rinomina in corso: 4.512 di 10.000".
inline constexpr const char kRenameProgress[] = "Rinomina in corso: ";
inline constexpr const char kProgressOf[] = " di ";

}  // namespace veltrano::texts
