#include "FuzzSupport.h"

#include "core/provinces/ProvinceFile.h"

#include <cstdio>
#include <cstdlib>

namespace zelkor::fuzz {

void Fail(const char* what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

const ProvinceTable& ShippedProvinces()
{
    static const ProvinceTable table = [] {
        ProvinceTable loaded;
        (void)LoadProvinceFile(QStringLiteral(ZELKOR_SHIPPED_PROVINCES), loaded);
        return loaded;
    }();
    return table;
}

std::vector<std::pair<std::string, QByteArray>> KnownBadInputs()
{
    const QByteArray header =
        "zelk100;qso\r\nI2ABC\r\nMI\r\n\r\nSOP\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
    const QByteArray swlHeader =
        "zelk100;hrd\r\nI0-1234\r\nRM\r\n\r\nSWL\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
    const QByteArray row = "05.02.2006^1432^7^SSB^I1XYZ^59^MI^59^RM^";
    QByteArray highBytes;
    for (int byte = 0x80; byte <= 0x9F; ++byte) {
        highBytes.append(static_cast<char>(byte));
    }
    const QByteArray megabyteLine = QByteArray(1 << 20, 'A');
    QByteArray nulRow = row;
    nulRow[5] = '\0';
    nulRow[20] = '\0';
    std::vector<std::pair<std::string, QByteArray>> inputs = {
        {"empty", QByteArray()},
        {"two-bytes-crlf", "\r\n"},
        {"two-bytes-letters", "zz"},
        {"two-bytes-lf", "z\n"},
        {"magic-without-line-end", "zelk100;qso"},
        {"header-without-final-line-end", header.chopped(2)},
        {"row-without-final-line-end", header + row},
        {"nul-bytes", QByteArray("\0\0\0\r\n\0", 6)},
        {"nul-bytes-in-a-row", header + nulRow + "\r\n"},
        {"bytes-80-to-9f", highBytes},
        {"bytes-80-to-9f-in-a-row", header + row + highBytes + "\r\n"},
        {"megabyte-line", megabyteLine + "\r\n"},
        {"megabyte-row", header + megabyteLine + "^7^CW^" + megabyteLine + "\r\n"},
        {"cr-only", "zelk100;qso\rI2ABC\rMI\r" + row + "\r"},
        {"cr-only-after-header", header + row + "\r" + row + "\r"},
        {"swl-with-short-rows", swlHeader + "^^\r\n" + "a^b^c^d^e^f^g^h^i^j\r\n"},
        {"province-lines", "XX NOME\r\nab cdefgh\r\n12 NUMERI\r\nMI MILANO"},
        {"province-long-line", QByteArray(199, 'A') + "\nMI MILANO\n" + QByteArray(5000, 'B')},
        {"settings-ini",
         "[Parametri]\nBanda=7\nModo=SSB\nColore sfondo=@Variant(\\0\\0\\0\\x7f)\n"},
        {"settings-list", "[Parametri]\nBanda=a, b, c\nPunteggio=99999999999999999999\n"},
    };
    return inputs;
}

}  // namespace zelkor::fuzz
