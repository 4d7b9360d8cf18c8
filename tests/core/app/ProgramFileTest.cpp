#include "core/platform/ProgramFolder.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace zelkor {
namespace {

TEST(ProgramFileTest, TheProgramsOwnFilesAreRecognisedByNameFolderAndLink)
{
    test::TempFolder program;
    test::TempFolder other;
    ASSERT_TRUE(QDir(program.Path()).mkdir(QStringLiteral("sub")));
    program.Write(QStringLiteral("_ult.zelk.recupero"), "x");
    ASSERT_TRUE(QFile::link(program.File(QStringLiteral("_ult.zelk.recupero")),
                            other.File(QStringLiteral("salvato.zelk"))));
    ASSERT_TRUE(QFile::link(program.Path(), other.File(QStringLiteral("cartella"))));
    struct Case {
        QString path;
        bool own;
    };
    const Case cases[] = {
        {program.File(QStringLiteral("_ult.zelk")), true},
        {program.File(QStringLiteral("_prov.cod")), true},
        {program.File(QStringLiteral("_storico.cod")), true},
        {program.File(QStringLiteral("_prov_pos.cod")), true},
        {other.File(QStringLiteral("cartella/_storico.cod")), true},
        {program.File(QStringLiteral("_ult.zelk.lock")), true},
        {program.File(QStringLiteral("_ult.zelk.recupero")), true},
        {program.File(QStringLiteral("_ult.zelk.recupero.2")), true},
        {program.File(QStringLiteral("sub/../_ult.zelk.recupero.17")), true},
        {other.File(QStringLiteral("salvato.zelk")), true},
        {other.File(QStringLiteral("cartella/_ult.zelk.lock")), true},
        {program.File(QStringLiteral("_ult.zelk.bak")), false},
        {program.File(QStringLiteral("gara.zelk")), false},
        {other.File(QStringLiteral("_storico.cod")), false},
        {other.File(QStringLiteral("_prov_pos.cod")), false},
        {program.File(QStringLiteral("sub/_ult.zelk")), false},
        {other.File(QStringLiteral("_ult.zelk.recupero")), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsProgramFile(program.Path(), c.path), c.own) << c.path.toStdString();
    }
}

}  // namespace
}  // namespace zelkor
