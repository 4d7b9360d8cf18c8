#include "ui/log/CHrdEditDlg.h"

#include <QComboBox>
#include <QLineEdit>

namespace zelkor {

CHrdEditDlg::CHrdEditDlg(const ProvinceTable& provinces, Prompter& prompter, QWidget* parent)
    : EditRowDialog(QStringLiteral("Modifica di un HRD"), parent),
      m_provinces(provinces),
      m_prompter(prompter)
{
    m_date = AddTextField(QStringLiteral("Data"), ControlId::Date, FieldKind::Date, 10);
    m_time = AddTextField(QStringLiteral("Utc"), ControlId::Time, FieldKind::Time, 5);
    m_band = AddListField(QStringLiteral("MHz"), ControlId::Band, kEditBandEntries, 4);
    m_mode = AddListField(QStringLiteral("Modo"), ControlId::Mode, kEditModeEntries, 6);
    m_callingCallsign =
        AddTextField(QStringLiteral("Nominativo 1"), ControlId::Callsign, FieldKind::Callsign, 14);
    m_report = AddTextField(QStringLiteral("RST"), ControlId::Report, FieldKind::Report, 4);
    m_provinceCode =
        AddTextField(QStringLiteral("Prov."), ControlId::ProvinceCode, FieldKind::ProvinceCode, 3);
    m_answeringCallsign = AddTextField(QStringLiteral("Nominativo 2"), ControlId::AnsweringCallsign,
                                       FieldKind::Callsign, 14);
}

void CHrdEditDlg::SetRow(const HrdRowEdit& row)
{
    SetFieldText(m_date, row.values.date);
    SetFieldText(m_time, row.values.time);
    SelectEntry(m_band, kEditBandEntries, row.band);
    SelectEntry(m_mode, kEditModeEntries, row.values.mode);
    SetFieldText(m_callingCallsign, row.values.callingCallsign);
    SetFieldText(m_report, row.values.report);
    SetFieldText(m_provinceCode, row.values.provinceCode);
    SetFieldText(m_answeringCallsign, row.values.answeringCallsign);
    m_date->setFocus();
}

bool CHrdEditDlg::Save()
{
    HrdRowEdit row;
    row.band = SelectedEntry(m_band);
    row.values.date = FieldText(m_date);
    row.values.time = FieldText(m_time);
    row.values.mode = SelectedEntry(m_mode);
    row.values.callingCallsign = FieldText(m_callingCallsign);
    row.values.answeringCallsign = FieldText(m_answeringCallsign);
    row.values.report = FieldText(m_report);
    row.values.provinceCode = FieldText(m_provinceCode);
    const bool accepted = AcceptHrdEdit(row.values, m_provinces, m_prompter);
    // The callsign checks upper-case both fields, whatever their verdict.
    SetFieldText(m_callingCallsign, row.values.callingCallsign);
    SetFieldText(m_answeringCallsign, row.values.answeringCallsign);
    if (accepted) {
        m_accepted = std::move(row);
    }
    return accepted;
}

}  // namespace zelkor
