#include "core/settings/RecentFileList.h"

#include "core/settings/SettingKeys.h"

namespace zelkor {
namespace {

QByteArray EntryName(int index)
{
    return QByteArray("File") + QByteArray::number(index + 1);
}

}  // namespace

void RecentFileList::Load(const SettingsStore& store)
{
    m_entries.clear();
    for (int i = 0; i < kSize; ++i) {
        const QByteArray name = EntryName(i);
        const QString path =
            store.ReadSetting({keys::kRecentFileList, name.constData()}, QString());
        if (!path.isEmpty() && !m_entries.contains(path)) {
            m_entries.append(path);
        }
    }
}

void RecentFileList::Add(const QString& path)
{
    if (path.isEmpty()) {
        return;
    }
    m_entries.removeAll(path);
    m_entries.prepend(path);
    while (m_entries.size() > kSize) {
        m_entries.removeLast();
    }
}

bool RecentFileList::Save(SettingsStore& store) const
{
    for (int i = 0; i < kSize; ++i) {
        const QByteArray name = EntryName(i);
        const SettingKey key{keys::kRecentFileList, name.constData()};
        if (i < m_entries.size()) {
            store.ChangeSetting(key, m_entries.at(i));
        } else {
            store.ForgetSetting(key);
        }
    }
    return store.Flush();
}

}  // namespace zelkor
