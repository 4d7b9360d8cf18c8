#pragma once
// The worked indicators: the untitled box with the province matrix and the second matrix
// (buttons 10000-10011), the DUP and MOLT signs of a QSO entry and the single-letter indicators
// of an SWL entry. None of them acts on clicks; they only show what the EntryRow says.

#include "core/worked/IndicatorMatrices.h"
#include "ui/ControlIds.h"

#include <QString>

#include <array>

class QGroupBox;
class QLabel;
class QToolButton;
class QWidget;

namespace zelkor {

class EntryRow;
class EntryRowWidgets;

class IndicatorWidgets {
public:
    IndicatorWidgets(QWidget* window, const EntryRowWidgets& entryWidgets);

    QGroupBox* MatrixBox() const { return m_matrixBox; }

    void ShowValues(const EntryRow& entry);
    // Headings "Provincia"/"Nominativo" or "Prov1"/"Prov2"; the single letters hide.
    void SetSwlLayout(bool swl);

private:
    void CreateMatrix(IndicatorMatrix matrix, int left);
    void CreateSigns(const EntryRowWidgets& entryWidgets);
    static QToolButton* CreateIndicator(QWidget* parent, ControlId id, int left, int top, int width,
                                        int height);
    void UpdateMatrixNames();

    QGroupBox* m_matrixBox = nullptr;
    std::array<QLabel*, 2> m_headings{};
    std::array<QToolButton*, IndicatorMatrices::kButtonCount> m_buttons{};
    QLabel* m_dup = nullptr;
    QLabel* m_molt = nullptr;
    QToolButton* m_caller = nullptr;              // 1083, "CH"
    std::array<QToolButton*, 3> m_answers{};      // 1084, 1086, 1088, "RI"
    std::array<QToolButton*, 2> m_multipliers{};  // 1089, 1090, "MO"
    bool m_swlLayout = false;
};

}  // namespace zelkor
