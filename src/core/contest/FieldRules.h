#pragma once
// The rules every value passes before it enters the log (callsign, date, the two time rules,
// report, province), the Italian texts shown when one fails, and the order in which the two edit
// dialogs apply them. The rules are pure: they read only their arguments.

#include "core/platform/Prompter.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace zelkor {

class ProvinceTable;

// The entry row logs contests as they happen; the edit dialogs also correct old logs, and keep
// the year to four digits.
inline constexpr int kEntryLowestYear = 2005;
inline constexpr int kEditDialogLowestYear = 1920;
inline constexpr int kEditDialogHighestYear = 2099;

// The value of a text: leading white space skipped, an optional sign, then the longest run of
// decimal digits; 0 when no digit follows. A run too long for an int saturates at INT_MAX (or
// INT_MIN), so that a pasted digit string can never wrap round into a valid value.
int ParseLeadingNumber(std::string_view text);

// 3 to 14 characters, starting with "I", then prefix letters (or "/"), at least one digit, and
// at least one letter (or "/") after a digit; nothing else. A text of an accepted length is
// upper-cased in place (a-z only) even when it fails; a text of another length is left as it is.
bool IsValidCallsign(std::string& text);

// "SSB" (exactly) takes 30..59, every other mode 301..599; the report's length is not checked.
bool IsValidReport(std::string_view mode, std::string_view report);

// "dd.mm.yyyy", exactly 10 characters, the parts by value; no highest year means any. Leap years
// are not considered: 29 February passes in every year.
bool IsValidDate(std::string_view text, int lowestYear, std::optional<int> highestYear);

// The main window's time: a 5-character text loses its middle character in place ("14:32" and
// "14.32" become "1432", so that the field shows what is logged), then hours and minutes are
// compared as texts with "00".."23" and "00".."59".
bool CheckEntryTime(std::string& text);

// The edit dialogs' time: exactly 4 characters, hours and minutes by value.
bool IsValidEditTime(std::string_view text);

// Known when the table names it: a code of two capitals with a name, or a longer code of
// capitals whose first two letters are one; a lone letter or a code with any other character
// is unknown.
bool IsKnownProvince(const ProvinceTable& provinces, std::string_view code);

QString WrongTimeText();                   // "Ora errata!"
QString WrongDateText();                   // "Data errata!"
QString WrongCallsignText();               // QSO edit dialog
QString WrongCallsignsText();              // HRD edit dialog: either of its two callsigns
QString WrongReportSentText();             // QSO edit dialog
QString WrongReportReceivedText();         // QSO edit dialog
QString WrongReportText();                 // HRD edit dialog
QString UnknownProvinceQsoQuestionText();  // "... inserirlo ...": one contact
QString UnknownProvinceHrdQuestionText();  // "... inserirli ...": the two heard stations
QString MissingOwnProvinceText();          // Enter in the QSO entry row

// The values of the "Modifica di un QSO" dialog when "Salva" is pressed.
struct QsoEditValues {
    std::string date;
    std::string time;
    std::string mode;
    std::string callsign;
    std::string reportSent;
    std::string reportReceived;
    std::string provinceCode;
};

// The values of the "Modifica di un HRD" dialog when "Salva" is pressed.
struct HrdEditValues {
    std::string date;
    std::string time;
    std::string mode;
    std::string callingCallsign;
    std::string answeringCallsign;
    std::string report;
    std::string provinceCode;
};

// The first check the values fail, as the box to show: an error (the dialog stays open), or the
// unknown-province question (buttons YesNo: Yes accepts the values, No keeps the dialog open).
// Nothing when every check passes. The callsigns come back upper-cased.
std::optional<MessageBox> CheckQsoEditDialog(QsoEditValues& values, const ProvinceTable& provinces);
std::optional<MessageBox> CheckHrdEditDialog(HrdEditValues& values, const ProvinceTable& provinces);

}  // namespace zelkor
