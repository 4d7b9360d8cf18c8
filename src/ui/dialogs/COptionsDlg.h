#pragma once
// The "Opzioni" window: the two dialog colours, chosen and stored at once with a sample drawn in
// them, and the hidden SWL export option that only "Salva" stores. The decisions are
// OptionsLogic's; this class owns the widgets.

#include "core/presenters/OptionsLogic.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QVBoxLayout;

namespace zelkor {

struct AppContext;
class Prompter;

class COptionsDlg : public QDialog {
    Q_OBJECT

public:
    COptionsDlg(AppSettings& settings, SettingsStore& store, Prompter& prompter,
                QWidget* parent = nullptr);

private:
    void CreateSwlCheck(QVBoxLayout* layout);
    void CreateColourGroup(QVBoxLayout* layout);
    void CreateButtons(QVBoxLayout* layout);
    void ShowSample();
    void OnSave();

    OptionsLogic m_logic;
    QCheckBox* m_swlByBand = nullptr;
    QLineEdit* m_sample = nullptr;
};

// The main window's "Opzioni" command (F7).
void ShowOptions(AppContext& context, Prompter& prompter, QWidget* parent);

}  // namespace zelkor
