// The province file loader and the import on any bytes: they never crash, and the table each
// makes is written and loaded back unchanged.

#include "FuzzSupport.h"

#include "core/provinces/ProvinceFile.h"

#include <QBuffer>

namespace {

using namespace zelkor;

QByteArray Saved(const ProvinceTable& table)
{
    return ProvinceFileBytes(table);
}

void CheckStable(const ProvinceTable& table)
{
    const QByteArray written = Saved(table);
    QBuffer buffer;
    buffer.setData(written);
    buffer.open(QIODevice::ReadOnly);
    ProvinceTable again;
    LoadProvinceFile(buffer, again);
    fuzz::Check(Saved(again) == written, "a saved province file loads back the same");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        ProvinceTable loaded;
        LoadProvinceFile(buffer, loaded);
        CheckStable(loaded);
    }
    {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        // Imports merge into the table the program has.
        ProvinceTable imported = fuzz::ShippedProvinces();
        const int accepted = ImportProvinceLines(buffer, imported);
        fuzz::Check(accepted >= 0 && accepted <= bytes.count('\n') + 1,
                    "no more provinces accepted than there are lines");
        CheckStable(imported);
    }
    return 0;
}
