#pragma once
// Every key of the settings store with its section and default.

#include "core/settings/SettingsStore.h"

namespace zelkor::keys {

inline constexpr const char* kParametri = "Parametri";
inline constexpr const char* kDatiRiassuntivi = "Dati riassuntivi";

inline constexpr SettingKey kBand{kParametri, "Banda"};
inline constexpr SettingKey kMode{kParametri, "Modo"};
inline constexpr SettingKey kScore{kParametri, "Punteggio"};
inline constexpr SettingKey kOpenLogPath{kParametri, "Path log aperto"};
inline constexpr SettingKey kOpenLogName{kParametri, "Nome log aperto"};
inline constexpr SettingKey kModified{kParametri, "Modificato"};
// The working file that the three keys above describe: program folders that share one settings
// store each have their own working file.
inline constexpr SettingKey kOpenLogWorkingFile{kParametri, "File di lavoro log aperto"};
inline constexpr SettingKey kSwlExportByBand{kParametri, "File SWL ordinati banda"};
inline constexpr SettingKey kBackgroundColour{kParametri, "Colore sfondo"};
inline constexpr SettingKey kTextColour{kParametri, "Colore testo"};

inline constexpr SettingKey kCallsign{kDatiRiassuntivi, "Nominativo"};
inline constexpr SettingKey kProvince{kDatiRiassuntivi, "Provincia"};
inline constexpr SettingKey kSection{kDatiRiassuntivi, "Sezione"};
inline constexpr SettingKey kName{kDatiRiassuntivi, "Nome"};
inline constexpr SettingKey kOperators{kDatiRiassuntivi, "Operatori"};
inline constexpr SettingKey kCategory{kDatiRiassuntivi, "Categoria"};
inline constexpr SettingKey kAddress1{kDatiRiassuntivi, "Indirizzo riga 1"};
inline constexpr SettingKey kAddress2{kDatiRiassuntivi, "Indirizzo riga 2"};
inline constexpr SettingKey kAddress3{kDatiRiassuntivi, "Indirizzo riga 3"};
inline constexpr SettingKey kComment1{kDatiRiassuntivi, "Commento riga 1"};
inline constexpr SettingKey kComment2{kDatiRiassuntivi, "Commento riga 2"};

inline constexpr const char* kRecentFileList = "Recent File List";

// The radio link, a group of its own.
inline constexpr const char* kRadio = "Radio";
inline constexpr SettingKey kRadioFollow{kRadio, "Segui"};
inline constexpr SettingKey kRadioModel{kRadio, "Modello"};
inline constexpr SettingKey kRadioPort{kRadio, "Porta"};
inline constexpr SettingKey kRadioSpeed{kRadio, "Velocita"};

inline constexpr const char* kDefaultBand = "7";
inline constexpr const char* kDefaultMode = "SSB";
inline constexpr const char* kDefaultCategory = "SOP";
// Colours are 0x00BBGGRR: red 224, green 96, blue 32 on white text.
inline constexpr int kDefaultBackgroundColour = 0x2060E0;
inline constexpr int kDefaultTextColour = 0xFFFFFF;

}  // namespace zelkor::keys
