#pragma once
// The small images of the worked indicators and signs, painted at run time so that they follow
// the screen's scale and need no image files.

#include <QIcon>
#include <QPixmap>

namespace zelkor {

class SignImages {
public:
    // Indicator matrix buttons: "BTU" (worked) is a filled blue square, "BTX" an empty white one.
    static QPixmap Btu();
    static QPixmap Btx();
    // A matrix button's icon: BTU while enabled, BTX while disabled.
    static QIcon MatrixButtonIcon();

    // Red label "DUP" and green label "MOLT".
    static QPixmap Dup();
    static QPixmap Molt();

    // The single-letter indicators of an SWL entry: red when set, green when not; "MOU" is the
    // same in both states.
    static QIcon CallerIcon();      // CHU / CHX
    static QIcon AnswerIcon();      // RIU / RIX
    static QIcon MultiplierIcon();  // MOU

    static QIcon ProgramIcon();

    static constexpr int kMatrixButtonSize = 14;
    static constexpr int kLetterWidth = 12;
    static constexpr int kSignHeight = 15;
};

}  // namespace zelkor
