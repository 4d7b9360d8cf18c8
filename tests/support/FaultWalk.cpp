#include "support/FaultWalk.h"

#include "core/platform/FileCalls.h"
#include "core/platform/FileIO.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cerrno>

namespace zelkor::test {

namespace {

constexpr FaultKind kStandardFaultKinds[] = {
    {"no space", ENOSPC, Fault::Error, FaultPersistence::Once},
    {"I/O error", EIO, Fault::Error, FaultPersistence::Once},
    {"short write", EIO, Fault::ShortWrite, FaultPersistence::Once},
    {"stays full", ENOSPC, Fault::Error, FaultPersistence::FromThenOn},
    {"permission", EACCES, Fault::Error, FaultPersistence::Once},
};

}  // namespace

std::span<const FaultKind> StandardFaultKinds()
{
    return kStandardFaultKinds;
}

FaultPlan PlanFor(const FaultKind& kind, int number)
{
    return FaultPlan{FileCall::Any, number, kind.error, kind.fault, kind.persistence};
}

int CountFileCalls(const std::function<void()>& operation)
{
    FaultyFileCalls counting;
    const ScopedFileCalls scoped(counting);
    operation();
    return static_cast<int>(counting.Calls().size());
}

void ForEveryFault(int count, const std::function<void(const FaultKind&, int number)>& step)
{
    for (const FaultKind& kind : StandardFaultKinds()) {
        for (int number = 1; number <= count; ++number) {
            step(kind, number);
        }
    }
    // The figure for docs/reliability.md, in the test report (--gtest_output=xml).
    if (const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info()) {
        static std::map<std::string, int> cases;
        int& total = cases[std::string(test->test_suite_name()) + "." + test->name()];
        total += count * static_cast<int>(StandardFaultKinds().size());
        ::testing::Test::RecordProperty("FaultCases", total);
    }
}

std::string DescribeFault(const FaultKind& kind, int number, const FaultyFileCalls& calls)
{
    return std::string(kind.name) + " at call " + std::to_string(number) + " (" +
           FaultyFileCalls::Name(calls.FailedCall()).toStdString() + ")";
}

bool NamesTheReason(const QString& text, int error)
{
    if (text.contains(QLatin1String("Unknown"))) {
        return false;
    }
    for (const FileAction action : {FileAction::Read, FileAction::Write, FileAction::Append}) {
        if (text.contains(IoErrorText(error, action))) {
            return true;
        }
    }
    return false;
}

std::map<QString, QByteArray> FolderFiles(const QString& folder)
{
    std::map<QString, QByteArray> files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        QFile file(dir.filePath(name));
        files[name] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }
    return files;
}

}  // namespace zelkor::test
