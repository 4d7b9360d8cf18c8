#include "core/contest/FieldRules.h"

#include "core/provinces/ProvinceTable.h"
#include "core/text/Text.h"

#include <climits>
#include <utility>

namespace zelkor {
namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsWithin(int value, int lowest, int highest)
{
    return value >= lowest && value <= highest;
}

bool IsTextWithin(std::string_view text, std::string_view lowest, std::string_view highest)
{
    return CompareBytes(text, lowest) >= 0 && CompareBytes(text, highest) <= 0;
}

int DaysIn(int month)
{
    switch (month) {
        case 2:
            return 29;
        case 4:
        case 6:
        case 9:
        case 11:
            return 30;
        default:
            return 31;
    }
}

MessageBox ErrorBox(QString text)
{
    return {QStringLiteral("Errore"), std::move(text), MessageIcon::Stop, MessageButtons::Ok};
}

MessageBox QuestionBox(QString text)
{
    return {QStringLiteral("Domanda"), std::move(text), MessageIcon::Question,
            MessageButtons::YesNo};
}

}  // namespace

int ParseLeadingNumber(std::string_view text)
{
    std::size_t position = 0;
    while (position < text.size() && IsBlank(text[position])) {
        ++position;
    }
    bool negative = false;
    if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
        negative = text[position] == '-';
        ++position;
    }
    // Accumulated as a negative number, whose range reaches INT_MIN.
    int value = 0;
    for (; position < text.size() && IsDigit(text[position]); ++position) {
        const int digit = text[position] - '0';
        if (value < (INT_MIN + digit) / 10) {
            value = INT_MIN;
        } else {
            value = value * 10 - digit;
        }
    }
    if (negative) {
        return value;
    }
    return value == INT_MIN ? INT_MAX : -value;
}

bool IsValidCallsign(std::string& text)
{
    if (text.size() < 3 || text.size() > 14) {
        return false;
    }
    ToUpperAscii(text);
    if (text.front() != 'I') {
        return false;
    }
    bool prefixSeen = false;
    bool digitSeen = false;
    bool suffixSeen = false;
    for (const char c : text) {
        if (IsDigit(c)) {
            digitSeen = true;
        } else if (IsUpperAsciiLetter(c) || c == '/') {
            (digitSeen ? suffixSeen : prefixSeen) = true;
        } else {
            return false;
        }
    }
    return prefixSeen && digitSeen && suffixSeen;
}

bool IsValidReport(std::string_view mode, std::string_view report)
{
    const int value = ParseLeadingNumber(report);
    return mode == "SSB" ? IsWithin(value, 30, 59) : IsWithin(value, 301, 599);
}

bool IsValidDate(std::string_view text, int lowestYear, std::optional<int> highestYear)
{
    if (text.size() != 10 || text[2] != '.' || text[5] != '.') {
        return false;
    }
    const int day = ParseLeadingNumber(text.substr(0, 2));
    const int month = ParseLeadingNumber(text.substr(3, 2));
    const int year = ParseLeadingNumber(text.substr(6, 4));
    if (!IsWithin(month, 1, 12) || !IsWithin(day, 1, DaysIn(month))) {
        return false;
    }
    return year >= lowestYear && (!highestYear || year <= *highestYear);
}

bool CheckEntryTime(std::string& text)
{
    if (text.size() == 5) {
        text = text.substr(0, 2) + text.substr(3, 2);
    }
    if (text.size() != 4) {
        return false;
    }
    const std::string_view view = text;
    return IsTextWithin(view.substr(0, 2), "00", "23") &&
           IsTextWithin(view.substr(2, 2), "00", "59");
}

bool IsValidEditTime(std::string_view text)
{
    if (text.size() != 4) {
        return false;
    }
    return IsWithin(ParseLeadingNumber(text.substr(0, 2)), 0, 23) &&
           IsWithin(ParseLeadingNumber(text.substr(2, 2)), 0, 59);
}

bool IsKnownProvince(const ProvinceTable& provinces, std::string_view code)
{
    // Known exactly when the table has a name for it, so that the dialogs agree with the loader
    // and the exports, which look up a longer code of capitals ("MIL") by its first two letters.
    return !provinces.ProvinceNameOf(code).empty();
}

QString WrongTimeText()
{
    return QStringLiteral("Ora errata!");
}

QString WrongDateText()
{
    return QStringLiteral("Data errata!");
}

QString WrongCallsignText()
{
    return QStringLiteral("Nominativo errato");
}

QString WrongCallsignsText()
{
    return QStringLiteral("Errore nei nominativi.");
}

QString WrongReportSentText()
{
    return QStringLiteral("RST trasmesso (o modo) errato!");
}

QString WrongReportReceivedText()
{
    return QStringLiteral("RST ricevuto (o modo) errato!");
}

QString WrongReportText()
{
    return QStringLiteral("RST (o modo) errato!");
}

QString UnknownProvinceQsoQuestionText()
{
    return QStringLiteral("ATTENZIONE! Sigla provincia sconosciuta.\n\nVuoi inserirlo ugualmente?");
}

QString UnknownProvinceHrdQuestionText()
{
    return QStringLiteral("ATTENZIONE! Sigla provincia sconosciuta.\n\nVuoi inserirli ugualmente?");
}

QString MissingOwnProvinceText()
{
    return QStringLiteral("ATTENZIONE!\nSpecificare il codice della propria provincia");
}

std::optional<MessageBox> CheckQsoEditDialog(QsoEditValues& values, const ProvinceTable& provinces)
{
    if (!IsValidCallsign(values.callsign)) {
        return ErrorBox(WrongCallsignText());
    }
    if (!IsValidDate(values.date, kEditDialogLowestYear, kEditDialogHighestYear)) {
        return ErrorBox(WrongDateText());
    }
    if (!IsValidEditTime(values.time)) {
        return ErrorBox(WrongTimeText());
    }
    if (!IsValidReport(values.mode, values.reportSent)) {
        return ErrorBox(WrongReportSentText());
    }
    if (!IsValidReport(values.mode, values.reportReceived)) {
        return ErrorBox(WrongReportReceivedText());
    }
    if (!IsKnownProvince(provinces, values.provinceCode)) {
        return QuestionBox(UnknownProvinceQsoQuestionText());
    }
    return std::nullopt;
}

std::optional<MessageBox> CheckHrdEditDialog(HrdEditValues& values, const ProvinceTable& provinces)
{
    // Both are upper-cased even when the first fails, so the dialog always gets back capitals.
    const bool callingValid = IsValidCallsign(values.callingCallsign);
    const bool answeringValid = IsValidCallsign(values.answeringCallsign);
    if (!callingValid || !answeringValid) {
        return ErrorBox(WrongCallsignsText());
    }
    if (!IsValidDate(values.date, kEditDialogLowestYear, kEditDialogHighestYear)) {
        return ErrorBox(WrongDateText());
    }
    if (!IsValidEditTime(values.time)) {
        return ErrorBox(WrongTimeText());
    }
    if (!IsValidReport(values.mode, values.report)) {
        return ErrorBox(WrongReportText());
    }
    if (!IsKnownProvince(provinces, values.provinceCode)) {
        return QuestionBox(UnknownProvinceHrdQuestionText());
    }
    return std::nullopt;
}

}  // namespace zelkor
