#pragma once
// The ADIF file for other logging programs: a free-text header ended by "<EOH>", then one record
// line per row in list order, each field as "<NAME:length>value ". No sorting of any kind.

#include <QByteArray>

#include <string>
#include <string_view>

namespace zelkor {

class LogList;
class ProvinceTable;
struct SummaryData;

// The ADIF band of a band text: 80M and 40M for the contest's "3,5" and "7", the edit dialog's
// other bands too (160M, 20M, 15M, 10M); empty for a text that names no band.
std::string_view AdifBand(std::string_view band);

// The frequency in MHz as ADIF numbers are written, with a full stop: "3,5" gives 3.5, "7" stays
// 7. A text that is no number even then gives an empty value rather than one that readers reject.
std::string AdifFrequency(std::string_view band);

// One record line with its "<EOR>" and CR LF, in the log's layout. Every length is the real
// length of its value: a valid row gets "<QSO_DATE:8>" and "<TIME_ON:4>", and a short date or
// time from an unchecked loaded row can't make a reader swallow the tag that follows.
std::string AdifRecordLine(const LogList& log, int row);

// The whole file: header lines from the summary data, the province name from the table, the
// score as given.
QByteArray AdifBytes(const LogList& log, const SummaryData& summary, const ProvinceTable& provinces,
                     int score);

}  // namespace zelkor
