#pragma once
// "Andamento": how the contest is going, in a window that stays open beside the main window. It
// shows the rate, the score (the same computation as "Mostra punteggio"), the contacts per hour,
// optionally against another log, and the map of the provinces worked; it follows every change of
// the log by the log's own signals, all changes up to the next turn of the event loop at once.

#include "core/stats/ProvincePositions.h"

#include <QDialog>
#include <QTimer>

#include <memory>
#include <vector>

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QTabWidget;

namespace zelkor {

class LogList;
class ProgressChartView;
class Prompter;
class ProvinceMapView;
class ProvinceTable;
class RaceTarget;
struct LogProgress;
struct Picture;

class CProgressDlg : public QDialog {
    Q_OBJECT

public:
    CProgressDlg(const LogList& log, const ProvinceTable& provinces, PositionsLoad positions,
                 Prompter& prompter, QString programFolder, QWidget* parent = nullptr);
    ~CProgressDlg() override;

    // Recomputes everything from the log at once.
    void Refresh();
    // A change of the log or of the province table: refreshes at the next turn of the event
    // loop while the window is shown, or when it is shown again.
    void ScheduleRefresh();
    [[nodiscard]] bool RefreshPending() const { return m_stale; }

    // "Confronta con...": asks for a log file and races against it.
    void ChooseRaceTarget();
    // Races against the log in the file; false after telling the user why not.
    bool LoadRaceTarget(const QString& path);
    void ClearRaceTarget();
    // "Salva immagine..." and "Stampa..." of the page shown (chart or map).
    void SaveImage();
    void PrintImage();

    [[nodiscard]] ProgressChartView* Chart() const { return m_chart; }
    [[nodiscard]] ProvinceMapView* MapView() const { return m_map; }
    [[nodiscard]] QTabWidget* Pages() const { return m_pages; }
    // The picture of the page shown, as saved and printed.
    [[nodiscard]] Picture CurrentPicture() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* CreateRateBox();
    QWidget* CreateScoreBox();
    QWidget* CreateRaceBox();
    QWidget* CreateMapPage();
    QLayout* CreateButtons();
    void ConnectLog();
    void ShowRates(const LogProgress& progress);
    void ShowScore(const LogProgress& progress);
    void ShowRace(const LogProgress& progress);

    const LogList& m_log;
    const ProvinceTable& m_provinces;
    PositionsLoad m_positions;
    Prompter& m_prompter;
    QString m_programFolder;
    std::unique_ptr<RaceTarget> m_race;

    QTimer m_refreshTimer;
    bool m_stale = true;

    QGridLayout* m_rateGrid = nullptr;
    std::vector<QLabel*> m_rateLabels;
    std::vector<QLabel*> m_rateValues;
    QLabel* m_scoreHeading = nullptr;
    // Contacts, points, multipliers and their product for the six rows and the total.
    std::vector<std::vector<QLabel*>> m_scoreCells;
    QLabel* m_scoreTotal = nullptr;
    QLabel* m_ignoredRows = nullptr;
    QLabel* m_raceText = nullptr;
    QPushButton* m_clearRace = nullptr;
    QTabWidget* m_pages = nullptr;
    ProgressChartView* m_chart = nullptr;
    ProvinceMapView* m_map = nullptr;
    QComboBox* m_mapGroup = nullptr;
};

}  // namespace zelkor
