#pragma once
// A program started as the real one starts, but in temporary folders: a program folder holding
// the shipped province file, and a private settings file instead of the user's store.

#include "core/settings/SettingsStore.h"

#include <QStringList>
#include <QTemporaryDir>

namespace zelkor {
struct AppContext;
class Prompter;
}  // namespace zelkor

namespace zelkor::test {

class ProgramFolders {
public:
    // Copies the shipped province file into the program folder unless told not to.
    explicit ProgramFolders(bool withProvinces = true);

    QString ProgramFolder() const { return m_program.path(); }
    QString SettingsPath() const;
    QString WorkingFilePath() const;

    // Written before Start, as a previous run would have left them.
    void WriteSetting(const SettingKey& key, const QString& value) const;
    void WriteSetting(const SettingKey& key, int value) const;
    // Reads what the program has stored so far.
    QString ReadSetting(const SettingKey& key) const;
    // -1 when the value is missing.
    int ReadIntSetting(const SettingKey& key) const;

    // Runs the start-up steps into the context, with the command line given, as if started in
    // startFolder (empty: the current folder).
    void Start(AppContext& context, Prompter& prompter, const QStringList& arguments = {},
               const QString& startFolder = {}) const;

    // The lines of the working file, without their line ends.
    QList<QByteArray> WorkingFileLines() const;

private:
    QTemporaryDir m_program;
    QTemporaryDir m_config;
};

}  // namespace zelkor::test
