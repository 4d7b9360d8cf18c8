#include "core/settings/SettingsStore.h"

#include <QSettings>

namespace zelkor {
namespace {

QString KeyPath(const SettingKey& key)
{
    return QString::fromUtf8(key.section) + QLatin1Char('/') + QString::fromUtf8(key.name);
}

}  // namespace

std::unique_ptr<SettingsStore> SettingsStore::OpenUserStore()
{
    return std::make_unique<SettingsStore>(
        std::make_unique<QSettings>(QStringLiteral("ORVENT"), QStringLiteral("zelkor")));
}

std::unique_ptr<SettingsStore> SettingsStore::OpenFile(const QString& path)
{
    return std::make_unique<SettingsStore>(std::make_unique<QSettings>(path, QSettings::IniFormat));
}

SettingsStore::SettingsStore(std::unique_ptr<QSettings> settings) : m_settings(std::move(settings))
{
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::ReadSetting(const SettingKey& key, const QString& defaultValue) const
{
    const QVariant value = m_settings->value(KeyPath(key));
    // INI files hold every scalar as text; a list (an unquoted comma) or any other kind is not
    // a string value.
    if (value.typeId() != QMetaType::QString) {
        return defaultValue;
    }
    return value.toString();
}

int SettingsStore::ReadSetting(const SettingKey& key, int defaultValue) const
{
    const QVariant value = m_settings->value(KeyPath(key));
    bool ok = false;
    int number = 0;
    if (value.typeId() == QMetaType::QString) {
        number = value.toString().trimmed().toInt(&ok);
    } else if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong ||
               value.typeId() == QMetaType::UInt) {
        const qlonglong wide = value.toLongLong(&ok);
        ok = ok && wide >= INT32_MIN && wide <= INT32_MAX;
        number = static_cast<int>(wide);
    }
    return ok ? number : defaultValue;
}

bool SettingsStore::WriteSetting(const SettingKey& key, const QString& value)
{
    if (Holds(key, value)) {
        return true;
    }
    m_settings->setValue(KeyPath(key), value);
    return Sync();
}

bool SettingsStore::WriteSetting(const SettingKey& key, int value)
{
    if (Holds(key, QString::number(value))) {
        return true;
    }
    m_settings->setValue(KeyPath(key), value);
    return Sync();
}

bool SettingsStore::Holds(const SettingKey& key, const QString& text)
{
    // A rewrite of the file costs two flushes to disk (its lock and its text), far more than
    // the change that asks for it; a value the file already holds needs none. The sync first
    // takes what another instance may have written meanwhile (only a look at the file's size
    // and time when nothing changed), and nothing is skipped while the store is in error.
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError) {
        return false;
    }
    const QVariant stored = m_settings->value(KeyPath(key));
    // Read back from the file every value is text; one set in this run keeps its own type.
    return (stored.typeId() == QMetaType::QString || stored.typeId() == QMetaType::Int) &&
           stored.toString() == text;
}

QString SettingsStore::FileName() const
{
    return m_settings->fileName();
}

bool SettingsStore::RemoveSetting(const SettingKey& key)
{
    m_settings->remove(KeyPath(key));
    return Sync();
}

bool SettingsStore::Sync()
{
    // QSettings buffers its writes; a crash right after a command must not lose them.
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

}  // namespace zelkor
