#pragma once
// The persistent settings: named string and integer values in sections, over QSettings. A missing
// or malformed value reads as its default, reading never creates a value, and every write reaches
// the disk before the call returns.

#include <QString>

#include <memory>

class QSettings;

namespace zelkor {

struct SettingKey {
    const char* section;
    const char* name;
};

class SettingsStore {
public:
    // The user's store: organisation "ORVENT", application "zelkor".
    static std::unique_ptr<SettingsStore> OpenUserStore();
    // A store kept in the given INI file; used by tests and by anyone who wants a private store.
    static std::unique_ptr<SettingsStore> OpenFile(const QString& path);

    explicit SettingsStore(std::unique_ptr<QSettings> settings);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    QString ReadSetting(const SettingKey& key, const QString& defaultValue) const;
    int ReadSetting(const SettingKey& key, int defaultValue) const;
    // Returns false when the store could not be written; the caller's in-memory value stays.
    // A value the store already holds is not written again.
    bool WriteSetting(const SettingKey& key, const QString& value);
    bool WriteSetting(const SettingKey& key, int value);

    // The file the store is kept in, for messages.
    QString FileName() const;

    // Removes a value; used only for the recent-file list, whose entries shift.
    bool RemoveSetting(const SettingKey& key);

private:
    bool Sync();
    // The store, as it is on disk now, already holds this text for the key.
    bool Holds(const SettingKey& key, const QString& text);

    std::unique_ptr<QSettings> m_settings;
};

}  // namespace zelkor
