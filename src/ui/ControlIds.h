#pragma once
// The ids of the windows' controls. A control's object name is its id in decimal ("1004"), by
// which the tests and any automation find it; code names the id, never the number.

#include "core/worked/IndicatorMatrices.h"

#include <QString>

namespace zelkor {

// The menu items' command ids: Command of the main menu (mainwindow/MainMenu.h).
enum class Command : int;

enum class ControlId : int {
    // The buttons that close a dialog: "Salva" or "Chiudi", and "Annulla".
    OkButton = 1,
    CancelButton = 2,

    // The main window's entry row, named as its EntryField; the edit dialogs' fields share them.
    Date = 1000,
    Time = 1001,
    Callsign = 1004,
    ReportSent = 1005,
    ReportReceived = 1006,
    ProvinceCode = 1007,
    ProvinceName = 1008,
    AnsweringCallsign = 1009,
    AnsweringProvinceCode = 1011,
    Mode = 1014,
    Band = 1015,
    AnsweringProvinceName = 1017,
    // The "RST rx" heading, hidden in an SWL log.
    ReportReceivedHeading = 1091,
    AutoDateTime = 1035,
    PcShowsUtc = 1082,
    // The "C" button carries the id of the command it runs, Command::ClearEntryRow.
    ClearButton = 1103,

    // The lists of the main window.
    LogList = 1012,
    PreviousContacts = 1013,

    // The signs and indicators beside the entry row: DUP and MOLT of a QSO entry, the headings
    // of the two matrices, the single letters of an SWL entry ("CH", three "RI", two "MO").
    DupSign = 1053,
    NewMultiplierSign = 1081,
    ProvinceMatrixHeading = 1092,
    SecondMatrixHeading = 1093,
    CallerLetter = 1083,
    FirstAnswerLetter = 1084,
    SecondAnswerLetter = 1086,
    ThirdAnswerLetter = 1088,
    FirstMultiplierLetter = 1089,
    SecondMultiplierLetter = 1090,
    // The twelve matrix buttons follow in the order of IndicatorMatrices::ButtonIndex.
    FirstMatrixButton = IndicatorMatrices::kFirstButtonId,

    // The one report ("RST") of the HRD edit dialog; its other fields carry the entry row's ids.
    Report = 1095,

    // The "Controllo parziale" window: the line saying what was searched, and the list of
    // callsigns found.
    PartialCheckStatus = 1110,
    PartialCheckList = 1111,
    // The radio: its label in the entry box, and the "Collegamento radio" window.
    RadioLabel = 1120,
    RadioFollow = 1121,
    RadioSearch = 1122,
    RadioModelList = 1123,
    RadioPort = 1124,
    RadioSpeed = 1125,
    RadioTestButton = 1126,
    RadioTestResult = 1127,

    // The instructions window's text and the about box's nine lines, in order.
    InstructionsText = 1056,
    FirstAboutField = 1057,
};

// The button of a matrix at IndicatorMatrices::ButtonIndex.
constexpr ControlId MatrixButton(int buttonIndex)
{
    return static_cast<ControlId>(static_cast<int>(ControlId::FirstMatrixButton) + buttonIndex);
}

// The about box's line at index (0 to kAboutFieldCount - 1).
constexpr ControlId AboutField(int index)
{
    return static_cast<ControlId>(static_cast<int>(ControlId::FirstAboutField) + index);
}

// The object name of a control, and of a menu item's action or a button that runs a command.
inline QString ControlName(ControlId id)
{
    return QString::number(static_cast<int>(id));
}

inline QString ControlName(Command command)
{
    return QString::number(static_cast<int>(command));
}

}  // namespace zelkor
