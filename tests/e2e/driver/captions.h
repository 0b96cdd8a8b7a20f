// The captions by which the driver finds the program's dialogs, exactly as the program shows them.
#pragma once

namespace veltrano::e2e {

inline constexpr char kMainCaption[] = "   VELTRANO DI FILES";

inline constexpr char kFindReplaceCaption[] = "   VELTRANO - Trova e sostituisci";
inline constexpr char kAddAtStartCaption[] = "  VELTRANO - Aggiungi qualcosa all'inizio";
inline constexpr char kAddAtEndCaption[] = "   VELTRANO - Aggiungi qualcosa alla fine";
inline constexpr char kDeleteFirstCharsCaption[] = "  VELTRANO - Elimina i primi tot caratteri";
inline constexpr char kTitleCaseCaption[] = "VELTRANO - Tutte Le Iniziali Maiuscole";
inline constexpr char kSpaceToUnderscoreCaption[] =
    "  VELTRANO - Sostituisci spazi con underescore (_)";
inline constexpr char kUnderscoreToSpaceCaption[] =
    "  VELTRANO - Sostituisci underescore (_) con spazi";
inline constexpr char kNormalTextCaption[] = "   VELTRANO - Testo normale";
inline constexpr char kUpperCaseCaption[] = "VELTRANO - TUTTE MAIUSCOLE";
inline constexpr char kLowerCaseCaption[] = "   VELTRANO - tutte minuscole";
inline constexpr char kRenumberCaption[] = "   VELTRANO - Cambia la numerazione";

}  // namespace veltrano::e2e
