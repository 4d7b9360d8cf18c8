#include "core/platform/FileCalls.h"
#include "core/platform/FileIO.h"
#include "support/FaultWalk.h"
#include "support/FaultyFileCalls.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>

#include <sys/stat.h>

namespace zelkor {
namespace {

using test::Fault;
using test::FaultPersistence;
using test::FaultPlan;
using test::FaultyFileCalls;
using test::FileCall;

const QByteArray kOld = "zelk100;qso\r\nI2ABC\r\nold contents\r\n";
const QByteArray kNew = QByteArray("zelk100;qso\r\nI2ABC\r\n") + QByteArray(200000, 'n') + "\r\n";

QStringList Entries(const test::TempFolder& folder)
{
    return QDir(folder.Path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

TEST(FileIOFaultTest, AtomicWriteLeavesTheOldFileOrTheWholeNewOneAndReportsEveryFailure)
{
    test::TempFolder folder;
    const QString path = folder.File(QStringLiteral("_ult.zelk"));
    folder.Write(QStringLiteral("_ult.zelk"), kOld);
    const int count = test::CountFileCalls([&] { ASSERT_TRUE(WriteFileAtomically(path, kNew)); });
    ASSERT_GE(count, 7);
    for (const test::FaultKind& kind : test::StandardFaultKinds()) {
        for (int number = 1; number <= count; ++number) {
            folder.Write(QStringLiteral("_ult.zelk"), kOld);
            FaultyFileCalls calls(
                FaultPlan{FileCall::Any, number, kind.error, kind.fault, kind.persistence});
            QString reason;
            bool written = false;
            {
                const ScopedFileCalls scoped(calls);
                written = WriteFileAtomically(path, kNew, &reason);
            }
            const std::string where = test::DescribeFault(kind, number, calls);
            const QByteArray now = folder.Read(QStringLiteral("_ult.zelk"));
            // Calls that may fail without harm: the look before the write, the second name
            // kept of the old file, and its removal at the end.
            const bool harmless = calls.FailedCall() == FileCall::Stat ||
                                  calls.FailedCall() == FileCall::Link ||
                                  calls.FailedCall() == FileCall::Unlink;
            if (written) {
                EXPECT_EQ(now, kNew) << where;
                EXPECT_TRUE(kind.fault == Fault::ShortWrite || harmless)
                    << where << ": a failed call was reported as success";
            } else {
                // Only where the old file could not be kept aside may the new one stay.
                EXPECT_TRUE(now == kOld ||
                            (now == kNew && kind.persistence == FaultPersistence::FromThenOn))
                    << where;
                EXPECT_FALSE(reason.isEmpty()) << where;
            }
            // Only a disk that refuses even the removal keeps a hidden file.
            if (kind.persistence == FaultPersistence::Once &&
                calls.FailedCall() != FileCall::Unlink) {
                EXPECT_EQ(Entries(folder), QStringList{QStringLiteral("_ult.zelk")}) << where;
            }
            for (const QString& name : Entries(folder)) {
                if (name != QStringLiteral("_ult.zelk")) {
                    QFile::remove(folder.File(name));
                }
            }
        }
    }
}

TEST(FileIOFaultTest, AFailedWriteOrFlushIsNeverSuccess)
{
    test::TempFolder folder;
    const QString path = folder.File(QStringLiteral("out.adi"));
    folder.Write(QStringLiteral("out.adi"), kOld);
    struct Case {
        FileCall call;
        int error;
        const char* reason;
    };
    const Case cases[] = {
        {FileCall::Write, ENOSPC, "Spazio su disco esaurito."},
        {FileCall::Write, EDQUOT, "La quota di spazio su disco dell'utente è esaurita."},
        {FileCall::Fsync, EIO,
         "Errore di lettura o scrittura sul disco (errore di I/O): il disco o la chiavetta "
         "potrebbe essere guasto o scollegato."},
        {FileCall::Close, EIO,
         "Errore di lettura o scrittura sul disco (errore di I/O): il disco o la chiavetta "
         "potrebbe essere guasto o scollegato."},
        {FileCall::Rename, EROFS, "Il disco è in sola lettura."},
        {FileCall::Open, ENAMETOOLONG, "Il nome del file o del percorso è troppo lungo."},
    };
    for (const Case& c : cases) {
        FaultyFileCalls calls(FaultPlan{c.call, 1, c.error});
        QString reason;
        {
            const ScopedFileCalls scoped(calls);
            EXPECT_FALSE(WriteFileAtomically(path, kNew, &reason));
        }
        EXPECT_EQ(reason.toStdString(), c.reason);
        EXPECT_EQ(folder.Read(QStringLiteral("out.adi")), kOld);
        EXPECT_EQ(Entries(folder), QStringList{QStringLiteral("out.adi")});
    }
}

TEST(FileIOFaultTest, AtomicWriteKeepsTheModeOfTheReplacedFileAndFollowsLinks)
{
    test::TempFolder folder;
    folder.Write(QStringLiteral("log.zelk"), kOld);
    const QString path = folder.File(QStringLiteral("log.zelk"));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    const QString link = folder.File(QStringLiteral("link.zelk"));
    ASSERT_TRUE(QFile::link(path, link));
    ASSERT_TRUE(WriteFileAtomically(link, kNew));
    EXPECT_EQ(folder.Read(QStringLiteral("log.zelk")), kNew);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

TEST(FileIOFaultTest, DurableAppendAddsTheWholeLineOrNothing)
{
    test::TempFolder folder;
    const QString path = folder.File(QStringLiteral("_ult.zelk"));
    const QByteArray line = "05.02.2006^1500^7^CW^IW3ZZZ^599^MI^599^NA^\r\n";
    folder.Write(QStringLiteral("_ult.zelk"), kOld);
    const int count = test::CountFileCalls([&] { ASSERT_TRUE(AppendDurably(path, line)); });
    for (const test::FaultKind& kind : test::StandardFaultKinds()) {
        for (int number = 1; number <= count; ++number) {
            folder.Write(QStringLiteral("_ult.zelk"), kOld);
            FaultyFileCalls calls(
                FaultPlan{FileCall::Any, number, kind.error, kind.fault, kind.persistence});
            QString reason;
            bool appended = false;
            {
                const ScopedFileCalls scoped(calls);
                appended = AppendDurably(path, line, &reason);
            }
            const std::string where = test::DescribeFault(kind, number, calls);
            const QByteArray now = folder.Read(QStringLiteral("_ult.zelk"));
            if (appended) {
                EXPECT_EQ(now, kOld + line) << where;
            } else {
                EXPECT_FALSE(reason.isEmpty()) << where;
                // Only a disk that refuses even the cut back may keep part of the line.
                const bool cutBackFailed = kind.persistence == FaultPersistence::FromThenOn;
                EXPECT_TRUE(now == kOld || (cutBackFailed && now.startsWith(kOld))) << where;
            }
        }
    }
}

TEST(FileIOFaultTest, NewFileIsCompleteOrAbsent)
{
    test::TempFolder folder;
    const QString path = folder.File(QStringLiteral("_ult.zelk.recupero"));
    const int count = test::CountFileCalls([&] {
        ASSERT_TRUE(CreateFileDurably(path, kNew));
        QFile::remove(path);
    });
    for (const test::FaultKind& kind : test::StandardFaultKinds()) {
        for (int number = 1; number <= count; ++number) {
            QFile::remove(path);
            FaultyFileCalls calls(
                FaultPlan{FileCall::Any, number, kind.error, kind.fault, kind.persistence});
            bool created = false;
            {
                const ScopedFileCalls scoped(calls);
                created = CreateFileDurably(path, kNew);
            }
            const std::string where = test::DescribeFault(kind, number, calls);
            if (created) {
                EXPECT_EQ(folder.Read(QStringLiteral("_ult.zelk.recupero")), kNew) << where;
            } else if (kind.persistence == FaultPersistence::Once) {
                EXPECT_FALSE(QFile::exists(path)) << where;
            }
        }
    }
    folder.Write(QStringLiteral("_ult.zelk.recupero"), kOld);
    QString reason;
    EXPECT_FALSE(CreateFileDurably(path, kNew, &reason));
    EXPECT_EQ(reason.toStdString(), "Esiste già un file con questo nome.");
    EXPECT_EQ(folder.Read(QStringLiteral("_ult.zelk.recupero")), kOld);
}

TEST(FileIOFaultTest, AFailedReadNeverGivesPartOfTheFile)
{
    test::TempFolder folder;
    const QByteArray big(300000, 'x');
    folder.Write(QStringLiteral("log.zelk"), big);
    const QString path = folder.File(QStringLiteral("log.zelk"));
    const int count = test::CountFileCalls([&] { ASSERT_TRUE(ReadWholeFile(path)); });
    for (int number = 1; number <= count; ++number) {
        FaultyFileCalls calls(FaultPlan{FileCall::Any, number, EIO});
        std::optional<QByteArray> bytes;
        QString reason;
        {
            const ScopedFileCalls scoped(calls);
            bytes = ReadWholeFile(path, &reason);
        }
        if (bytes) {
            EXPECT_EQ(*bytes, big) << number;
            EXPECT_EQ(calls.FailedCall(), FileCall::Close) << number;
        } else {
            EXPECT_EQ(reason.toStdString(),
                      "Errore di lettura o scrittura sul disco (errore di I/O): il disco o la "
                      "chiavetta potrebbe essere guasto o scollegato.");
        }
    }
}

TEST(FileIOFaultTest, ThingsThatAreNotFilesAreRefusedWithoutOpeningThem)
{
    test::TempFolder folder;
    const QString fifo = folder.File(QStringLiteral("pipe.zelk"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QDir(folder.Path()).mkdir(QStringLiteral("folder.zelk")));
    struct Case {
        QString path;
        std::string reason;
    };
    const std::string notAFile =
        "Il percorso non indica un file normale (è una pipe, un dispositivo o un socket).";
    const Case cases[] = {
        {fifo, notAFile},
        {QStringLiteral("/dev/zero"), notAFile},
        {folder.File(QStringLiteral("folder.zelk")),
         "Il percorso indica una cartella, non un file."},
        {folder.File(QStringLiteral("missing.zelk")), "Il file non esiste."},
    };
    for (const Case& c : cases) {
        // A pipe without a writer would block an open for ever: the test ends only if it is
        // never opened.
        QString reason;
        EXPECT_FALSE(ReadWholeFile(c.path, &reason));
        EXPECT_EQ(reason.toStdString(), c.reason);
        EXPECT_FALSE(AppendDurably(c.path, "x\r\n", &reason));
    }
}

TEST(FileIOFaultTest, OperatingSystemErrorsReadInItalian)
{
    struct Case {
        int error;
        FileAction action;
        std::string text;
    };
    const Case cases[] = {
        {ENOENT, FileAction::Read, "Il file non esiste."},
        {ENOENT, FileAction::Write, "La cartella che dovrebbe contenerlo non esiste."},
        {EACCES, FileAction::Read, "Mancano i permessi per leggerlo."},
        {EACCES, FileAction::Write, "Mancano i permessi per scrivere nella cartella."},
        {EPERM, FileAction::Append, "Permesso negato."},
        {ENOSPC, FileAction::Write, "Spazio su disco esaurito."},
        {EROFS, FileAction::Append, "Il disco è in sola lettura."},
        {EFBIG, FileAction::Append, "Il file ha superato la dimensione massima consentita."},
        {EMFILE, FileAction::Read, "Ci sono troppi file aperti."},
        {12345, FileAction::Write, "Errore del sistema operativo n. 12345."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IoErrorText(c.error, c.action).toStdString(), c.text) << c.error;
    }
}

}  // namespace
}  // namespace zelkor
