#pragma once
// Reads the stations and their provinces from an ADIF file: CALL with the province in STATE
// (the Italian subdivision), or else in SRX_STRING (the received exchange). The program's own
// ADIF exports carry it in NOTES, which is read only in those. A record without a callsign and
// a known province, or cut short by a field longer than the file, is skipped.

#include "core/history/HistorySources.h"

namespace zelkor {

HistoryReadResult ReadAdifHistory(const QByteArray& bytes, const ProvinceTable& provinces);

}  // namespace zelkor
