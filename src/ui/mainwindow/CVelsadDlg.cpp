#include "mainwindow/CVelsadDlg.h"

#include "app/AppContext.h"
#include "app/DialogColours.h"
#include "app/ProgramTitle.h"
#include "log/LogList.h"
#include "log/LogTableView.h"
#include "provinces/ProvinceImport.h"

#include <QGroupBox>
#include <QMenuBar>

namespace zelkor {

CVelsadDlg::CVelsadDlg(AppContext& context, Prompter& prompter, QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                  Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_context(context),
      m_prompter(prompter),
      m_log(new LogList(this))
{
    setObjectName(QStringLiteral("CVelsadDlg"));
    setFixedSize(kWidth, kHeight + kMenuHeight);
    DialogColours::Apply(this);
    CreateMenuBar();
    CreateLogBox();
    StartWindow();
}

CVelsadDlg::~CVelsadDlg() = default;

void CVelsadDlg::CreateMenuBar()
{
    auto* menuBar = new QMenuBar(this);
    menuBar->setGeometry(0, 0, kWidth, kMenuHeight);
    QMenu* tools = menuBar->addMenu(QStringLiteral("Strumenti"));
    QAction* import = tools->addAction(QStringLiteral("Importa elenco province"));
    import->setObjectName(QStringLiteral("32778"));
    connect(import, &QAction::triggered, this, &CVelsadDlg::ImportProvinceList);
}

void CVelsadDlg::CreateLogBox()
{
    auto* box = new QGroupBox(QStringLiteral(" LOG "), this);
    box->setGeometry(7, kMenuHeight + 4, kWidth - 14, 208);
    m_logView = new LogTableView(*m_log, box);
    m_logView->setGeometry(8, 18, box->width() - 16, box->height() - 26);
}

void CVelsadDlg::StartWindow()
{
    m_log->BuildStartColumns(m_logView->ClientWidth());
    if (m_context.swlMode) {
        m_log->SetSwlColumns();
    }
    UpdateTitle();
}

void CVelsadDlg::ImportProvinceList()
{
    if (zelkor::ImportProvinceList(m_prompter, m_context.provinces, m_context.ProvinceFilePath()) ==
        ImportOutcome::OpenProvinceList) {
        OpenProvinceListDialog();
    }
}

void CVelsadDlg::OpenProvinceListDialog() {}

void CVelsadDlg::UpdateTitle()
{
    setWindowTitle(WindowTitle(m_context.settings.openLogName));
}

}  // namespace zelkor
