#include "ui/mainwindow/EntryRowWidgets.h"

#include "core/text/Cp1252.h"
#include "ui/mainwindow/WindowGeometry.h"
#include "ui/platform/FieldValidator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zelkor {
namespace {

int Index(EntryField field)
{
    return static_cast<int>(field);
}

void FillList(QComboBox* list, const std::vector<std::string>& entries)
{
    for (const std::string& entry : entries) {
        list->addItem(ToQString(entry));
    }
}

}  // namespace

EntryRowWidgets::EntryRowWidgets(QWidget* window)
{
    m_box = new QGroupBox(QStringLiteral(" Inserimento nuovo QSO "), window);
    m_box->setGeometry(geometry::kEntryBox);
    CreateFields();
    CreateLists();
    CreateHeadings();
    CreateSwitches();
    SetTabOrder();
    SetSwlLayout(false);
}

void EntryRowWidgets::CreateFields()
{
    using namespace geometry;
    struct Field {
        EntryField field;
        ControlId id;
        const char* name;
        FieldKind kind;
        QRect place;
    };
    const Field fields[] = {
        {EntryField::Date, ControlId::Date, "Data", FieldKind::Date, FirstLine(kDate)},
        {EntryField::Time, ControlId::Time, "Utc", FieldKind::Time, FirstLine(kTime)},
        {EntryField::Callsign, ControlId::Callsign, "Nominativo", FieldKind::Callsign,
         FirstLine(kCallsign)},
        {EntryField::ReportSent, ControlId::ReportSent, "RST tx", FieldKind::Report,
         FirstLine(kReportSent)},
        {EntryField::ReportReceived, ControlId::ReportReceived, "RST rx", FieldKind::Report,
         FirstLine(kReceivedOrCaller)},
        {EntryField::ProvinceCode, ControlId::ProvinceCode, "Prov.", FieldKind::ProvinceCode,
         FirstLine(kProvinceCode)},
        {EntryField::AnsweringCallsign, ControlId::AnsweringCallsign, "Nominativo 2",
         FieldKind::Callsign, SecondLine(kCallsign)},
        {EntryField::AnsweringProvinceCode, ControlId::AnsweringProvinceCode, "Prov. 2",
         FieldKind::ProvinceCode, SecondLine(kProvinceCode)},
    };
    for (const Field& field : fields) {
        const bool answering = field.field == EntryField::AnsweringCallsign ||
                               field.field == EntryField::AnsweringProvinceCode;
        CreateField(field.field, field.id, QString::fromUtf8(field.name), field.kind,
                    answering ? FieldPlace::MainWindowAnswering : FieldPlace::MainWindow)
            ->setGeometry(field.place);
    }
    CreateNameField(EntryField::ProvinceName, ControlId::ProvinceName,
                    QStringLiteral("Nome provincia"))
        ->setGeometry(FirstLine(kProvinceName));
    CreateNameField(EntryField::AnsweringProvinceName, ControlId::AnsweringProvinceName,
                    QStringLiteral("Nome provincia 2"))
        ->setGeometry(SecondLine(kProvinceName));
}

QLineEdit* EntryRowWidgets::CreateField(EntryField field, ControlId id, const QString& name,
                                        FieldKind kind, FieldPlace place)
{
    auto* edit = new QLineEdit(m_box);
    edit->setObjectName(ControlName(id));
    edit->setAccessibleName(name);
    // The validator keeps typing to the field's limits; a maxLength would also cut the texts
    // the entry row sets, such as a longer province code from a log row.
    new FieldValidator(kind, place, edit);
    m_fields[Index(field)] = edit;
    return edit;
}

QLineEdit* EntryRowWidgets::CreateNameField(EntryField field, ControlId id, const QString& name)
{
    // Filled by the program; a click into it sends the focus on to the date.
    auto* edit = new QLineEdit(m_box);
    edit->setObjectName(ControlName(id));
    edit->setAccessibleName(name);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::ClickFocus);
    m_fields[Index(field)] = edit;
    return edit;
}

void EntryRowWidgets::CreateLists()
{
    m_bandList = new QComboBox(m_box);
    m_bandList->setObjectName(ControlName(ControlId::Band));
    m_bandList->setAccessibleName(QStringLiteral("MHz"));
    FillList(m_bandList, EntryRow::BandList());
    m_bandList->setGeometry(geometry::FirstLine(geometry::kBand));

    m_modeList = new QComboBox(m_box);
    m_modeList->setObjectName(ControlName(ControlId::Mode));
    m_modeList->setAccessibleName(QStringLiteral("Modo"));
    FillList(m_modeList, EntryRow::ModeList());
    m_modeList->setGeometry(geometry::FirstLine(geometry::kMode));
}

void EntryRowWidgets::CreateHeadings()
{
    using namespace geometry;
    CreateHeading("Data", kDate.left, m_fields[Index(EntryField::Date)]);
    CreateHeading("Utc", kTime.left, m_fields[Index(EntryField::Time)]);
    CreateHeading("MHz", kBand.left, m_bandList);
    CreateHeading("Modo", kMode.left, m_modeList);
    m_callsignHeading =
        CreateHeading("Nominativo", kCallsign.left, m_fields[Index(EntryField::Callsign)]);
    CreateHeading("RST tx", kReportSent.left, m_fields[Index(EntryField::ReportSent)]);
    m_receivedHeading = CreateHeading("RST rx", kReceivedOrCaller.left,
                                      m_fields[Index(EntryField::ReportReceived)]);
    m_receivedHeading->setObjectName(ControlName(ControlId::ReportReceivedHeading));
    CreateHeading("Prov.", kProvinceCode.left, m_fields[Index(EntryField::ProvinceCode)]);
    m_provinceNameHeading = CreateHeading("Nome provincia", kProvinceName.left,
                                          m_fields[Index(EntryField::ProvinceName)]);
}

QLabel* EntryRowWidgets::CreateHeading(const char* text, int left, QWidget* buddy)
{
    auto* label = new QLabel(QString::fromUtf8(text), m_box);
    label->setBuddy(buddy);
    label->adjustSize();
    label->move(left, geometry::kLabelTop);
    label->resize(label->width(), geometry::kLabelHeight);
    return label;
}

void EntryRowWidgets::CreateSwitches()
{
    m_autoDateTime = new QCheckBox(QStringLiteral("Data/ora auto"), m_box);
    m_autoDateTime->setObjectName(ControlName(ControlId::AutoDateTime));
    m_autoDateTime->setAccessibleName(m_autoDateTime->text());
    m_autoDateTime->setGeometry(geometry::kAutoDateTimeBox);

    m_pcShowsUtc = new QCheckBox(QStringLiteral("pc mostra utc"), m_box);
    m_pcShowsUtc->setObjectName(ControlName(ControlId::PcShowsUtc));
    m_pcShowsUtc->setAccessibleName(m_pcShowsUtc->text());
    m_pcShowsUtc->setGeometry(geometry::kPcShowsUtcBox);

    m_clearButton = new QPushButton(QStringLiteral("C"), m_box);
    m_clearButton->setObjectName(ControlName(ControlId::ClearButton));
    m_clearButton->setAccessibleName(QStringLiteral("Cancella campi input"));
    m_clearButton->setToolTip(QStringLiteral("Cancella campi input (F9)"));
    // Enter belongs to the entry row, never to a button.
    m_clearButton->setAutoDefault(false);
    m_clearButton->setDefault(false);
    m_clearButton->setFocusPolicy(Qt::TabFocus);
    m_clearButton->setGeometry(geometry::FirstLine(geometry::kClearButton));
}

void EntryRowWidgets::SetTabOrder()
{
    // The entry fields in their order, then the switches; the name fields are no tab stops.
    const EntryField order[] = {EntryField::Date,
                                EntryField::Time,
                                EntryField::Band,
                                EntryField::Mode,
                                EntryField::Callsign,
                                EntryField::ReportSent,
                                EntryField::ReportReceived,
                                EntryField::ProvinceCode,
                                EntryField::AnsweringCallsign,
                                EntryField::AnsweringProvinceCode};
    QWidget* previous = nullptr;
    for (const EntryField field : order) {
        QWidget* widget = WidgetOf(field);
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
    QWidget::setTabOrder(previous, m_autoDateTime);
    QWidget::setTabOrder(m_autoDateTime, m_pcShowsUtc);
    QWidget::setTabOrder(m_pcShowsUtc, m_clearButton);
}

QLineEdit* EntryRowWidgets::LineEdit(EntryField field) const
{
    return m_fields[Index(field)];
}

EntryField EntryRowWidgets::FieldOf(const QWidget* widget) const
{
    if (widget == nullptr) {
        return EntryField::Other;
    }
    if (widget == m_bandList) {
        return EntryField::Band;
    }
    if (widget == m_modeList) {
        return EntryField::Mode;
    }
    for (int i = 0; i < static_cast<int>(m_fields.size()); ++i) {
        if (m_fields[i] == widget) {
            return static_cast<EntryField>(i);
        }
    }
    return EntryField::Other;
}

QWidget* EntryRowWidgets::WidgetOf(EntryField field) const
{
    switch (field) {
        case EntryField::Band:
            return m_bandList;
        case EntryField::Mode:
            return m_modeList;
        case EntryField::Other:
            return nullptr;
        default:
            return m_fields[Index(field)];
    }
}

void EntryRowWidgets::ShowValues(const EntryRow& entry)
{
    if (entry.SwlFieldsShown() != m_swlLayout) {
        SetSwlLayout(entry.SwlFieldsShown());
    }
    const EntryValues& v = entry.Values();
    const std::pair<EntryField, const std::string*> texts[] = {
        {EntryField::Date, &v.date},
        {EntryField::Time, &v.time},
        {EntryField::Callsign, &v.callsign},
        {EntryField::ReportSent, &v.reportSent},
        {EntryField::ReportReceived, &v.reportReceived},
        {EntryField::ProvinceCode, &v.provinceCode},
        {EntryField::ProvinceName, &v.provinceName},
        {EntryField::AnsweringCallsign, &v.answeringCallsign},
        {EntryField::AnsweringProvinceCode, &v.answeringProvinceCode},
        {EntryField::AnsweringProvinceName, &v.answeringProvinceName},
    };
    for (const auto& [field, text] : texts) {
        FieldValidator::ShowText(m_fields[Index(field)], ToQString(*text));
    }

    if (m_bandList->currentIndex() != entry.BandPosition()) {
        m_bandList->setCurrentIndex(entry.BandPosition());
    }
    if (m_modeList->currentIndex() != entry.ModePosition()) {
        m_modeList->setCurrentIndex(entry.ModePosition());
    }
    m_bandList->setEnabled(entry.BandListEnabled());
    m_modeList->setEnabled(entry.ModeListEnabled());

    m_autoDateTime->setChecked(entry.AutoDateTime());
    m_pcShowsUtc->setChecked(entry.PcShowsUtc());
    m_pcShowsUtc->setVisible(entry.PcShowsUtcVisible());
}

void EntryRowWidgets::SetSwlLayout(bool swl)
{
    m_swlLayout = swl;
    for (const EntryField field : {EntryField::AnsweringCallsign, EntryField::AnsweringProvinceCode,
                                   EntryField::AnsweringProvinceName}) {
        m_fields[Index(field)]->setVisible(swl);
    }
    // The answering station's report sits under the calling station's; in a QSO entry the
    // received report takes the place of the calling-station indicator.
    QLineEdit* received = m_fields[Index(EntryField::ReportReceived)];
    received->setGeometry(swl ? geometry::SecondLine(geometry::kReportSent)
                              : geometry::FirstLine(geometry::kReceivedOrCaller));
    received->setAccessibleName(swl ? QStringLiteral("RST 2") : QStringLiteral("RST rx"));
    m_receivedHeading->setVisible(!swl);
    m_fields[Index(EntryField::Callsign)]->setAccessibleName(swl ? QStringLiteral("Nominativo 1")
                                                                 : QStringLiteral("Nominativo"));
}

}  // namespace zelkor
