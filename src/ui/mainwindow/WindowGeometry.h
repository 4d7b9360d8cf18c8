#pragma once
// Where the main window's boxes and entry-row controls sit, in pixels. The window has a fixed
// size, so the controls keep fixed places; only the SWL layout moves the received report.

#include <QRect>

namespace zelkor::geometry {

// Boxes, in window coordinates below the menu bar.
inline constexpr QRect kLogBox{7, 24, 678, 198};
inline constexpr QRect kPreviousContactsBox{7, 224, 432, 124};
inline constexpr QRect kMatrixBox{443, 224, 242, 124};
inline constexpr QRect kEntryBox{7, 350, 678, 96};

// Inside the entry box: a row of headings over two lines of fields. The second line holds the
// answering station of an SWL entry, and the check boxes under the date and time.
inline constexpr int kLabelTop = 18;
inline constexpr int kLabelHeight = 15;
inline constexpr int kFirstLineTop = 35;
inline constexpr int kSecondLineTop = 63;
inline constexpr int kLineHeight = 22;

// Left edge and width of each column of the entry row.
struct Column {
    int left;
    int width;
};
inline constexpr Column kDate{10, 76};
inline constexpr Column kTime{90, 42};
inline constexpr Column kBand{136, 50};
inline constexpr Column kMode{190, 70};
inline constexpr Column kCallsign{264, 106};
inline constexpr Column kReportSent{374, 38};
// The received report in a QSO entry; the calling station's indicator in an SWL entry.
inline constexpr Column kReceivedOrCaller{416, 38};
inline constexpr Column kProvinceCode{458, 30};
inline constexpr Column kProvinceName{492, 124};
inline constexpr Column kMultiplierLetter{619, 12};
inline constexpr Column kClearButton{640, 26};

inline constexpr QRect kAutoDateTimeBox{10, kSecondLineTop, 112, kLineHeight};
inline constexpr QRect kPcShowsUtcBox{126, kSecondLineTop, 132, kLineHeight};
// The radio's label right of "pc mostra utc"; in an SWL entry, whose second line is full, on the
// box's top edge at the right, like a second title.
inline constexpr QRect kRadioLabel{262, kSecondLineTop, 370, kLineHeight};
inline constexpr QRect kRadioLabelSwl{436, 0, 230, 15};

inline constexpr QRect FirstLine(Column column)
{
    return {column.left, kFirstLineTop, column.width, kLineHeight};
}

inline constexpr QRect SecondLine(Column column)
{
    return {column.left, kSecondLineTop, column.width, kLineHeight};
}

inline constexpr QRect Heading(Column column)
{
    return {column.left, kLabelTop, column.width, kLabelHeight};
}

}  // namespace zelkor::geometry
