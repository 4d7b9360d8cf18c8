#pragma once
// What the free-text entry fields let the operator type or paste, so that no field can hold a
// character the log file uses as a separator ('^') or that no rule could accept. The widgets wrap
// these functions in their validators; the rules of FieldRules still run on what the fields hold.

#include <optional>
#include <string>
#include <string_view>

namespace zelkor {

// The kinds of free-text field; a second callsign or province code field is of the same kind as
// the first. Band and mode are drop-down lists and take no text.
enum class FieldKind { Date, Time, Callsign, Report, ProvinceCode };

// The main window's entry row is tighter than the edit dialogs in two places: its callsign field
// is one character short of the longest valid callsign, and its time field takes "hh:mm". The
// answering station's fields of an SWL entry have no such quirk: field 1009 takes the longest
// valid callsign.
enum class FieldPlace { MainWindow, MainWindowAnswering, EditDialog };

// The most characters a field of this kind takes when typed at this place; a text the program
// sets may be longer.
int MaxLength(FieldKind kind, FieldPlace place);

// The text the field holds after text is typed or pasted to make it, or nothing when the field
// refuses it. Callsign and province-code letters become capitals; dates take digits and '.',
// times digits, ':' and '.', callsigns capitals, digits and '/', reports digits, province codes
// letters. An empty text is always taken, so that a field can be cleared.
std::optional<std::string> FilterTypedText(FieldKind kind, FieldPlace place, std::string_view text);

// Whether the field can hold this text as it is: a lower-case callsign cannot, since the field
// would show it in capitals.
bool IsAcceptedText(FieldKind kind, FieldPlace place, std::string_view text);

}  // namespace zelkor
