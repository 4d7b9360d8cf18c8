#pragma once
// The persistent settings: named string and integer values in sections, kept in an INI file that
// QSettings reads and writes the same way (organisation "ORVENT", application "zelkor"). A missing
// or malformed value reads as its default, and reading never creates a value or a file.
//
// Every write reads the file again first, so that a value another instance stored meanwhile
// stays, and replaces the whole file atomically through the program's file calls (a temporary
// file, flushed, renamed over the old one, the folder flushed): a failed write leaves the old
// file whole and says why. A value the file already holds is not written again.

#include "core/settings/IniFormat.h"

#include <QString>

#include <map>
#include <memory>
#include <optional>

namespace zelkor {

struct SettingKey {
    const char* section;
    const char* name;
};

class SettingsStore {
public:
    // The user's store: ~/.config/ORVENT/zelkor.conf, where QSettings keeps it.
    static std::unique_ptr<SettingsStore> OpenUserStore();
    // A store kept in the given INI file; used by tests and by anyone who wants a private store.
    static std::unique_ptr<SettingsStore> OpenFile(const QString& path);

    explicit SettingsStore(const QString& path);
    ~SettingsStore() = default;
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // The values as the file held them when last read or written, with this run's changes.
    [[nodiscard]] QString ReadSetting(const SettingKey& key, const QString& defaultValue) const;
    [[nodiscard]] int ReadSetting(const SettingKey& key, int defaultValue) const;
    // Writes the value, with every change not written yet. Returns false when the file could
    // not be written: the change stays in the store (reads give it) and goes to the file with
    // the next write.
    bool WriteSetting(const SettingKey& key, const QString& value);
    bool WriteSetting(const SettingKey& key, int value);
    // Removes a value, with every change not written yet.
    bool RemoveSetting(const SettingKey& key);

    // Changes that the store holds at once and the file gets with the next write or Flush(): for
    // values that belong together (they reach the file in one write, all or none) and for choices
    // made often and worth little (the band, the mode). A later change of a key replaces one not
    // written yet.
    void ChangeSetting(const SettingKey& key, const QString& value);
    void ChangeSetting(const SettingKey& key, int value);
    void ForgetSetting(const SettingKey& key);
    [[nodiscard]] bool HasUnwrittenChanges() const { return !m_changes.empty(); }
    // Writes every change not written yet; true when there was none or all are written.
    bool Flush();

    // The file the store is kept in, for messages.
    [[nodiscard]] QString FileName() const;
    // Why the last write that failed did, as an Italian sentence (a later write may have taken
    // its change to the file meanwhile).
    [[nodiscard]] QString FailureReason() const { return m_failure; }

private:
    void Change(const QString& key, std::optional<QByteArray> written);
    // The file as it is now; no file at all is an empty one.
    std::optional<IniSettings> ReadFile(bool* missing, QString* reason) const;
    bool Commit();

    QString m_path;
    // The file as last read or written, with the changes applied.
    IniSettings m_values;
    // Changes the file has not got yet: the value as written after '=', or none to remove it.
    std::map<QString, std::optional<QByteArray>> m_changes;
    QString m_failure;
};

}  // namespace zelkor
