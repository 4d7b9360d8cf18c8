#include "core/settings/SettingsStore.h"

#include "core/platform/FileCalls.h"
#include "core/platform/FileIO.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>

namespace zelkor {
namespace {

QString KeyPath(const SettingKey& key)
{
    return QString::fromUtf8(key.section) + QLatin1Char('/') + QString::fromUtf8(key.name);
}

}  // namespace

std::unique_ptr<SettingsStore> SettingsStore::OpenUserStore()
{
    return OpenFile(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                    QLatin1String("/ORVENT/zelkor.conf"));
}

std::unique_ptr<SettingsStore> SettingsStore::OpenFile(const QString& path)
{
    return std::make_unique<SettingsStore>(path);
}

SettingsStore::SettingsStore(const QString& path) : m_path(QFileInfo(path).absoluteFilePath())
{
    // A file that can't be read gives every default, as a missing one does.
    bool missing = false;
    QString reason;
    m_values = ReadFile(&missing, &reason).value_or(IniSettings());
}

QString SettingsStore::ReadSetting(const SettingKey& key, const QString& defaultValue) const
{
    return m_values.Text(KeyPath(key)).value_or(defaultValue);
}

int SettingsStore::ReadSetting(const SettingKey& key, int defaultValue) const
{
    const std::optional<QString> text = m_values.Text(KeyPath(key));
    bool ok = false;
    const int number = text ? text->trimmed().toInt(&ok) : 0;
    return ok ? number : defaultValue;
}

bool SettingsStore::WriteSetting(const SettingKey& key, const QString& value)
{
    ChangeSetting(key, value);
    return Commit();
}

bool SettingsStore::WriteSetting(const SettingKey& key, int value)
{
    return WriteSetting(key, QString::number(value));
}

bool SettingsStore::RemoveSetting(const SettingKey& key)
{
    ForgetSetting(key);
    return Commit();
}

void SettingsStore::ChangeSetting(const SettingKey& key, const QString& value)
{
    Change(KeyPath(key), IniValueText(value));
}

void SettingsStore::ChangeSetting(const SettingKey& key, int value)
{
    ChangeSetting(key, QString::number(value));
}

void SettingsStore::ForgetSetting(const SettingKey& key)
{
    Change(KeyPath(key), std::nullopt);
}

bool SettingsStore::Flush()
{
    return m_changes.empty() || Commit();
}

QString SettingsStore::FileName() const
{
    return m_path;
}

void SettingsStore::Change(const QString& key, std::optional<QByteArray> written)
{
    if (written) {
        m_values.SetWritten(key, *written);
    } else {
        m_values.Remove(key);
    }
    m_changes[key] = std::move(written);
}

std::optional<IniSettings> SettingsStore::ReadFile(bool* missing, QString* reason) const
{
    *missing = false;
    if (const std::optional<QByteArray> bytes = ReadWholeFile(m_path, reason)) {
        return IniSettings::Parse(*bytes);
    }
    // Only a file that is not there at all reads as an empty one: anything else that can't be
    // read may hold values that a rewrite would lose.
    struct stat status {};
    if (Files().Stat(QFile::encodeName(m_path).constData(), &status) != 0) {
        if (errno == ENOENT) {
            *missing = true;
            return IniSettings();
        }
        *reason = IoErrorText(errno, FileAction::Read);
    }
    return std::nullopt;
}

bool SettingsStore::Commit()
{
    bool missing = false;
    QString reason;
    std::optional<IniSettings> current = ReadFile(&missing, &reason);
    if (!current) {
        m_failure = reason;
        return false;
    }
    // The file as it is now (another instance may have written it), with this run's changes.
    IniSettings merged = *current;
    bool changed = false;
    for (const auto& [key, written] : m_changes) {
        const QByteArray* held = current->Written(key);
        if (written && (held == nullptr || *held != *written)) {
            merged.SetWritten(key, *written);
            changed = true;
        } else if (!written && held != nullptr) {
            merged.Remove(key);
            changed = true;
        }
    }
    if (changed && !((!missing || CreateFolders(QFileInfo(m_path).absolutePath(), &reason)) &&
                     WriteFileAtomically(m_path, merged.Bytes(), &reason))) {
        m_values = std::move(merged);
        m_failure = reason;
        return false;
    }
    m_values = std::move(merged);
    m_changes.clear();
    return true;
}

}  // namespace zelkor
