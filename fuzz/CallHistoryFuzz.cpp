// The call-history readers and the history file on any bytes: they never crash, every station
// they give is one the entry row accepts, the history file and the shared form written from what
// they read load back the same, and the partial check finds only callsigns that hold the text.

#include "FuzzSupport.h"

#include "core/contest/FieldRules.h"
#include "core/history/AdifHistoryReader.h"
#include "core/history/CabrilloHistoryReader.h"
#include "core/history/CallHistoryFile.h"
#include "core/history/LogHistoryReader.h"
#include "core/history/PartialCheckIndex.h"
#include "core/history/SharedHistoryFile.h"

namespace {

using namespace zelkor;

void CheckRecords(const HistoryReadResult& result, CallHistory& history)
{
    fuzz::Check(result.skipped >= 0, "a count of skipped lines is never negative");
    for (const HistoryRecord& record : result.records) {
        std::string callsign = record.callsign;
        fuzz::Check(IsValidCallsign(callsign) && callsign == record.callsign,
                    "every station read has a valid callsign in capitals");
        fuzz::Check(!fuzz::ShippedProvinces().ProvinceNameOf(record.province).empty() &&
                        record.province.size() == 2,
                    "every station read has a province of the table");
        fuzz::Check(record.date.empty() || HistoryDate(record.date) == record.date,
                    "a date read is yyyymmdd");
        history.Merge(record);
    }
}

void CheckHistoryFile(const CallHistory& history)
{
    CallHistory again;
    fuzz::Check(ParseCallHistoryFile(CallHistoryFileBytes(history), again) == 0,
                "the history file written has no line to skip");
    fuzz::Check(again == history, "the history file written loads back the same");

    const QByteArray shared = SharedHistoryBytes(history);
    const SharedHistoryLayout layout = InspectSharedHistory(shared, fuzz::ShippedProvinces());
    const HistoryReadResult read = ReadSharedHistory(shared, layout, 1, fuzz::ShippedProvinces());
    // The history file keeps any two-letter code (a province list may be changed later); an
    // import takes only the table's own provinces.
    int known = 0;
    for (const auto& [callsign, entry] : history.AllEntries()) {
        known += fuzz::ShippedProvinces().ProvinceNameOf(entry.province).empty() ? 0 : 1;
    }
    fuzz::Check(
        static_cast<int>(read.records.size()) == known && read.skipped == history.Size() - known,
        "the shared form written reads back every station of a known province");
}

void CheckPartialCheck(const CallHistory& history, const QByteArray& bytes)
{
    PartialCheckIndex index;
    index.SetHistory(history);
    const std::string typed = bytes.left(6).toUpper().toStdString();
    const PartialCheckIndex::Result found = index.Find(typed, 100);
    fuzz::Check(found.total >= static_cast<int>(found.matches.size()),
                "the count covers the lines shown");
    for (const PartialMatch& match : found.matches) {
        fuzz::Check(match.callsign.find(typed) != std::string::npos ||
                        typed.find_first_of(" \t\r\n\v\f") != std::string::npos,
                    "a match holds the text typed");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ProvinceTable& provinces = fuzz::ShippedProvinces();
    (void)DetectHistoryFormat(bytes, QStringLiteral("gara.zelk"));

    CallHistory history;
    CheckRecords(ReadLogHistory(bytes, provinces), history);
    CheckRecords(ReadCabrilloHistory(bytes, provinces), history);
    CheckRecords(ReadAdifHistory(bytes, provinces), history);
    const SharedHistoryLayout layout = InspectSharedHistory(bytes, provinces);
    for (int column = -1; column <= static_cast<int>(layout.columns.size()); ++column) {
        CheckRecords(ReadSharedHistory(bytes, layout, column, provinces), history);
    }
    CheckHistoryFile(history);

    CallHistory parsed;
    ParseCallHistoryFile(bytes, parsed);
    CheckHistoryFile(parsed);
    CheckPartialCheck(parsed, bytes);
    return 0;
}
