#pragma once
// The list of the last five logs opened, newest first, kept in section "Recent File List".

#include <QString>
#include <QStringList>

namespace zelkor {

class SettingsStore;

class RecentFileList {
public:
    static constexpr int kSize = 5;

    void Load(const SettingsStore& store);
    // Puts the path first; an entry already in the list moves up instead of appearing twice.
    void Add(const QString& path);
    bool Save(SettingsStore& store) const;
    [[nodiscard]] const QStringList& Entries() const { return m_entries; }

private:
    QStringList m_entries;
};

}  // namespace zelkor
