#include "ui/log/CQsoEditDlg.h"

#include <QComboBox>
#include <QLineEdit>

namespace zelkor {

CQsoEditDlg::CQsoEditDlg(const ProvinceTable& provinces, Prompter& prompter, QWidget* parent)
    : EditRowDialog(QStringLiteral("Modifica di un QSO"), parent),
      m_provinces(provinces),
      m_prompter(prompter)
{
    m_date = AddTextField(QStringLiteral("Data"), ControlId::Date, FieldKind::Date, 10);
    m_time = AddTextField(QStringLiteral("Utc"), ControlId::Time, FieldKind::Time, 5);
    m_band = AddListField(QStringLiteral("MHz"), ControlId::Band, kEditBandEntries, 4);
    m_mode = AddListField(QStringLiteral("Modo"), ControlId::Mode, kEditModeEntries, 6);
    m_callsign =
        AddTextField(QStringLiteral("Nominativo"), ControlId::Callsign, FieldKind::Callsign, 14);
    m_reportSent =
        AddTextField(QStringLiteral("RST tx"), ControlId::ReportSent, FieldKind::Report, 4);
    m_reportReceived =
        AddTextField(QStringLiteral("RST rx"), ControlId::ReportReceived, FieldKind::Report, 4);
    m_provinceCode =
        AddTextField(QStringLiteral("Prov."), ControlId::ProvinceCode, FieldKind::ProvinceCode, 3);
}

void CQsoEditDlg::SetRow(const QsoRowEdit& row)
{
    SetFieldText(m_date, row.values.date);
    SetFieldText(m_time, row.values.time);
    SelectEntry(m_band, kEditBandEntries, row.band);
    SelectEntry(m_mode, kEditModeEntries, row.values.mode);
    SetFieldText(m_callsign, row.values.callsign);
    SetFieldText(m_reportSent, row.values.reportSent);
    SetFieldText(m_reportReceived, row.values.reportReceived);
    SetFieldText(m_provinceCode, row.values.provinceCode);
    m_date->setFocus();
}

bool CQsoEditDlg::Save()
{
    QsoRowEdit row;
    row.band = SelectedEntry(m_band);
    row.values = {FieldText(m_date),        FieldText(m_time),       SelectedEntry(m_mode),
                  FieldText(m_callsign),    FieldText(m_reportSent), FieldText(m_reportReceived),
                  FieldText(m_provinceCode)};
    const bool accepted = AcceptQsoEdit(row.values, m_provinces, m_prompter);
    // The callsign check upper-cases the field, whatever its verdict.
    SetFieldText(m_callsign, row.values.callsign);
    if (accepted) {
        m_accepted = std::move(row);
    }
    return accepted;
}

}  // namespace zelkor
