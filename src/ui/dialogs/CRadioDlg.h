#pragma once
// The "Collegamento radio" window: whether the entry row follows the radio, the radio's model
// from Hamlib's list (with a search), its serial device or the host:port of a rigctld, the speed,
// and "Prova", which connects once on a worker thread and shows what the radio says. It hands the
// chosen settings back; the main window stores them.

#include "core/radio/RadioModels.h"
#include "core/radio/RadioMonitor.h"
#include "core/settings/RadioSettings.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace zelkor {

class CRadioDlg : public QDialog {
    Q_OBJECT

public:
    // The speeds offered besides the model's own (0).
    static const std::vector<int>& Speeds();

    CRadioDlg(RadioSettings settings, const std::vector<RadioModel>& models,
              RadioLinkMaker linkMaker, QWidget* parent = nullptr);

    RadioSettings Chosen() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateFollowCheck(QVBoxLayout* layout);
    void CreateModelChoice(QVBoxLayout* layout, const std::vector<RadioModel>& models);
    void CreatePortChoice(QVBoxLayout* layout);
    void CreateTest(QVBoxLayout* layout);
    void CreateButtons(QVBoxLayout* layout);
    // Hides the models the search doesn't match; a hidden choice gives way to the first match.
    void FilterModels(const QString& search);
    void RunTest();
    void ShowTestResult(const QString& text);

    RadioSettings m_settings;
    RadioLinkMaker m_linkMaker;
    std::vector<RadioModel> m_modelList;
    RadioMonitor m_test;
    QCheckBox* m_follow = nullptr;
    QLineEdit* m_search = nullptr;
    QListWidget* m_models = nullptr;
    QLineEdit* m_port = nullptr;
    QComboBox* m_speed = nullptr;
    QPushButton* m_testButton = nullptr;
    QLabel* m_testResult = nullptr;
};

}  // namespace zelkor
