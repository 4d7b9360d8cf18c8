#pragma once
// The "Dati riassuntivi" window: shows the entrant's summary data for editing and hands the
// edited values back after "Salva". The decisions are SummaryDataForm's; this class owns the
// widgets and copies texts between them and the form.

#include "core/presenters/SummaryDataForm.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace zelkor {

class Prompter;

class CSummaryDataDlg : public QDialog {
    Q_OBJECT

public:
    CSummaryDataDlg(const SummaryData& summary, const ProvinceTable& provinces,
                    SummaryLogState logState, Prompter& prompter, QWidget* parent = nullptr);

    // The values saved with "Salva"; before that, the values the window opened with.
    const SummaryData& Result() const { return m_result; }
    // The user already agreed here to the QSO/SWL switch the saved category makes.
    bool ModeSwitchConfirmed() const { return m_form.ModeSwitchConfirmed(); }

private:
    void CreateFields(QVBoxLayout* layout);
    void CreateButtons(QVBoxLayout* layout);
    QLineEdit* AddLineEdit(QVBoxLayout* layout, SummaryTextField field, const QString& objectName,
                           const QString& accessibleName);
    QComboBox* AddComboBox(QVBoxLayout* layout, const std::vector<std::string>& entries,
                           const QString& objectName, const QString& accessibleName);
    QLabel* AddLabel(QVBoxLayout* layout, const QString& text);
    void ShowValues();
    void OnSave();

    SummaryDataForm m_form;
    Prompter& m_prompter;
    SummaryData m_result;
    std::array<QLineEdit*, kSummaryTextFieldCount> m_edits{};
    QComboBox* m_province = nullptr;
    QComboBox* m_category = nullptr;
};

}  // namespace zelkor
