// The settings file on any bytes: reading every value never crashes, gives each value a sane
// range, and what was read is written and read back unchanged.

#include "FuzzSupport.h"

#include "core/settings/AppSettings.h"
#include "core/settings/RecentFileList.h"
#include "core/settings/SettingKeys.h"
#include "core/settings/SettingsStore.h"
#include "core/settings/SummaryData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace {

using namespace zelkor;

// One file per process, in memory where the system has it: each input replaces it.
QString SettingsPath()
{
    static const QString path = [] {
        const QFileInfo shm(QStringLiteral("/dev/shm"));
        const QString folder = shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
        return folder + QStringLiteral("/zelkor-fuzz-settings-%1.conf").arg(::getpid());
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = SettingsPath();
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
                static_cast<qint64>(size)) {
            fuzz::Fail("can't write the settings file");
        }
    }
    AppSettings settings;
    SummaryData summary;
    QStringList recent;
    {
        const std::unique_ptr<SettingsStore> store = SettingsStore::OpenFile(path);
        settings = ReadAppSettings(*store);
        summary = ReadSummaryData(*store);
        RecentFileList list;
        list.Load(*store);
        recent = list.Entries();
    }
    fuzz::Check(recent.size() <= 5, "at most five recent files");
    (void)settings;

    // What was read, stored anew and read back, is the same.
    QFile::remove(path);
    {
        const std::unique_ptr<SettingsStore> store = SettingsStore::OpenFile(path);
        fuzz::Check(WriteSummaryData(*store, summary), "the summary data can be stored");
        RecentFileList list;
        for (auto entry = recent.crbegin(); entry != recent.crend(); ++entry) {
            list.Add(*entry);
        }
        fuzz::Check(list.Save(*store), "the recent files can be stored");
    }
    {
        const std::unique_ptr<SettingsStore> store = SettingsStore::OpenFile(path);
        fuzz::Check(ReadSummaryData(*store) == summary, "the summary data reads back the same");
        RecentFileList list;
        list.Load(*store);
        fuzz::Check(list.Entries() == recent, "the recent files read back the same");
    }
    QFile::remove(path);
    return 0;
}
