#include "support/ProgramFolders.h"

#include "core/app/Startup.h"
#include "core/commands/AppContext.h"

#include <QFile>

#include <stdexcept>

namespace zelkor::test {

ProgramFolders::ProgramFolders(bool withProvinces)
{
    if (!m_program.isValid() || !m_config.isValid()) {
        throw std::runtime_error("no temporary folder");
    }
    if (withProvinces && !QFile::copy(QStringLiteral(ZELKOR_SHIPPED_PROVINCES),
                                      m_program.filePath(QStringLiteral("_prov.cod")))) {
        throw std::runtime_error("can't copy the province file");
    }
}

QString ProgramFolders::SettingsPath() const
{
    return m_config.filePath(QStringLiteral("zelkor.conf"));
}

QString ProgramFolders::WorkingFilePath() const
{
    return m_program.filePath(QStringLiteral("_ult.zelk"));
}

void ProgramFolders::WriteSetting(const SettingKey& key, const QString& value) const
{
    if (!SettingsStore::OpenFile(SettingsPath())->WriteSetting(key, value)) {
        throw std::runtime_error("can't write a setting");
    }
}

void ProgramFolders::WriteSetting(const SettingKey& key, int value) const
{
    if (!SettingsStore::OpenFile(SettingsPath())->WriteSetting(key, value)) {
        throw std::runtime_error("can't write a setting");
    }
}

QString ProgramFolders::ReadSetting(const SettingKey& key) const
{
    return SettingsStore::OpenFile(SettingsPath())->ReadSetting(key, QString());
}

int ProgramFolders::ReadIntSetting(const SettingKey& key) const
{
    return SettingsStore::OpenFile(SettingsPath())->ReadSetting(key, -1);
}

void ProgramFolders::Start(AppContext& context, Prompter& prompter, const QStringList& arguments,
                           const QString& startFolder) const
{
    StartupInputs inputs;
    inputs.store = SettingsStore::OpenFile(SettingsPath());
    inputs.arguments = arguments;
    inputs.startFolder = startFolder;
    inputs.executableFolder = m_program.path();
    inputs.userDataFolder = m_config.filePath(QStringLiteral("data"));
    RunStartup(context, std::move(inputs), prompter);
}

QList<QByteArray> ProgramFolders::WorkingFileLines() const
{
    QFile file(WorkingFilePath());
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QList<QByteArray> lines = file.readAll().split('\n');
    if (!lines.isEmpty() && lines.constLast().isEmpty()) {
        lines.removeLast();
    }
    for (QByteArray& line : lines) {
        if (line.endsWith('\r')) {
            line.chop(1);
        }
    }
    return lines;
}

}  // namespace zelkor::test
