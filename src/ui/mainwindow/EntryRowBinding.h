#pragma once
// Ties the entry-row widgets to the EntryRow: what the operator types, chooses, clicks and where
// he moves the focus goes to the model; whenever the model changes, the widgets show it, the
// focus goes where the model puts it, and the minute timer follows automatic date and time.

#include <QObject>
#include <QTimer>

class QWidget;

namespace zelkor {

class EntryRow;
class EntryRowWidgets;
class IndicatorWidgets;
class PreviousContactsList;
enum class EntryField;

class EntryRowBinding : public QObject {
    Q_OBJECT

public:
    EntryRowBinding(QWidget* window, EntryRow& entry, EntryRowWidgets& widgets,
                    IndicatorWidgets& indicators, PreviousContactsList& previousContacts);

    // The entry-row steps of the window start, then the minute timer.
    void Start();
    // Shows everything the model holds and puts the focus where it says.
    void ShowValues();
    // Brings the keyboard back to the entry row after a command on the log list: to the field
    // the entry row holds the focus in, or to the callsign when the operator had left the row.
    void ReturnFocus();
    // After a refused entry: the field to correct is taken whole, also when the focus was there.
    void SelectFocusedField();
    void StopTimer();
    const QTimer& MinuteTimer() const { return m_minuteTimer; }

private:
    void ConnectFields();
    void ConnectListsAndSwitches();
    void OnFocusChanged(QWidget* old, QWidget* now);
    void PutFocus();
    void OnAutoDateTimeClicked(bool on);
    void OnMinuteTick();
    // Starts the timer with the model's interval to the next full minute, or stops it.
    void FollowAutoDateTime();
    bool IsInWindow(const QWidget* widget) const;

    QWidget* m_window;
    EntryRow& m_entry;
    EntryRowWidgets& m_widgets;
    IndicatorWidgets& m_indicators;
    PreviousContactsList& m_previousContacts;
    QTimer m_minuteTimer;
    // Set while the binding moves the focus itself, so that the move is not reported back to
    // the model as the operator's.
    bool m_placingFocus = false;
};

}  // namespace zelkor
